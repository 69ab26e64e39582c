#include "CsvRead.h"

#include "CellText.h"
#include "CsvText.h"
#include "SheetMessages.h"
#include "TextEncoding.h"

#include <QFile>
#include <algorithm>
#include <utility>

namespace data {

namespace {

constexpr qint64 kChunk = 1 << 16;
// How far into the file the separator of the first record is looked for.
constexpr qsizetype kSeparatorSearch = 1 << 20;

bool isLineEnd(QChar c)
{
    return c == u'\n' || c == u'\r';
}

class CsvRows : public SheetRows {
public:
    CsvRows(const QString &path, const DetectedEncoding &encoding, const ReadProgress &progress);
    bool next(QStringList &cells, int &rowNumber) override;
    int permille() const override;

private:
    bool fill();
    bool atEnd();
    QChar take();
    void endLine(QChar c);
    QChar findSeparator();
    bool readRecord(QStringList &fields, int &firstLine);
    void endField(QStringList &fields, QString &field, int firstLine, qsizetype &rowCharacters) const;

    QString m_path;
    ReadWatch m_watch;
    QFile m_file;
    TextDecoder m_decoder;
    QString m_text; // decoded and not yet read
    qsizetype m_at = 0;
    bool m_fileDone = false;
    qint64 m_size = 0;
    QChar m_separator;
    int m_line = 1;
};

CsvRows::CsvRows(const QString &path, const DetectedEncoding &encoding, const ReadProgress &progress)
    : m_path(path), m_watch(progress), m_file(path), m_decoder(encoding.encoding)
{
    if (!m_file.open(QIODevice::ReadOnly) || !m_file.seek(encoding.markSize))
        throw unopenedSheet(path, fileReason(m_file));
    m_size = m_file.size();
    m_separator = findSeparator();
}

int CsvRows::permille() const
{
    if (m_size <= 0 || (m_fileDone && m_at == m_text.size()))
        return 1000;
    return int(qMin(m_file.pos(), m_size) * 1000 / m_size);
}

// Decodes the next chunk behind what is still unread; false at the end of the file.
bool CsvRows::fill()
{
    while (!m_fileDone) {
        const QByteArray bytes = m_file.read(kChunk);
        m_watch.tell(permille());
        if (bytes.isEmpty()) {
            if (m_file.error() != QFileDevice::NoError)
                throw unopenedSheet(m_path, fileReason(m_file));
            m_fileDone = true;
            break;
        }
        const QString text = m_decoder.decode(bytes);
        if (m_decoder.hasError())
            throw unknownTextEncoding(m_path);
        if (text.isEmpty())
            continue;
        m_text.remove(0, m_at);
        m_at = 0;
        m_text += text;
        return true;
    }
    return false;
}

bool CsvRows::atEnd()
{
    return m_at == m_text.size() && !fill();
}

QChar CsvRows::take()
{
    return m_text.at(m_at++);
}

// Counts the line that `c` (CR or LF) ends, taking the LF of a CR LF with it.
void CsvRows::endLine(QChar c)
{
    if (c == u'\r' && !atEnd() && m_text.at(m_at) == u'\n')
        ++m_at;
    ++m_line;
}

// Comma, unless the first record has none outside quotes but a tab or a
// semicolon (what spreadsheet programs write as "Unicode text", and in
// some countries as CSV).
QChar CsvRows::findSeparator()
{
    bool quoted = false;
    bool tab = false;
    bool semicolon = false;
    for (qsizetype i = m_at; i < kSeparatorSearch; ++i) {
        if (i == m_text.size() && !fill())
            break;
        const QChar c = m_text.at(i);
        if (c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u',')
            return c;
        else if (isLineEnd(c))
            break;
        tab |= c == u'\t';
        semicolon |= c == u';';
    }
    return tab ? QChar(u'\t') : semicolon ? QChar(u';') : QChar(u',');
}

// A field read to its end goes into the record, unless it is longer than
// any cell may be or the record grows past the bounds of a row.
void CsvRows::endField(QStringList &fields, QString &field, int firstLine, qsizetype &rowCharacters) const
{
    QString cell = restoredCell(std::exchange(field, QString()));
    if (cell.size() > kLongestCell)
        throw longCell(m_path, firstLine, int(fields.size()));
    if (fields.size() >= kSheetColumns)
        throw wideRow(m_path, firstLine);
    rowCharacters += cell.size();
    if (rowCharacters > kLongestRow)
        throw longRow(m_path, firstLine);
    fields << std::move(cell);
}

bool CsvRows::readRecord(QStringList &fields, int &firstLine)
{
    enum class State { FieldStart, Plain, Quoted, QuoteInQuoted };
    State state = State::FieldStart;
    QString field;
    int quoteLine = 0;
    qsizetype rowCharacters = 0;
    firstLine = m_line;
    if (atEnd())
        return false;
    while (!atEnd()) {
        // A field is given up as soon as it is longer than a cell may be (an
        // apostrophe before a formula not counted).
        if (field.size() > kLongestCell + 1)
            throw longCell(m_path, firstLine, int(fields.size()));
        const QChar c = take();
        switch (state) {
        case State::Quoted:
            if (c == u'"') {
                state = State::QuoteInQuoted;
            } else {
                field += c;
                if (isLineEnd(c)) {
                    if (c == u'\r' && !atEnd() && m_text.at(m_at) == u'\n')
                        field += take();
                    ++m_line;
                }
            }
            continue;
        case State::QuoteInQuoted:
            if (c == u'"') { // a doubled quote stands for one
                field += c;
                state = State::Quoted;
                continue;
            }
            break;
        case State::FieldStart:
            if (c == u'"') {
                state = State::Quoted;
                quoteLine = m_line;
                continue;
            }
            break;
        case State::Plain:
            break;
        }
        // Outside quotes.
        if (c == m_separator) {
            endField(fields, field, firstLine, rowCharacters);
            state = State::FieldStart;
        } else if (isLineEnd(c)) {
            endLine(c);
            endField(fields, field, firstLine, rowCharacters);
            return true;
        } else {
            field += c; // text after a closing quote is kept as it stands
            state = State::Plain;
        }
    }
    if (state == State::Quoted)
        throw unclosedQuote(m_path, quoteLine);
    endField(fields, field, firstLine, rowCharacters);
    return true;
}

bool CsvRows::next(QStringList &cells, int &rowNumber)
{
    QStringList fields;
    int line = 0;
    while (readRecord(fields, line)) {
        if (tidyRow(fields)) {
            cells = std::move(fields);
            rowNumber = line;
            return true;
        }
        fields.clear();
    }
    return false;
}

} // namespace

std::unique_ptr<SheetRows> openCsv(const QString &path, const ReadProgress &progress)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw unopenedSheet(path, fileReason(file));
    // The pass that tells the encoding reads the file whole: its progress is told too.
    const ReadWatch watch(progress);
    const qint64 size = std::max<qint64>(file.size(), 1);
    const std::optional<DetectedEncoding> encoding =
        detectEncoding(file, [&] { watch.tell(int(std::min(file.pos(), size) * 1000 / size)); });
    if (file.error() != QFileDevice::NoError)
        throw unopenedSheet(path, fileReason(file));
    if (!encoding)
        throw unknownTextEncoding(path);
    return std::make_unique<CsvRows>(path, *encoding, progress);
}

} // namespace data
