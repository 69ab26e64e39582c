#pragma once

#include <QIcon>
#include <QImage>

class QPainter;
class QRectF;

namespace app {

// The program's icon: a contact and a rising chart on a blue tile, drawn in
// a square of 256 units (app/desktop/org.talvero.crm.svg holds the same shapes
// for the desktop).
void paintAppIcon(QPainter &painter, const QRectF &square);
// The icon at one size in pixels, on a clear ground.
QImage appIconImage(int pixels);
// The icon at the sizes a desktop asks for, 16 to 256 pixels.
QIcon appIcon();

// The sizes of the icon's pictures in the desktop's icon theme.
inline constexpr int kAppIconSizes[] = {16, 32, 48, 64, 128, 256};

} // namespace app
