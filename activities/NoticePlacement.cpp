#include "NoticePlacement.h"

#include <algorithm>

namespace activities {

TaskbarSide taskbarSide(const QRect &screen, const QRect &workArea)
{
    if (workArea.bottom() < screen.bottom())
        return TaskbarSide::Bottom;
    if (workArea.top() > screen.top())
        return TaskbarSide::Top;
    if (workArea.left() > screen.left())
        return TaskbarSide::Left;
    if (workArea.right() < screen.right())
        return TaskbarSide::Right;
    return TaskbarSide::None;
}

std::optional<NoticePlace> placeNotice(const QRect &screen, const QRect &workArea, const QSize &size,
                                       const QList<QRect> &shown, const NoticeSpacing &spacing)
{
    // Edges as coordinates one past the last pixel, so that sizes add up.
    const int left = workArea.x(), top = workArea.y();
    const int right = workArea.x() + workArea.width(), bottom = workArea.y() + workArea.height();
    const int w = size.width(), h = size.height();
    const TaskbarSide side = taskbarSide(screen, workArea);

    QRect rect;
    switch (side) {
    case TaskbarSide::Bottom:
    case TaskbarSide::None: {
        int y = bottom - spacing.fromTaskbar - h;
        for (const QRect &other : shown)
            y = std::min(y, other.y() - spacing.between - h);
        rect = QRect(right - spacing.fromSide - w, y, w, h);
        break;
    }
    case TaskbarSide::Top: {
        int y = top + spacing.fromTaskbar;
        for (const QRect &other : shown)
            y = std::max(y, other.y() + other.height() + spacing.between);
        rect = QRect(right - spacing.fromSide - w, y, w, h);
        break;
    }
    case TaskbarSide::Left: {
        int x = left + spacing.fromTaskbar;
        for (const QRect &other : shown)
            x = std::max(x, other.x() + other.width() + spacing.between);
        rect = QRect(x, bottom - spacing.fromSide - h, w, h);
        break;
    }
    case TaskbarSide::Right: {
        int x = right - spacing.fromTaskbar - w;
        for (const QRect &other : shown)
            x = std::min(x, other.x() - spacing.between - w);
        rect = QRect(x, bottom - spacing.fromSide - h, w, h);
        break;
    }
    }
    if (size.isEmpty() || !workArea.contains(rect))
        return std::nullopt;
    return NoticePlace{rect, side == TaskbarSide::None ? TaskbarSide::Bottom : side};
}

} // namespace activities
