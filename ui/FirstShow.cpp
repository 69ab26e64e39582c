#include "FirstShow.h"

#include "StandingQuery.h"

#include <QEvent>
#include <QWidget>

namespace ui {

namespace {

// Hidden inside its window: the window's showing does not show it (a hidden
// field that others read, a page behind another).
bool hiddenInItsWindow(const QWidget *widget)
{
    for (; widget && !widget->isWindow(); widget = widget->parentWidget()) {
        if (widget->isHidden())
            return true;
    }
    return false;
}

// Waits for the first showing of its parent, or, while the parent is hidden
// inside its window, for the query's rows to be read by anyone else; runs
// once, and goes. A control that is never shown still holds its field once
// the rows are there.
class FirstShowing : public QObject {
public:
    FirstShowing(QWidget *owner, const data::StandingQuery &query, std::function<void()> show)
        : QObject(owner), m_show(std::move(show))
    {
        owner->installEventFilter(this);
        m_arrived = connect(&query, &data::StandingQuery::rowsArrived, this, [this] {
            if (hiddenInItsWindow(static_cast<QWidget *>(parent())))
                run();
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Show)
            run();
        return false;
    }

private:
    void run()
    {
        if (m_done)
            return;
        m_done = true;
        parent()->removeEventFilter(this);
        disconnect(m_arrived);
        m_show();
        deleteLater();
    }

    std::function<void()> m_show;
    QMetaObject::Connection m_arrived;
    bool m_done = false;
};

} // namespace

void showWhenSeen(QWidget *owner, const data::StandingQuery &query, std::function<void()> show)
{
    if (owner->isVisible() || !query.rowsPending())
        show();
    else
        new FirstShowing(owner, query, std::move(show));
}

} // namespace ui
