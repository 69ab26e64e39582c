#pragma once

#include <QList>
#include <QWidget>
#include <map>

class QHBoxLayout;
class QLineEdit;
class TData_in;

namespace data {
class StandingQuery;
}
namespace ui {
class DbMemo;
class PickListCombo;
}

// The fields of a company as the new-company and edit-company windows lay
// them out, in screen order, each beside its caption and found by its column
// of atc2. The new window types into them: they take only the keys their
// column allows, and the two the company needs are marked. The edit window
// binds them to the current company; its name shows and never changes. Below
// the fields each window puts its own rating control and buttons.
class CompanyForm : public QWidget {
    Q_OBJECT
public:
    enum class Kind { New, Edit };

    explicit CompanyForm(Kind kind, QWidget *parent = nullptr);

    // Fills the drop-downs from the company pick lists; the small button
    // beside each opens the company pick-list editor on its list.
    void setPickLists(TData_in &data);
    // Every field shows, and but for the name writes, its column of the
    // current company.
    void bind(data::StandingQuery *companies);
    // The row under the description: the window's rating control on the
    // left, its buttons on the right.
    void setBottomRow(QWidget *rating, const QList<QWidget *> &buttons);

    // Empties every field and leaves the drop-downs without a choice; both
    // area codes "0". The cursor waits in the name.
    void reset();
    // What the field of a column shows: c1..c16 (c13 the description).
    QString text(const QString &column) const;
    // The one-line field of a column: c1..c6, c8, c11, c12, c14..c16.
    QLineEdit *line(const QString &column) const { return m_lines.at(column); }

private:
    void createFields(Kind kind);
    void createLayout(Kind kind);
    QHBoxLayout *withListButton(ui::PickListCombo *combo);

    std::map<QString, QLineEdit *> m_lines;
    std::map<QString, ui::PickListCombo *> m_lists;
    ui::DbMemo *m_description = nullptr;
    QHBoxLayout *m_bottom = nullptr;
};
