#include "CsvRead.h"

#include "CellText.h"
#include "CsvText.h"
#include "SheetMessages.h"
#include "TextEncoding.h"

#include <QFile>
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
    CsvRows(const QString &path, const DetectedEncoding &encoding);
    bool next(QStringList &cells, int &rowNumber) override;
    int permille() const override;

private:
    bool fill();
    bool atEnd();
    QChar take();
    void endLine(QChar c);
    QChar findSeparator();
    bool readRecord(QStringList &fields, int &firstLine);

    QString m_path;
    QFile m_file;
    TextDecoder m_decoder;
    QString m_text; // decoded and not yet read
    qsizetype m_at = 0;
    bool m_fileDone = false;
    qint64 m_size = 0;
    QChar m_separator;
    int m_line = 1;
};

CsvRows::CsvRows(const QString &path, const DetectedEncoding &encoding)
    : m_path(path), m_file(path), m_decoder(encoding.encoding)
{
    if (!m_file.open(QIODevice::ReadOnly) || !m_file.seek(encoding.markSize))
        throw unopenedSheet(path, m_file.errorString());
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
        if (bytes.isEmpty()) {
            if (m_file.error() != QFileDevice::NoError)
                throw unopenedSheet(m_path, m_file.errorString());
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

bool CsvRows::readRecord(QStringList &fields, int &firstLine)
{
    enum class State { FieldStart, Plain, Quoted, QuoteInQuoted };
    State state = State::FieldStart;
    QString field;
    int quoteLine = 0;
    firstLine = m_line;
    if (atEnd())
        return false;
    while (!atEnd()) {
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
            fields << restoredCell(std::exchange(field, QString()));
            state = State::FieldStart;
        } else if (isLineEnd(c)) {
            endLine(c);
            fields << restoredCell(field);
            return true;
        } else {
            field += c; // text after a closing quote is kept as it stands
            state = State::Plain;
        }
    }
    if (state == State::Quoted)
        throw unclosedQuote(m_path, quoteLine);
    fields << restoredCell(field);
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

std::unique_ptr<SheetRows> openCsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw unopenedSheet(path, file.errorString());
    const std::optional<DetectedEncoding> encoding = detectEncoding(file);
    if (file.error() != QFileDevice::NoError)
        throw unopenedSheet(path, file.errorString());
    if (!encoding)
        throw unknownTextEncoding(path);
    return std::make_unique<CsvRows>(path, *encoding);
}

} // namespace data
