#pragma once

#include <QFlags>
#include <QMap>
#include <QToolButton>
#include <QWidget>
#include <functional>

namespace data {
class StandingQuery;
}

namespace ui {

// A record navigator over a standing query: a strip of buttons that move the
// current row and edit it. Each window shows only the buttons it needs and
// gives them their hints.
class DbNavigator : public QWidget {
    Q_OBJECT
public:
    enum Button {
        First = 0x1,
        Prior = 0x2,
        Next = 0x4,
        Last = 0x8,
        Insert = 0x10,
        Delete = 0x20,
        Edit = 0x40,
        Post = 0x80,
        Cancel = 0x100,
        Refresh = 0x200,
    };
    Q_DECLARE_FLAGS(Buttons, Button)

    explicit DbNavigator(QWidget *parent = nullptr);

    // hints: the text shown when the pointer rests on a button; it is also
    // the button's accessible name, so that it can be found by it.
    void bind(data::StandingQuery *query, Buttons visible, const QMap<Button, QString> &hints = {});
    void setConfirmDelete(bool on) { m_confirmDelete = on; }
    // A test the Post button runs first: when it is false (it has said why),
    // nothing is posted and the row stays as it is, changes pending.
    void setPostCheck(std::function<bool()> check) { m_postCheck = std::move(check); }
    void setFlat(bool flat);
    QToolButton *button(Button which) const { return m_buttons.value(which); }

signals:
    // After a button has done its work (a delete included).
    void clicked(ui::DbNavigator::Button which);

private:
    void run(Button which);
    void updateEnabled();

    data::StandingQuery *m_query = nullptr;
    QMap<Button, QToolButton *> m_buttons;
    bool m_confirmDelete = true;
    std::function<bool()> m_postCheck;
};

} // namespace ui

Q_DECLARE_OPERATORS_FOR_FLAGS(ui::DbNavigator::Buttons)
