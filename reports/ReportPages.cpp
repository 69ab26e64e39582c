#include "ReportPages.h"

#include "GlyphRow.h"
#include "ReportRows.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>
#include <algorithm>

namespace reports {

namespace {

// The type face of the pages. A PDF file gives its text back (to a search, a
// copy, a screen reader) by mapping each glyph to one character: the first
// of those the font maps to that glyph. Noto Sans CJK gives many common ideographs (户 手 门 页
// …) the glyph of a radical or compatibility character that comes first, so
// their text would read as those. WenQuanYi Micro Hei maps each of its
// ideographs' glyphs from that ideograph alone (its few compatibility
// characters come after theirs), so the text reads as printed. Noto Sans
// CJK SC stands in for what it lacks.
const QStringList &pageFamilies()
{
    static const QStringList families{QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")};
    return families;
}

// Whether a text is a number: a sign, digits with decimal points or group
// commas between them, and an exponent. A number is printed whole or not at all.
bool isNumber(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    const auto digit = [&](qsizetype at) { return at < n && text[at] >= u'0' && text[at] <= u'9'; };
    if (!digit(i))
        return false;
    while (i < n && (digit(i) || ((text[i] == u'.' || text[i] == u',') && digit(i + 1))))
        i += digit(i) ? 1 : 2;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        if (i < n && (text[i] == u'-' || text[i] == u'+'))
            ++i;
        if (!digit(i))
            return false;
        while (digit(i))
            ++i;
    }
    return i == n;
}

} // namespace

ReportPages::RawFont::RawFont(const QFont &from, const QPaintDevice *device)
    : font(QRawFont::fromFont(from, QFontDatabase::SimplifiedChinese))
{
    font.setPixelSize(from.pointSizeF() * device->logicalDpiY() / 72.0);
}

ReportPages::ReportPages(const data::ReportDefinition &definition, const ReportRows &rows, QPaintDevice *device,
                         const QRectF &page, const QString &date)
    : m_definition(definition), m_rows(rows), m_device(device), m_page(page), m_date(date)
{
    const double dotsPerMm = device->logicalDpiX() / 25.4;
    m_font = QFont(pageFamilies());
    m_font.setPointSizeF(definition.fontPt);
    m_bold = m_font;
    m_bold.setBold(true);
    m_titleFont = m_bold;
    m_titleFont.setPointSizeF(definition.fontPt * 1.5);
    m_metrics = std::make_unique<QFontMetricsF>(m_font, device);
    m_titleMetrics = std::make_unique<QFontMetricsF>(m_titleFont, device);
    m_raw = RawFont(m_font, device);
    m_rawBold = RawFont(m_bold, device);
    m_rawTitle = RawFont(m_titleFont, device);
    m_boldMetrics = std::make_unique<QFontMetricsF>(m_bold, device);
    m_lineHeight = m_metrics->lineSpacing();
    m_padding = dotsPerMm * 0.8;
    m_headerHeight = m_titleMetrics->lineSpacing() + 2 * m_padding;
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
    // The captions, the same on every page.
    for (size_t c = 0; c < m_widths.size(); ++c)
        m_captions << m_boldMetrics->elidedText(definition.columns[c].caption, Qt::ElideRight,
                                                m_widths[c] - 2 * m_padding);
    const double body = page.height() - m_headerHeight - m_captionHeight - m_footerHeight;
    m_bodyLines = std::max(1, int((body - 2 * m_padding) / m_lineHeight));
    m_pageStarts.push_back(0);
}

double ReportPages::fittingScale(const QString &text, double width) const
{
    // Sizes and widths are nearly in proportion: a step or two finds the size.
    double scale = 1;
    double wide = m_metrics->horizontalAdvance(text);
    for (int step = 0; step < 8 && wide > width && wide > 0; ++step) {
        scale *= width / wide * 0.995;
        QFont smaller = m_font;
        smaller.setPointSizeF(m_font.pointSizeF() * scale);
        wide = QFontMetricsF(smaller, m_device).horizontalAdvance(text);
    }
    return scale;
}

ReportPages::Cell ReportPages::cellLines(const QString &text, int column, int maxLines) const
{
    const double width = std::max(1.0, m_widths[size_t(column)] - 2 * m_padding);
    const QFontMetricsF &metrics = *m_metrics;
    const bool wraps = m_definition.columns[size_t(column)].overflow == data::Overflow::Wrap;
    QString shown = text;
    if (!wraps)
        shown.replace(u'\n', u' ');
    if (!shown.contains(u'\n')) {
        // Most texts fit, and are measured without being shaped.
        std::optional<double> plain;
        if (m_raw.font.isValid())
            plain = plainWidth(m_raw.font, shown);
        if ((plain ? *plain : metrics.horizontalAdvance(shown)) <= width)
            return {{shown}};
        if (isNumber(shown))
            return {{shown}, fittingScale(shown, width)};
    }
    if (!wraps || maxLines == 1)
        return {{metrics.elidedText(QString(shown).replace(u'\n', u' '), Qt::ElideRight, width)}};

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
        return {kept};
    }
    return {lines};
}

