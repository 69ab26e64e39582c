#include "AppIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace app {

void paintAppIcon(QPainter &painter, const QRectF &square)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(square.topLeft());
    painter.scale(square.width() / 256.0, square.height() / 256.0);
    painter.setPen(Qt::NoPen);

    QLinearGradient tile(0, 8, 0, 248);
    tile.setColorAt(0, QColor(0x2f, 0x80, 0xed));
    tile.setColorAt(1, QColor(0x14, 0x53, 0xb8));
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 48, 48);

    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(100, 92), 36, 36);
    QPainterPath shoulders;
    shoulders.moveTo(40, 200);
    shoulders.cubicTo(40, 152, 70, 134, 100, 134);
    shoulders.cubicTo(130, 134, 160, 152, 160, 200);
    shoulders.closeSubpath();
    painter.drawPath(shoulders);

    painter.setBrush(QColor(0xf2, 0x99, 0x4a));
    painter.drawRoundedRect(QRectF(170, 150, 18, 50), 3, 3);
    painter.drawRoundedRect(QRectF(194, 120, 18, 80), 3, 3);
    painter.drawRoundedRect(QRectF(218, 90, 18, 110), 3, 3);
    painter.restore();
}

QImage appIconImage(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintAppIcon(painter, QRectF(0, 0, pixels, pixels));
    return image;
}

QIcon appIcon()
{
    QIcon icon;
    for (int pixels : kAppIconSizes)
        icon.addPixmap(QPixmap::fromImage(appIconImage(pixels)));
    return icon;
}

} // namespace app
