#include "XlsxRead.h"

#include "CellText.h"
#include "SheetMessages.h"
#include "XlsxParts.h"
#include "XmlFeed.h"
#include "ZipReader.h"

#include <cmath>
#include <memory>
#include <optional>
#include <utility>

namespace data {

namespace {

// How much of a wrong value from the file a message quotes.
constexpr qsizetype kQuotedText = 20;

// One cell as the sheet holds it, until its end tag.
struct RawCell {
    int column = 0;
    QString type;  // t: s, inlineStr, str, b, e, d, or n (the default)
    int style = 0; // s: an index into the cell styles
    QString value; // <v>
    QString inlineText;
};

class XlsxRows : public SheetRows {
public:
    XlsxRows(const QString &path, const ReadProgress &progress);
    bool next(QStringList &cells, int &rowNumber) override;
    int permille() const override;

private:
    void startElement();
    void endCell();
    QString cellText(const RawCell &cell) const;
    int number(QStringView text, int smallest, const char *what) const;

    DbError tooLong() const;
    void addCharacters(QStringView text);

    ReadWatch m_watch;
    ZipReader::Allowance m_allowance{kMostUnpacked};
    ZipReader m_zip;
    std::unique_ptr<SharedStrings> m_strings;
    std::vector<DateKind> m_styles;
    bool m_date1904 = false;
    std::unique_ptr<XmlFeed> m_sheet;
    QString m_sheetName;
    bool m_sheetRead = false; // its cells, to the end
    bool m_done = false;      // the shared strings besides

