#include "GlyphRow.h"

#include <QGlyphRun>
#include <QPainter>

namespace reports {

namespace {

// Whether every character stands for itself, one glyph after the other:
// no mark to combine and no script whose letters join or reorder.
bool needsNoShaping(const QString &text)
{
    for (const QChar c : text) {
        if (c.isMark() || c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return false;
        switch (c.script()) {
        case QChar::Script_Common:
        case QChar::Script_Inherited:
        case QChar::Script_Latin:
        case QChar::Script_Greek:
        case QChar::Script_Cyrillic:
        case QChar::Script_Han:
        case QChar::Script_Hiragana:
        case QChar::Script_Katakana:
        case QChar::Script_Bopomofo:
            break;
        default:
            return false;
        }
    }
    return true;
}

// The glyphs of a text and their advances; false when it is not for a run.
bool plainGlyphs(const QRawFont &font, const QString &text, QList<quint32> &glyphs, QList<QPointF> &advances)
{
    if (!needsNoShaping(text))
        return false;
    glyphs = font.glyphIndexesForString(text);
    if (glyphs.contains(0u))
        return false;
    advances = font.advancesForGlyphIndexes(glyphs);
    return true;
}

} // namespace

std::optional<double> plainWidth(const QRawFont &font, const QString &text)
{
    QList<quint32> glyphs;
    QList<QPointF> advances;
    if (!plainGlyphs(font, text, glyphs, advances))
        return std::nullopt;
    double width = 0;
    for (const QPointF &a : advances)
        width += a.x();
    return width;
}

bool GlyphRow::add(const QString &text, double left, double room, data::Alignment alignment, double baseline)
{
    if (text.isEmpty())
        return true;
    if (!m_font.isValid())
        return false;
    QList<quint32> glyphs;
    QList<QPointF> advances;
    if (!plainGlyphs(m_font, text, glyphs, advances))
        return false;
    double width = 0;
    for (const QPointF &a : advances)
        width += a.x();
    // Measured apart from shaping, a text may come out a hair wider than the
    // room it was fitted to: then it is drawn the usual way, not over the edge.
    if (width > room + 0.5)
        return false;
    double x = left;
    if (alignment != data::Alignment::Left)
        x += alignment == data::Alignment::Right ? room - width : (room - width) / 2;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        m_glyphs << glyphs[i];
        m_positions << QPointF(x, baseline);
        x += advances[i].x();
    }
    return true;
}

void GlyphRow::draw(QPainter &painter)
{
    if (m_glyphs.isEmpty())
        return;
    QGlyphRun run;
    run.setRawFont(m_font);
    run.setGlyphIndexes(m_glyphs);
    run.setPositions(m_positions);
    painter.drawGlyphRun(QPointF(), run);
    m_glyphs.clear();
    m_positions.clear();
}

} // namespace reports
