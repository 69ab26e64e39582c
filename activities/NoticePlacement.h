#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

namespace activities {

// The side of the screen the taskbar takes: where the work area (the
// screen's available geometry) falls short of the whole screen.
enum class TaskbarSide { Bottom, Top, Left, Right, None };
TaskbarSide taskbarSide(const QRect &screen, const QRect &workArea);

// Distances of a notice, in pixels: from the screen's side, from the taskbar,
// and between notices stacked beside each other.
struct NoticeSpacing {
    int fromSide = 16;
    int fromTaskbar = 2;
    int between = 2;
};

// Where a notice goes, and the edge it slides out of (the taskbar's; the
// bottom where there is no taskbar).
struct NoticePlace {
    QRect rect;
    TaskbarSide slidesFrom = TaskbarSide::Bottom;
};

// The corner of the work area beside the taskbar: bottom right for a taskbar
// at the bottom, on the right or none, top right for one at the top, bottom
// left for one on the left. Notices still on show (`shown`) push a new one
// further from the taskbar. Nothing when it would not fit in the work area.
std::optional<NoticePlace> placeNotice(const QRect &screen, const QRect &workArea, const QSize &size,
                                       const QList<QRect> &shown, const NoticeSpacing &spacing = {});

} // namespace activities
