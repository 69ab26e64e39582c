#include "SearchWindow.h"

#include "FormParts.h"
#include "MessageBox.h"
#include "StandingQuery.h"

#include <QPushButton>
#include <QShowEvent>

namespace ui {

SearchWindow::SearchWindow(QWidget *parent, const QString &name, const QString &title) : QDialog(parent)
{
    setUpWindow(this, name, title);
}

void SearchWindow::layOut(const QList<QWidget *> &groups)
{
    QWidget *strip = titleStrip(QStringLiteral("  ") + windowTitle(), this);
    BitBtn1 = ui::searchButton(this);
    layOutWindow(this, strip, groups, {BitBtn1});
    connect(BitBtn1, &QPushButton::clicked, this, [this] { search(); });
}

void SearchWindow::reset()
{
    m_fields.clear();
    resetMore();
}

bool SearchWindow::closeOnFound(const std::function<void()> &load)
{
    if (!guarded(this, load))
        return false; // the error was shown; the window stays open
    accept();
    return true;
}

void SearchWindow::showFound(data::StandingQuery &query, const std::function<void()> &load)
{
    if (!closeOnFound(load))
        return;
    if (query.isEmpty()) {
        MessageBox::information(this, QStringLiteral("没有找到记录"));
        reset();
    }
}

// Each time the window is opened; not when the window system shows it again
// (the program restored from the taskbar), which keeps what was typed.
void SearchWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    reset();
    readyToOpen(this);
}

} // namespace ui
