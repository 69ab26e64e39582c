#include "FirstShow.h"

#include "StandingQuery.h"

#include <QEvent>
#include <QWidget>

namespace ui {

namespace {

// Waits for the first showing of its parent, runs once, and goes.
class FirstShowing : public QObject {
public:
    FirstShowing(QWidget *owner, std::function<void()> show) : QObject(owner), m_show(std::move(show))
    {
        owner->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            m_show();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> m_show;
};

} // namespace

void showWhenSeen(QWidget *owner, const data::StandingQuery &query, std::function<void()> show)
{
    if (owner->isVisible() || !query.rowsPending())
        show();
    else
        new FirstShowing(owner, std::move(show));
}

} // namespace ui
