#include "CsvText.h"

#include "PrivateFile.h"

#include <QRegularExpression>

namespace data {

namespace {

bool startsFormula(QChar c)
{
    return c == u'=' || c == u'+' || c == u'-' || c == u'@' || c == u'\t' || c == u'\r';
}

bool isPlainNumber(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+(\\.[0-9]+)?$"));
    return number.match(text).hasMatch();
}

} // namespace

QString defusedCell(const QString &text)
{
    if (text.isEmpty() || isPlainNumber(text))
        return text;
    if (startsFormula(text.front()) || text.front() == u'\'')
        return u'\'' + text;
    return text;
}

QString restoredCell(const QString &text)
{
    if (text.size() >= 2 && text.front() == u'\'' && (startsFormula(text.at(1)) || text.at(1) == u'\''))
        return text.mid(1);
    return text;
}

QString csvField(const QString &plain)
{
    const QString text = defusedCell(plain);
    const bool quoted = text.contains(u',') || text.contains(u'"') || text.contains(u'\n') || text.contains(u'\r')
                        || (!text.isEmpty() && (text.front().isSpace() || text.back().isSpace()));
    if (!quoted)
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}

QByteArray csvLine(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &f : fields)
        quoted << csvField(f);
    return quoted.join(u',').toUtf8() + "\r\n";
}

bool writeCsv(const QString &path, const QStringList &captions, int rows,
              const std::function<QString(int row, int column)> &cell, const std::function<bool(int row)> &progress)
{
    PrivateFileWriter file(path);
    QIODevice &out = file.device();
    out.write("\xEF\xBB\xBF");
    out.write(csvLine(captions));
    QStringList fields;
    for (int row = 0; row < rows; ++row) {
        if (progress && !progress(row))
            return false; // the writer takes away what it wrote
        fields.clear();
        for (int column = 0; column < captions.size(); ++column)
            fields << cell(row, column);
        out.write(csvLine(fields));
    }
    file.commit(); // names the reason of a write that failed on the way
    return true;
}

} // namespace data
