#include "WrappedValue.h"

#include "FieldLink.h"

#include <QHelpEvent>
#include <QPainter>
#include <QTextDocument>
#include <QTextLayout>
#include <QtMath>
#include <QToolTip>
#include <algorithm>

namespace ui {

namespace {

// The value as a layout takes it: a line break of the value starts a new
// line. The text keeps its length, so that places in it stay the same.
QString laidText(QString text)
{
    text.replace(u'\n', QChar::LineSeparator);
    text.replace(u'\r', u' ');
    return text;
}

// Lays text out at `width` pixels, `lines` lines at most, one below the
// other; true when text is left over.
bool layOut(QTextLayout &layout, int width, int lines, Qt::Alignment alignment)
{
    QTextOption option(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    bool more = false;
    qreal y = 0;
    layout.beginLayout();
    for (int n = 0;; ++n) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(std::max(width, 1));
        if (n == lines) {
            more = true;
            break;
        }
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    return more;
}

} // namespace

WrappedValue::WrappedValue(QWidget *parent, int width, int lines, const QString &description)
    : QLabel(parent), m_width(width), m_lines(std::max(lines, 1))
{
    setTextFormat(Qt::PlainText);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    if (!description.isEmpty())
        setAccessibleDescription(description);
}

void WrappedValue::bind(data::StandingQuery *query, const QString &field)
{
    new FieldLink(this, query, field, [this](const QString &value, bool) { setText(value); });
}

bool WrappedValue::isCut() const
{
    QTextLayout layout(laidText(text()), font());
    return layOut(layout, contentsRect().width(), m_lines, alignment());
}

QSize WrappedValue::sizeHint() const
{
    QTextLayout layout(laidText(text()), font());
    layOut(layout, m_width, m_lines, alignment());
    // A value of one line is as wide as its text; a wrapped one takes the whole width.
    const int textWidth = layout.lineCount() == 1 ? qCeil(layout.lineAt(0).naturalTextWidth()) : m_width;
    const QMargins margins = contentsMargins();
    const int width = std::min(textWidth, m_width) + margins.left() + margins.right();
    return {width, heightForWidth(width)};
}

QSize WrappedValue::minimumSizeHint() const
{
    return sizeHint();
}

int WrappedValue::heightForWidth(int width) const
{
    const QMargins margins = contentsMargins();
    QTextLayout layout(laidText(text()), font());
    layOut(layout, width - margins.left() - margins.right(), m_lines, alignment());
    qreal height = 0;
    for (int i = 0; i < std::min(layout.lineCount(), m_lines); ++i)
        height += layout.lineAt(i).height();
    // An empty value is one line high, as any other label.
    return std::max(qCeil(height), fontMetrics().height()) + margins.top() + margins.bottom();
}

bool WrappedValue::event(QEvent *event)
{
    // The whole value is the hint of a cut one, shown as it is.
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        if (isCut())
            QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), Qt::convertFromPlainText(text()), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void WrappedValue::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    drawFrame(&p);
    const QRect area = contentsRect();
    const QString laid = laidText(text());
    QTextLayout layout(laid, font());
    const bool more = layOut(layout, area.width(), m_lines, alignment());
    const int shown = std::min(layout.lineCount(), m_lines);
    if (shown == 0)
        return;
    const QTextLine last = layout.lineAt(shown - 1);
    const qreal height = last.y() + last.height();
    QPointF origin = area.topLeft();
    if (alignment() & Qt::AlignVCenter)
        origin.ry() += (area.height() - height) / 2;
    else if (alignment() & Qt::AlignBottom)
        origin.ry() += area.height() - height;

    p.setPen(palette().color(foregroundRole()));
    for (int i = 0; i < shown; ++i) {
        const QTextLine line = layout.lineAt(i);
        if (i < shown - 1 || !more) {
            line.draw(&p, origin);
            continue;
        }
        // The last line shown ends in "…": what is left of the value, on one
        // line, cut to the width (more characters than pixels never fit).
        QString rest = laid.mid(line.textStart(), area.width() + 1);
        rest.replace(QChar::LineSeparator, u' ');
        const QString cut = fontMetrics().elidedText(rest, Qt::ElideRight, area.width());
        const QRectF place(origin.x(), origin.y() + line.y(), area.width(), line.height());
        p.drawText(place, int(alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, cut);
    }
}

} // namespace ui
