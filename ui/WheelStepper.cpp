#include "WheelStepper.h"

#include "DbGrid.h"
#include "StandingQuery.h"

#include <QWheelEvent>

namespace ui {

void WheelStepper::registerGrid(DbGrid *grid)
{
    grid->viewport()->installEventFilter(this);
    grid->viewport()->setProperty("talveroWheelGrid", QVariant::fromValue<QObject *>(grid));
}

bool WheelStepper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return false;
    auto *wheel = static_cast<QWheelEvent *>(event);
    const QPoint angle = wheel->angleDelta();
    if (angle.y() == 0 && angle.x() != 0)
        return false; // a sideways wheel is not ours
    auto *grid = qobject_cast<DbGrid *>(watched->property("talveroWheelGrid").value<QObject *>());
    if (!grid || !grid->query())
        return false;
    if (angle.y() < 0)
        grid->query()->next();
    else
        grid->query()->prior();
    return true;
}

} // namespace ui
