#pragma once

#include "ReportDefinition.h"

#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <optional>

class QPainter;

namespace reports {

// How wide a text is in a font, when it needs no shaping: its glyphs'
// advances added up. Nothing when it needs shaping or the font lacks a glyph.
std::optional<double> plainWidth(const QRawFont &font, const QString &text);

// The texts of one printed row gathered into a single run of glyphs, each
// placed by the font's own advances. A long report is mostly such rows:
// drawn this way a row is one text object on the page, and its texts are not
// shaped again for every cell. A text that needs shaping (marks, scripts
// that join or reorder) or a glyph the font lacks is left to the caller,
// who draws it the usual way.
class GlyphRow {
public:
    explicit GlyphRow(const QRawFont &font) : m_font(font) {}

    // Adds a line of text in a place `room` wide from `left`, on `baseline`,
    // placed as the alignment says. False when it is not one for a run.
    bool add(const QString &text, double left, double room, data::Alignment alignment, double baseline);
    // Draws what was added in the painter's pen, and starts afresh.
    void draw(QPainter &painter);

private:
    QRawFont m_font;
    QList<quint32> m_glyphs;
    QList<QPointF> m_positions;
};

} // namespace reports
