#include "ReportPages.h"

#include "ReportRows.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace reports {

ReportPages::ReportPages(const data::ReportDefinition &definition, const ReportRows &rows, QPaintDevice *device,
                         const QRectF &page, const QString &date)
    : m_definition(definition), m_rows(rows), m_device(device), m_page(page), m_date(date)
{
    const double dotsPerMm = device->logicalDpiX() / 25.4;
    m_font = QFont(QStringLiteral("Noto Sans CJK SC"));
    m_font.setPointSizeF(definition.fontPt);
    m_bold = m_font;
    m_bold.setBold(true);
    m_titleFont = m_bold;
    m_titleFont.setPointSizeF(definition.fontPt * 1.5);
    m_metrics = std::make_unique<QFontMetricsF>(m_font, device);
    m_boldMetrics = std::make_unique<QFontMetricsF>(m_bold, device);
    m_lineHeight = m_metrics->lineSpacing();
    m_padding = dotsPerMm * 0.8;
    m_headerHeight = QFontMetricsF(m_titleFont, device).lineSpacing() + 2 * m_padding;
    m_captionHeight = m_lineHeight + 2 * m_padding;
    m_footerHeight = m_lineHeight + 2 * m_padding;

    double total = 0;
    for (const data::ReportColumn &c : definition.columns)
        total += c.widthMm * dotsPerMm;
    const double scale = total > page.width() ? page.width() / total : 1.0;
    double left = page.left();
    for (const data::ReportColumn &c : definition.columns) {
        m_fields.push_back(rows.column(c.field));
        m_lefts.push_back(left);
        m_widths.push_back(c.widthMm * dotsPerMm * scale);
        left += m_widths.back();
    }
    const double body = page.height() - m_headerHeight - m_captionHeight - m_footerHeight;
    m_bodyLines = std::max(1, int((body - 2 * m_padding) / m_lineHeight));
    m_pageStarts.push_back(0);
}

QStringList ReportPages::cellLines(const QString &text, int column, int maxLines) const
{
    const double width = std::max(1.0, m_widths[size_t(column)] - 2 * m_padding);
    const QFontMetricsF &metrics = *m_metrics;
    const bool wraps = m_definition.columns[size_t(column)].overflow == data::Overflow::Wrap;
    QString shown = text;
    if (!wraps)
        shown.replace(u'\n', u' ');
    if (!shown.contains(u'\n') && metrics.horizontalAdvance(shown) <= width)
        return {shown};
    if (!wraps || maxLines == 1)
        return {metrics.elidedText(QString(shown).replace(u'\n', u' '), Qt::ElideRight, width)};

    shown.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(shown, m_font, m_device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << shown.mid(line.textStart(), line.textLength()).remove(QChar::LineSeparator);
    }
    layout.endLayout();
    if (lines.size() > maxLines) {
        // A row taller than a page keeps what fits; the cut is marked.
        QStringList kept = lines.mid(0, maxLines);
        kept.last() = metrics.elidedText(kept.last() + QStringLiteral("……"), Qt::ElideRight, width);
        return kept;
    }
    return lines;
}

double ReportPages::rowHeight(int row) const
{
    qsizetype lines = 1;
    for (size_t c = 0; c < m_fields.size(); ++c) {
        if (m_fields[c] < 0)
            continue;
        lines = std::max(lines, cellLines(m_rows.text(row, m_fields[c]), int(c), m_bodyLines).size());
    }
    return double(lines) * m_lineHeight + 2 * m_padding;
}

bool ReportPages::layOutNextPage()
{
    if (m_complete)
        return false;
    const int first = m_pageStarts.back();
    const int count = m_rows.count();
    const double room = m_page.height() - m_headerHeight - m_captionHeight - m_footerHeight;
    double used = 0;
    int row = first;
    while (row < count) {
        const double height = rowHeight(row);
        if (used + height > room && row > first)
            break;
        used += height;
        ++row;
    }
    m_pageStarts.push_back(row);
    if (row >= count)
        m_complete = true;
    return true;
}

bool ReportPages::hasPage(int page)
{
    while (int(m_pageStarts.size()) - 1 <= page && layOutNextPage()) {
    }
    return page >= 0 && page < int(m_pageStarts.size()) - 1;
}

int ReportPages::pageCount()
{
    while (layOutNextPage()) {
    }
    return int(m_pageStarts.size()) - 1;
}

std::pair<int, int> ReportPages::rowsOf(int page)
{
    if (!hasPage(page))
        return {0, 0};
    return {m_pageStarts[size_t(page)], m_pageStarts[size_t(page) + 1]};
}

void ReportPages::drawInPlace(QPainter &painter, const QString &text, const QFontMetricsF &metrics, double left,
                              double width, double top, data::Alignment alignment) const
{
    // Placed by hand: a drawing in a rectangle lays the text out once more.
    double x = left;
    if (alignment != data::Alignment::Left) {
        const double room = width - metrics.horizontalAdvance(text);
        x += alignment == data::Alignment::Right ? room : room / 2;
    }
    painter.drawText(QPointF(x, top + (m_lineHeight - metrics.height()) / 2 + metrics.ascent()), text);
}

