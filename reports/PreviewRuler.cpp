#include "PreviewRuler.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace reports {

namespace {

// The least room between two ticks, and beside a number, in pixels.
constexpr double kTickRoom = 3;
constexpr double kNumberRoom = 4;

// The finest step (in mm) from `steps` whose marks stand at least `room` pixels apart.
int stepFor(double pixelsPerMm, double room, std::initializer_list<int> steps)
{
    for (int step : steps) {
        if (step * pixelsPerMm >= room)
            return step;
    }
    return 0;
}

} // namespace

PreviewRuler::PreviewRuler(Qt::Orientation orientation, QWidget *sheet, QWidget *parent)
    : QWidget(parent), m_orientation(orientation), m_sheet(sheet)
{
    setAccessibleName(horizontal() ? QStringLiteral("水平标尺") : QStringLiteral("垂直标尺"));
    setSizePolicy(horizontal() ? QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed)
                               : QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding));
    QFont small = font();
    small.setPointSizeF(7);
    setFont(small);
    // The sheet moves within what holds it as it grows, and what holds it
    // moves as the page area scrolls.
    m_sheet->installEventFilter(this);
    if (QWidget *holder = m_sheet->parentWidget())
        holder->installEventFilter(this);
}

void PreviewRuler::setScale(double lengthMm, double pixelsPerMm)
{
    m_lengthMm = lengthMm;
    m_pixelsPerMm = pixelsPerMm;
    update();
}

QSize PreviewRuler::sizeHint() const
{
    return horizontal() ? QSize(100, Thickness) : QSize(Thickness, 100);
}

double PreviewRuler::origin() const
{
    const QWidget *top = window();
    const QPoint corner = m_sheet->mapTo(top, QPoint()) - mapTo(top, QPoint());
    return horizontal() ? corner.x() : corner.y();
}

double PreviewRuler::position(double mm) const
{
    return origin() + mm * m_pixelsPerMm;
}

bool PreviewRuler::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        update();
    return QWidget::eventFilter(watched, event);
}

void PreviewRuler::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const double start = origin();
    const double length = horizontal() ? width() : height();
    const double across = horizontal() ? height() : width();
    painter.fillRect(rect(), palette().window());
    const QRectF paper = horizontal() ? QRectF(start, 0, m_lengthMm * m_pixelsPerMm, across)
                                      : QRectF(0, start, across, m_lengthMm * m_pixelsPerMm);
    painter.fillRect(paper, Qt::white);

    // The marks stand on the edge next to the page.
    const auto tick = [&](double at, double size) {
        const double x = std::floor(at) + 0.5;
        if (horizontal())
            painter.drawLine(QPointF(x, across - size), QPointF(x, across));
        else
            painter.drawLine(QPointF(across - size, x), QPointF(across, x));
    };
    const QFontMetricsF metrics(font());
    const double numberLength = horizontal() ? metrics.horizontalAdvance(QStringLiteral("00")) : metrics.height();
    const int tickStep = stepFor(m_pixelsPerMm, kTickRoom, {1, 5, 10});
    const int numberStep = stepFor(m_pixelsPerMm, numberLength + kNumberRoom, {10, 20, 50, 100});
    if (tickStep == 0)
        return;

    painter.setPen(palette().color(QPalette::WindowText));
    const int first = std::max(0, int(std::ceil(-start / m_pixelsPerMm)));
    const int last = std::min(int(std::floor(m_lengthMm)), int(std::floor((length - start) / m_pixelsPerMm)));
    for (int mm = first - first % tickStep; mm <= last; mm += tickStep) {
        if (mm < first)
            continue;
        const double at = start + mm * m_pixelsPerMm;
        tick(at, mm % 10 == 0 ? across * 0.5 : mm % 5 == 0 ? across * 0.35 : across * 0.2);
        if (numberStep == 0 || mm % numberStep != 0)
            continue;
        const QString number = QString::number(mm / 10);
        if (horizontal())
            painter.drawText(QPointF(at + 2, metrics.ascent() + 1), number);
        else
            painter.drawText(QPointF(2, at + 1 + metrics.ascent()), number);
    }
}

} // namespace reports
