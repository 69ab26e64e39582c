#include "WheelStepper.h"

#include "DbGrid.h"
#include "StandingQuery.h"

#include <QWheelEvent>

namespace ui {

void WheelStepper::registerGrid(DbGrid *grid)
{
    m_grids.insert(grid);
    connect(grid, &QObject::destroyed, this, [this, grid] { m_grids.remove(grid); });
    grid->installEventFilter(this);
    // The viewport, both scroll bars (and their containers), the header and
    // the corner button: a wheel turned anywhere over the grid is ours.
    const auto parts = grid->findChildren<QWidget *>();
    for (QWidget *part : parts)
        part->installEventFilter(this);
}

DbGrid *WheelStepper::gridOf(QObject *watched) const
{
    for (QObject *o = watched; o; o = o->parent()) {
        if (m_grids.contains(o))
            return static_cast<DbGrid *>(o);
    }
    return nullptr;
}

bool WheelStepper::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return false;
    auto *wheel = static_cast<QWheelEvent *>(event);
    const QPoint angle = wheel->angleDelta();
    if (angle.y() == 0 && angle.x() != 0)
        return false; // a sideways wheel is not ours
    DbGrid *grid = gridOf(watched);
    if (!grid)
        return false;
    // One message, one row, handled by the part it reached and not passed
    // on, so that the grid's own scrolling never sees it.
    if (!grid->isEnabled() || !grid->query())
        return true;
    if (angle.y() < 0)
        grid->query()->next();
    else
        grid->query()->prior();
    return true;
}

} // namespace ui
