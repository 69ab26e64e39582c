#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;
class QPushButton;
class QToolButton;

namespace data {
class StandingQuery;
}

namespace ui {

// The overlay a list view shows before it deletes its current row: a red
// title, the question, the hint "点击减号删除", a lone minus button and
// "取 消". It asks nothing further: the minus button is the confirmation.
// The view that owns it does the deleting, so that a row and its dependent
// rows go in one piece.
//
// The panel asks about one row: the current row of the query when it pops
// up. It records that row's key then, and the minus button hands over that
// key and no other, whatever has happened to the current row meanwhile.
class DeletePanel : public QFrame {
    Q_OBJECT
public:
    DeletePanel(const QString &title, const QStringList &question, QWidget *parent = nullptr);

    // Shows the panel centred over the widget it guards, asking about the
    // current row of the query. With no current row the minus button is
    // unavailable and only the cancel button closes the panel.
    void popUp(QWidget *over, const data::StandingQuery &query);
    // The key of the row asked about; empty while the panel is down.
    const QString &key() const { return m_key; }
    void setCancelCaption(const QString &caption);
    // Hides the panel and forgets the key.
    void dismiss();
    QToolButton *minusButton() const { return m_minus; }

signals:
    void deleteRequested(const QString &key);
    void cancelled();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QToolButton *m_minus;
    QPushButton *m_cancel;
    QString m_key;
};

} // namespace ui
