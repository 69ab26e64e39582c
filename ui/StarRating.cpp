#include "StarRating.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace ui {

namespace {

const QColor kGold(0xFF, 0xC0, 0x00);
const QColor kGoldEdge(0xC8, 0x8A, 0x00);
const QColor kEmptyFill(0xF4, 0xF4, 0xF4);
const QColor kEmptyEdge(0xA0, 0xA0, 0xA0);

// Ratio of the inner to the outer radius of a regular five-pointed star.
constexpr double kInnerRatio = 0.381966;
// A star with its top point up is 1.809 outer radii high and 1.902 wide.
constexpr double kStarWidth = 1.902113;
constexpr double kStarHeight = 1.809017;

// A five-pointed star, point up, centred in the square cell.
QPolygonF star(const QRectF &cell)
{
    const double margin = cell.width() * 0.06;
    const double outer = (cell.width() - 2 * margin) / std::max(kStarWidth, kStarHeight);
    const double inner = outer * kInnerRatio;
    // Move the centre down so the star's bounding box, not its centre, sits in the middle.
    const QPointF centre(cell.center().x(), cell.center().y() + outer * (1.0 - kStarHeight / 2));
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        points << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return points;
}

// The strip as an accessibility client reads it: the rating as its name
// and as a value from 0 to 5; what is rated belongs to the group box around it.
class StarRatingAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit StarRatingAccessible(StarRating *strip) : QAccessibleWidget(strip, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return strip()->spokenRating();
        case QAccessible::Value:
            return QString::number(strip()->stars());
        default:
            return QAccessibleWidget::text(t);
        }
    }
    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QVariant currentValue() const override { return strip()->stars(); }
    void setCurrentValue(const QVariant &) override {} // read-only
    QVariant maximumValue() const override { return StarRating::MaxStars; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    StarRating *strip() const { return static_cast<StarRating *>(widget()); }
};

QAccessibleInterface *starRatingAccessible(const QString &, QObject *object)
{
    if (auto *strip = qobject_cast<StarRating *>(object))
        return new StarRatingAccessible(strip);
    return nullptr;
}

} // namespace

StarRating::StarRating(QWidget *parent)
    : QWidget(parent)
{
    QAccessible::installFactory(starRatingAccessible); // once; a second call changes nothing
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleDescription(QStringLiteral("0/%1").arg(MaxStars));
}

void StarRating::setRating(const QString &digit)
{
    const bool rating = digit.size() == 1 && digit[0] >= u'1' && digit[0] <= QChar(u'0' + MaxStars);
    const int stars = rating ? digit[0].unicode() - u'0' : 0;
    if (stars == m_stars)
        return;
    m_stars = stars;
    setAccessibleDescription(QStringLiteral("%1/%2").arg(m_stars).arg(MaxStars));
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent named(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
        QAccessibleValueChangeEvent changed(this, m_stars);
        QAccessible::updateAccessibility(&changed);
    }
}

QString StarRating::spokenRating() const
{
    return QStringLiteral("%1 星").arg(m_stars);
}

QSize StarRating::sizeHint() const
{
    return QSize(MaxStars * StarSize, StarSize);
}

QSize StarRating::minimumSizeHint() const
{
    return sizeHint();
}

void StarRating::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double cell = std::min<double>(height(), double(width()) / MaxStars);
    const double top = (height() - cell) / 2;
    for (int i = 0; i < MaxStars; ++i) {
        const bool gold = i < m_stars;
        painter.setPen(QPen(gold ? kGoldEdge : kEmptyEdge, 1.0));
        painter.setBrush(gold ? kGold : kEmptyFill);
        painter.drawPolygon(star(QRectF(i * cell, top, cell, cell)));
    }
}

} // namespace ui