double ReportPages::rowHeight(int row) const
{
    qsizetype lines = 1;
    for (size_t c = 0; c < m_fields.size(); ++c) {
        if (m_fields[c] < 0)
            continue;
        lines = std::max(lines, cellLines(m_rows.text(row, m_fields[c]), int(c), m_bodyLines).lines.size());
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

void ReportPages::put(QPainter &painter, GlyphRow &run, const QFont &font, const QFontMetricsF &metrics,
                      const QString &text, double left, double room, double baseline,
                      data::Alignment alignment) const
{
    const bool outline = m_outlineBold && font.bold();
    if (!outline && run.add(text, left, room, alignment, baseline))
        return;
    // Placed by hand: a drawing in a rectangle lays the text out once more.
    double x = left;
    if (alignment != data::Alignment::Left) {
        const double free = room - metrics.horizontalAdvance(text);
        x += alignment == data::Alignment::Right ? free : free / 2;
    }
    if (outline) {
        // The pages' face has no bold of its own: bold made from it and drawn scaled
        // (a preview) comes out far too heavy as text, right as an outline.
        QPainterPath path;
        path.addText(QPointF(x, baseline), font, text);
        painter.fillPath(path, painter.pen().color());
        return;
    }
    painter.setFont(font);
    painter.drawText(QPointF(x, baseline), text);
}

double ReportPages::baseline(const QFontMetricsF &metrics, double top) const
{
    return top + (m_lineHeight - metrics.height()) / 2 + metrics.ascent();
}

int ReportPages::knownPageCount() const
{
    return m_complete ? int(m_pageStarts.size()) - 1 : 0;
}

void ReportPages::paintLine(QPainter &painter, const QString &line, const QFont &font, const QFontMetricsF &metrics,
                            const RawFont &raw, const QFont &middleFont, const QFontMetricsF &middleMetrics,
                            const RawFont &middleRaw, double bottom, int page)
{
    const data::PageLine parts = data::pageLine(line, m_definition.title, m_date, page + 1, knownPageCount());
    const double left = m_page.left(), room = m_page.width();
    GlyphRow run(raw.font);
    put(painter, run, font, metrics, parts.left, left, room, bottom - metrics.descent(), data::Alignment::Left);
    put(painter, run, font, metrics, parts.right, left, room, bottom - metrics.descent(), data::Alignment::Right);
    run.draw(painter);
    GlyphRow middle(middleRaw.font);
    put(painter, middle, middleFont, middleMetrics, parts.middle, left, room, bottom - middleMetrics.descent(),
        data::Alignment::Center);
    middle.draw(painter);
}

void ReportPages::paintPage(QPainter &painter, int page)
{
    const auto [first, end] = rowsOf(page);
    painter.save();
    painter.setClipRect(m_page);
    painter.setPen(Qt::black);
    // The fonts in the sizes of the device painted on, for what is drawn as
    // text: the page looks the same on a preview scaled to the layout's
    // coordinates as on paper.
    const double toDevice = double(m_device->logicalDpiY()) / painter.device()->logicalDpiY();
    const auto sized = [toDevice](QFont font) {
        font.setPointSizeF(font.pointSizeF() * toDevice);
        return font;
    };
    const QFont font = sized(m_font), bold = sized(m_bold), title = sized(m_titleFont);
    m_outlineBold = painter.device() != m_device;

    // The header: the title in the middle, larger, the other parts beside it.
    paintLine(painter, m_definition.header, font, *m_metrics, m_raw, title, *m_titleMetrics, m_rawTitle,
              m_page.top() + m_headerHeight - m_padding, page);

    const QPen rule(Qt::black, m_padding / 4);
    const QPen grid(QColor(150, 150, 150), m_padding / 6);
    double top = m_page.top() + m_headerHeight;
    const double right = m_lefts.back() + m_widths.back();

    // The captions, on grey.
    painter.fillRect(QRectF(m_page.left(), top, right - m_page.left(), m_captionHeight), QColor(230, 230, 230));
    GlyphRow captions(m_rawBold.font);
    for (size_t c = 0; c < m_lefts.size(); ++c)
        put(painter, captions, bold, *m_boldMetrics, m_captions[c], m_lefts[c] + m_padding,
            m_widths[c] - 2 * m_padding, baseline(*m_boldMetrics, top + m_padding), m_definition.columns[c].alignment);
    captions.draw(painter);
    painter.setPen(rule);
    painter.drawLine(QPointF(m_page.left(), top), QPointF(right, top));
    top += m_captionHeight;
    painter.drawLine(QPointF(m_page.left(), top), QPointF(right, top));

    // The rows, each as tall as its tallest cell, each one run of glyphs.
    const double tableTop = top - m_captionHeight;
    for (int row = first; row < end; ++row) {
        double height = 0;
        std::vector<Cell> cells(m_fields.size());
        for (size_t c = 0; c < m_fields.size(); ++c) {
            if (m_fields[c] >= 0)
                cells[c] = cellLines(m_rows.text(row, m_fields[c]), int(c), m_bodyLines);
            height = std::max(height, double(cells[c].lines.size()) * m_lineHeight);
        }
        height = std::max(height, m_lineHeight) + 2 * m_padding;
        painter.setPen(Qt::black);
        GlyphRow glyphs(m_raw.font);
        for (size_t c = 0; c < m_fields.size(); ++c) {
            double lineTop = top + m_padding;
            const double left = m_lefts[c] + m_padding, room = m_widths[c] - 2 * m_padding;
            const data::Alignment alignment = m_definition.columns[c].alignment;
            if (cells[c].scale < 1) {
                // A number too wide for its column, whole in a smaller size, on the row's baseline.
                QFont smaller = m_font;
                smaller.setPointSizeF(m_font.pointSizeF() * cells[c].scale);
                GlyphRow byHand{QRawFont()};
                put(painter, byHand, sized(smaller), QFontMetricsF(smaller, m_device), cells[c].lines.first(), left,
                    room, baseline(*m_metrics, lineTop), alignment);
                continue;
            }
            for (const QString &line : cells[c].lines) {
                put(painter, glyphs, font, *m_metrics, line, left, room, baseline(*m_metrics, lineTop), alignment);
                lineTop += m_lineHeight;
            }
        }
        glyphs.draw(painter);
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
    paintLine(painter, m_definition.footer, font, *m_metrics, m_raw, font, *m_metrics, m_raw,
              m_page.bottom() - m_footerHeight + m_padding + m_lineHeight, page);
    painter.restore();
}

} // namespace reports