int ReportPages::knownPageCount() const
{
    return m_complete ? int(m_pageStarts.size()) - 1 : 0;
}

void ReportPages::paintLine(QPainter &painter, const QString &line, double top, int page)
{
    const data::PageLine parts = data::pageLine(line, m_definition.title, m_date, page + 1, knownPageCount());
    const QRectF place(m_page.left(), top, m_page.width(), m_lineHeight);
    painter.drawText(place, Qt::AlignLeft | Qt::AlignVCenter, parts.left);
    painter.drawText(place, Qt::AlignHCenter | Qt::AlignVCenter, parts.middle);
    painter.drawText(place, Qt::AlignRight | Qt::AlignVCenter, parts.right);
}

void ReportPages::paintPage(QPainter &painter, int page)
{
    const auto [first, end] = rowsOf(page);
    painter.save();
    painter.setClipRect(m_page);
    // The fonts in the sizes of the device painted on: the page looks the
    // same on a preview scaled to the layout's coordinates as on paper.
    const double toDevice = double(m_device->logicalDpiY()) / painter.device()->logicalDpiY();
    const auto sized = [toDevice](QFont font) {
        font.setPointSizeF(font.pointSizeF() * toDevice);
        return font;
    };
    const QFont font = sized(m_font), bold = sized(m_bold);

    // The header: the title in the middle, larger, the other parts beside it.
    const data::PageLine header =
        data::pageLine(m_definition.header, m_definition.title, m_date, page + 1, knownPageCount());
    const QRectF headerPlace(m_page.left(), m_page.top(), m_page.width(), m_headerHeight - m_padding);
    painter.setFont(font);
    painter.drawText(headerPlace, Qt::AlignLeft | Qt::AlignBottom, header.left);
    painter.drawText(headerPlace, Qt::AlignRight | Qt::AlignBottom, header.right);
    painter.setFont(sized(m_titleFont));
    painter.drawText(headerPlace, Qt::AlignHCenter | Qt::AlignBottom, header.middle);

    const QPen rule(Qt::black, m_padding / 4);
    const QPen grid(QColor(150, 150, 150), m_padding / 6);
    double top = m_page.top() + m_headerHeight;
    const double right = m_lefts.back() + m_widths.back();

    // The captions, on grey.
    painter.setFont(bold);
    painter.fillRect(QRectF(m_page.left(), top, right - m_page.left(), m_captionHeight), QColor(230, 230, 230));
    for (size_t c = 0; c < m_lefts.size(); ++c) {
        const double width = m_widths[c] - 2 * m_padding;
        const QString caption = m_boldMetrics->elidedText(m_definition.columns[c].caption, Qt::ElideRight, width);
        drawInPlace(painter, caption, *m_boldMetrics, m_lefts[c] + m_padding, width, top + m_padding,
                    m_definition.columns[c].alignment);
    }
    painter.setPen(rule);
    painter.drawLine(QPointF(m_page.left(), top), QPointF(right, top));
    top += m_captionHeight;
    painter.drawLine(QPointF(m_page.left(), top), QPointF(right, top));

    // The rows, each as tall as its tallest cell.
    painter.setFont(font);
    const double tableTop = top - m_captionHeight;
    for (int row = first; row < end; ++row) {
        double height = 0;
        std::vector<QStringList> cells(m_fields.size());
        for (size_t c = 0; c < m_fields.size(); ++c) {
            if (m_fields[c] >= 0)
                cells[c] = cellLines(m_rows.text(row, m_fields[c]), int(c), m_bodyLines);
            height = std::max(height, double(cells[c].size()) * m_lineHeight);
        }
        height = std::max(height, m_lineHeight) + 2 * m_padding;
        painter.setPen(Qt::black);
        for (size_t c = 0; c < m_fields.size(); ++c) {
            double lineTop = top + m_padding;
            for (const QString &line : cells[c]) {
                drawInPlace(painter, line, *m_metrics, m_lefts[c] + m_padding, m_widths[c] - 2 * m_padding, lineTop,
                            m_definition.columns[c].alignment);
                lineTop += m_lineHeight;
            }
        }
        top += height;
        painter.setPen(grid);
        painter.drawLine(QPointF(m_page.left(), top), QPointF(right, top));
    }
    painter.setPen(grid);
    for (size_t c = 0; c <= m_lefts.size(); ++c) {
        const double x = c < m_lefts.size() ? m_lefts[c] : right;
        painter.drawLine(QPointF(x, tableTop), QPointF(x, top));
    }

    painter.setPen(Qt::black);
    paintLine(painter, m_definition.footer, m_page.bottom() - m_footerHeight + m_padding, page);
    painter.restore();
}

} // namespace reports
