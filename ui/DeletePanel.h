#pragma once

#include <QFrame>
#include <QStringList>

class QLabel;
class QPushButton;
class QToolButton;

namespace ui {

// The overlay a list view shows before it deletes its current row: a red
// title, the question, the hint "点击减号删除", a lone minus button and
// "取 消". It asks nothing further: the minus button is the confirmation.
// The view that owns it does the deleting, so that a row and its dependent
// rows go in one piece.
class DeletePanel : public QFrame {
    Q_OBJECT
public:
    DeletePanel(const QString &title, const QStringList &question, QWidget *parent = nullptr);

    // Shows the panel centred over the widget it guards.
    void popUp(QWidget *over);
    QToolButton *minusButton() const { return m_minus; }

signals:
    void deleteRequested();
    void cancelled();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QToolButton *m_minus;
    QPushButton *m_cancel;
};

} // namespace ui
