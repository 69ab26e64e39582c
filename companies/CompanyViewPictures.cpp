#include "CompanyViewPictures.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

CompanyViewTitleStrip::CompanyViewTitleStrip(QWidget *parent)
    : ui::TitleStrip(QString(), ui::strips::companyView, parent)
{
}

void CompanyViewTitleStrip::paintEvent(QPaintEvent *event)
{
    ui::TitleStrip::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);

    // A row of small buildings at the left, the company view's mark.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    const int base = height() - 3;
    const int heights[] = {7, 12, 9, 14, 6};
    int x = 10;
    for (int h : heights) {
        p.drawRect(QRect(x, base - h, 7, h));
        x += 9;
    }
    p.setBrush(QColor(255, 255, 255, 40));
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPoint(width() - 60 - 70 * i, height() / 2), 30, 30);
}

CompanyViewCreditPicture::CompanyViewCreditPicture(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(sizeHint());
    setAccessibleName(QStringLiteral("信用"));
}

void CompanyViewCreditPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(10, 10, -10, -10);
    const double unit = std::min(area.width() / 22.0, area.height() / 15.0);
    const QPointF origin(area.center().x() - 11 * unit, area.center().y() - 7.5 * unit);
    auto at = [&](double x, double y) { return origin + QPointF(x * unit, y * unit); };

    // The ledger.
    const QRectF page(at(1, 1), at(14, 14));
    p.setPen(QPen(QColor(0x8a, 0x99, 0xa8), 1.2));
    p.setBrush(QColor(0xfb, 0xfc, 0xfe));
    p.drawRoundedRect(page, unit * 0.6, unit * 0.6);
    p.setBrush(QColor(0x2f, 0x86, 0xc8));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(at(1, 1), at(14, 3.2)));
    p.setPen(QPen(QColor(0xb8, 0xc4, 0xd0), unit * 0.45, Qt::SolidLine, Qt::RoundCap));
    for (int line = 0; line < 5; ++line) {
        const double y = 5 + line * 1.8;
        p.drawLine(at(3, y), at(line % 2 ? 9 : 12, y));
    }

    // The bars of a rating in the corner of the page.
    p.setPen(Qt::NoPen);
    const QColor bars[] = {QColor(0xe0, 0x5a, 0x47), QColor(0xf4, 0xb9, 0x42), QColor(0x4c, 0xa8, 0x6a)};
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(at(3 + i * 1.6, 13 - (i + 1) * 0.9), QSizeF(unit * 1.1, unit * (i + 1) * 0.9)), bars[i]);

    // The magnifying glass.
    const QPointF lens = at(15, 8);
    p.setPen(QPen(QColor(0x45, 0x4f, 0x5a), unit * 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + QPointF(3.2 * unit, 3.2 * unit), lens + QPointF(6.2 * unit, 6.2 * unit));
    p.setPen(QPen(QColor(0x45, 0x4f, 0x5a), unit * 0.7));
    p.setBrush(QColor(0xcf, 0xe6, 0xf7, 170));
    p.drawEllipse(lens, 4.3 * unit, 4.3 * unit);
    p.setPen(QPen(QColor(255, 255, 255, 210), unit * 0.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath shine;
    shine.arcMoveTo(QRectF(lens - QPointF(3 * unit, 3 * unit), QSizeF(6 * unit, 6 * unit)), 110);
    shine.arcTo(QRectF(lens - QPointF(3 * unit, 3 * unit), QSizeF(6 * unit, 6 * unit)), 110, 60);
    p.setBrush(Qt::NoBrush);
    p.drawPath(shine);
}
