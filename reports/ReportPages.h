#pragma once

#include "ReportDefinition.h"

#include <QFont>
#include <QFontMetricsF>
#include <QRawFont>
#include <QStringList>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

class QPainter;

namespace reports {
class GlyphRow;
}
class QPaintDevice;

namespace reports {

class ReportRows;

// A report laid out on pages of one size: on each page the header line, the
// column captions, as many rows as fit, and the footer line with the page
// number and the number of pages. A text longer than its column wraps onto
// further lines of its row or is cut with "…", as its column says; a number
// is never cut nor wrapped: one too wide for its column is printed whole in
// a smaller size. Nothing reaches into a neighbouring column or off the page
// (columns wider than the page together are narrowed in proportion). Pages are laid out in order as
// they are asked for, so the first can be shown before the last is known.
class ReportPages {
public:
    // `page`: the printable area in the device's pixels; `date`: what {date} shows.
    ReportPages(const data::ReportDefinition &definition, const ReportRows &rows, QPaintDevice *device,
                const QRectF &page, const QString &date);

    // Whether page (from 0) exists; lays out the pages before it as needed.
    bool hasPage(int page);
    // Lays out every page.
    int pageCount();
    // Whether every page is laid out, and how many pages are so far.
    bool complete() const { return m_complete; }
    int pagesLaidOut() const { return int(m_pageStarts.size()) - 1; }
    // The rows of a page: the first and one past the last.
    std::pair<int, int> rowsOf(int page);
    // Paints a page in the coordinates of the layout's device, on that device
    // or on any other whose painter is scaled to them (a preview). Until
    // every page is laid out, the number of pages shows as "…".
    void paintPage(QPainter &painter, int page);

private:
    // The lines of one cell as they are printed, at most maxLines, and the
    // size they are printed in, a share of the body font's (1: that size).
    struct Cell {
        QStringList lines;
        double scale = 1;
    };
    Cell cellLines(const QString &text, int column, int maxLines) const;
    // The share of the body font's size at which a text is no wider than `width`.
    double fittingScale(const QString &text, double width) const;
    double rowHeight(int row) const;
    bool layOutNextPage();
    int knownPageCount() const;
    // One line of text in a place of the given width, placed as the column says.
    // Where a line of text in that font sits, in a line starting at top.
    double baseline(const QFontMetricsF &metrics, double top) const;
    // A line of text in a place `room` wide from `left`: into the run when it
    // can go there, else drawn at once in `font`.
    void put(QPainter &painter, GlyphRow &run, const QFont &font, const QFontMetricsF &metrics, const QString &text,
             double left, double room, double baseline, data::Alignment alignment) const;
    // The font of a text at the layout device's size, for glyph runs.
    struct RawFont {
        RawFont() = default;
        RawFont(const QFont &from, const QPaintDevice *device);
        QRawFont font;
    };
    // A header or footer line standing on `bottom`, its middle part in its own font.
    void paintLine(QPainter &painter, const QString &line, const QFont &font, const QFontMetricsF &metrics,
                   const RawFont &raw, const QFont &middleFont, const QFontMetricsF &middleMetrics,
                   const RawFont &middleRaw, double bottom, int page);

    data::ReportDefinition m_definition;
    const ReportRows &m_rows;
    QPaintDevice *m_device;
    QRectF m_page;
    QString m_date;
    QFont m_font;
    QFont m_bold;
    QFont m_titleFont;
    std::unique_ptr<QFontMetricsF> m_metrics;
    std::unique_ptr<QFontMetricsF> m_titleMetrics;
    RawFont m_raw, m_rawBold, m_rawTitle;
    QStringList m_captions; // as they fit their columns
    std::unique_ptr<QFontMetricsF> m_boldMetrics;
    double m_lineHeight = 0;
    double m_padding = 0;
    double m_headerHeight = 0;
    double m_captionHeight = 0;
    double m_footerHeight = 0;
    int m_bodyLines = 1; // the most lines of text one row may take
    std::vector<int> m_fields;   // the data column of each report column
    std::vector<double> m_lefts; // where each column starts
    std::vector<double> m_widths;
    std::vector<int> m_pageStarts; // the first row of each page laid out, and where the next starts
    bool m_complete = false;
    bool m_outlineBold = false; // while painting on another device than the layout's: bold texts as outlines
};

} // namespace reports