    int m_row = 0; // the number of the row being read, or of the last one
    QStringList m_cells;
    qsizetype m_rowCharacters = 0;
    int m_nextColumn = 0; // where a cell without a reference goes
    RawCell m_cell;
    bool m_inCell = false;
    bool m_inValue = false;
    bool m_inInline = false;
    StringItem m_inlineItem;
};

XlsxRows::XlsxRows(const QString &path, const ReadProgress &progress) : m_watch(progress), m_zip(path, m_allowance)
{
    const auto chunkRead = [this] { m_watch.tell(permille()); };
    m_zip.onChunk(chunkRead);
    const WorkbookParts parts = findWorkbookParts(m_zip);
    m_date1904 = parts.date1904;
    m_strings = std::make_unique<SharedStrings>(path, parts.sharedStrings, m_allowance, chunkRead);
    if (!parts.styles.isEmpty() && m_zip.contains(parts.styles))
        m_styles = readDateStyles(m_zip, parts.styles);
    m_sheetName = parts.sheet;
    m_sheet = std::make_unique<XmlFeed>(m_zip, parts.sheet, kMostUnpacked, [this] { return tooLong(); });
}

// Before the sheet is open, the parts read first count as nothing done.
int XlsxRows::permille() const
{
    if (!m_sheet)
        return 0;
    if (m_done || m_zip.size() == 0)
        return 1000;
    return int(m_zip.done() * 1000 / m_zip.size());
}

// A piece of the sheet longer than any cell may be: most likely a cell's text.
DbError XlsxRows::tooLong() const
{
    return m_inCell ? longCell(m_zip.path(), m_row, m_cell.column) : longCellSomewhere(m_zip.path());
}

// Text of the cell being read, at most a cell's worth (escapes not yet read).
void XlsxRows::addCharacters(QStringView text)
{
    if (m_inValue) {
        m_cell.value += text;
        if (m_cell.value.size() > qsizetype(kLongestCell) * kLongestEscape)
            throw tooLong();
    } else if (m_inInline && !m_inlineItem.characters(text)) {
        throw tooLong();
    }
}

int XlsxRows::number(QStringView text, int smallest, const char *what) const
{
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < smallest)
        throw brokenWorkbook(m_zip.path(), QStringLiteral("%1 中的%2 \"%3\" 无效")
                                               .arg(m_sheetName, QString::fromUtf8(what), text.left(kQuotedText).toString()));
    return n;
}

bool XlsxRows::next(QStringList &cells, int &rowNumber)
{
    while (!m_done) {
        if (m_sheetRead) {
            m_strings->readToEnd();
            m_done = true;
            break;
        }
        switch (m_sheet->next()) {
        case QXmlStreamReader::StartElement:
            startElement();
            break;
        case QXmlStreamReader::Characters:
            addCharacters(m_sheet->text());
            break;
        case QXmlStreamReader::EndElement: {
            const QStringView name = m_sheet->name();
            if (name == u"v") {
                m_inValue = false;
            } else if (name == u"is") {
                m_inInline = false;
                m_cell.inlineText = m_inlineItem.take();
            } else if (m_inInline) {
                m_inlineItem.end(name);
            } else if (name == u"c") {
                endCell();
            } else if (name == u"row") {
                if (!tidyRow(m_cells))
                    break;
                cells = std::exchange(m_cells, QStringList());
                rowNumber = m_row;
                return true;
            } else if (name == u"sheetData") {
                m_sheetRead = true; // what follows (merged ranges, print settings) holds no cells
            }
            break;
        }
        case QXmlStreamReader::EndDocument:
            m_sheetRead = true;
            break;
        default:
            break;
        }
    }
    return false;
}

void XlsxRows::startElement()
{
    const QStringView name = m_sheet->name();
    if (m_inInline) {
        m_inlineItem.start(name);
    } else if (name == u"row") {
        const QStringView r = m_sheet->attribute(u"r");
        m_row = r.isEmpty() ? m_row + 1 : number(r, 1, "行号");
        m_cells.clear();
        m_rowCharacters = 0;
        m_nextColumn = 0;
    } else if (name == u"c") {
        const QStringView r = m_sheet->attribute(u"r");
        const int column = r.isEmpty() ? m_nextColumn : referenceColumn(r);
        if (column < 0 || column >= kSheetColumns)
            throw brokenWorkbook(m_zip.path(), QStringLiteral("%1 中的单元格位置 \"%2\" 无效")
                                                   .arg(m_sheetName, r.left(kQuotedText).toString()));
        const QStringView style = m_sheet->attribute(u"s");
        m_cell = RawCell{column, m_sheet->attribute(u"t").toString(),
                         style.isEmpty() ? 0 : number(style, 0, "样式"), {}, {}};
        m_inCell = true;
    } else if (m_inCell && name == u"v") {
        m_inValue = true;
    } else if (m_inCell && name == u"is") {
        m_inInline = true;
    }
}

void XlsxRows::endCell()
{
    m_inCell = false;
    m_nextColumn = m_cell.column + 1;
    QString text = cellText(m_cell);
    if (text.size() > kLongestCell)
        throw longCell(m_zip.path(), m_row, m_cell.column);
    m_rowCharacters += text.size();
    if (m_rowCharacters > kLongestRow)
        throw longRow(m_zip.path(), m_row);
    if (m_cell.column < m_cells.size()) {
        m_cells[m_cell.column] = std::move(text);
    } else if (!text.isEmpty()) { // a styled empty cell far to the right adds nothing
        while (m_cells.size() < m_cell.column)
            m_cells << QString();
        m_cells << std::move(text);
    }
}

QString XlsxRows::cellText(const RawCell &cell) const
{
    const QString &type = cell.type;
    if (type == u"s") {
        if (cell.value.isEmpty())
            return {};
        bool ok = false;
        const qsizetype index = cell.value.trimmed().toLongLong(&ok);
        const std::optional<QString> text = ok ? m_strings->at(index) : std::nullopt;
        if (!text)
            throw brokenWorkbook(m_zip.path(), QStringLiteral("%1 引用了不存在的共享字符串 %2")
                                                   .arg(m_sheetName, cell.value.left(kQuotedText)));
        return *text;
    }
    if (type == u"inlineStr" || (cell.value.isEmpty() && !cell.inlineText.isEmpty()))
        return cell.inlineText;
    if (type == u"str")
        return unescapedText(cell.value);
    if (type == u"e")
        return cell.value;
    if (type == u"b") {
        if (cell.value.isEmpty())
            return {};
        return cell.value == u"1" || cell.value == u"true" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    }
    if (type == u"d")
        return isoDateText(cell.value);
    if (cell.value.isEmpty())
        return {};
    bool ok = false;
    const double value = cell.value.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return cell.value;
    const DateKind kind = size_t(cell.style) < m_styles.size() ? m_styles[size_t(cell.style)] : DateKind::None;
    if (kind != DateKind::None) {
        const QString date = serialDateText(value, m_date1904, kind);
        if (!date.isEmpty())
            return date;
    }
    return numberText(value);
}

} // namespace

std::unique_ptr<SheetRows> openWorkbook(const QString &path, const ReadProgress &progress)
{
    return std::make_unique<XlsxRows>(path, progress);
}

} // namespace data
