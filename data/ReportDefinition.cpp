#include "ReportDefinition.h"

#include <QSet>
#include <QStringList>

namespace data {

namespace {

const char *const kAlignments[] = {"left", "center", "right"};
const char *const kOverflows[] = {"wrap", "cut"};

template <typename Enum, size_t N>
Enum parseWord(const QString &word, const char *const (&words)[N], const QString &file, int line, const char *what)
{
    for (size_t i = 0; i < N; ++i) {
        if (word == QLatin1String(words[i]))
            return Enum(i);
    }
    QStringList allowed;
    for (const char *w : words)
        allowed << QString::fromLatin1(w);
    throw ReportFormatError(file, line, QStringLiteral("%1 \"%2\" is none of %3")
                                            .arg(QString::fromLatin1(what), word, allowed.join(QStringLiteral(", "))));
}

double parseNumber(const QString &text, double least, double most, const QString &file, int line, const char *what)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || value < least || value > most)
        throw ReportFormatError(file, line, QStringLiteral("%1 \"%2\" is no number from %3 to %4")
                                                .arg(QString::fromLatin1(what), text)
                                                .arg(least)
                                                .arg(most));
    return value;
}

ReportColumn parseColumn(const QString &value, const QString &file, int line)
{
    const QStringList parts = value.split(u'|');
    if (parts.size() != 5)
        throw ReportFormatError(file, line,
                                QStringLiteral("a column has five parts: field | caption | width | alignment | overflow"));
    ReportColumn column;
    column.field = parts[0].trimmed();
    if (column.field.isEmpty())
        throw ReportFormatError(file, line, QStringLiteral("a column names its field"));
    column.caption = parts[1].trimmed();
    column.widthMm = parseNumber(parts[2].trimmed(), 1, 1000, file, line, "width");
    column.alignment = parseWord<Alignment>(parts[3].trimmed(), kAlignments, file, line, "alignment");
    column.overflow = parseWord<Overflow>(parts[4].trimmed(), kOverflows, file, line, "overflow");
    return column;
}

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

ReportFormatError::ReportFormatError(const QString &file, int line, const QString &reason)
    : std::runtime_error(QStringLiteral("%1, line %2: %3").arg(file).arg(line).arg(reason).toStdString()),
      m_file(file), m_line(line), m_reason(reason)
{
}

QString ReportFormatError::message() const
{
    return QString::fromStdString(what());
}

ReportDefinition parseReportDefinition(const QString &text, const QString &file)
{
    ReportDefinition definition;
    QSet<QString> seen;
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const int line = i + 1;
        QString content = lines[i];
        if (content.endsWith(u'\r'))
            content.chop(1);
        if (line == 1 && content.startsWith(QChar(0xFEFF)))
            content.remove(0, 1); // a byte-order mark an editor may have written
        if (content.trimmed().isEmpty() || content.trimmed().startsWith(u'#'))
            continue;
        const qsizetype colon = content.indexOf(u':');
        if (colon < 0)
            throw ReportFormatError(file, line, QStringLiteral("expected \"key: value\""));
        const QString key = content.left(colon).trimmed();
        const QString value = content.mid(colon + 1).trimmed();
        if (key != QLatin1String("column")) {
            if (seen.contains(key))
                throw ReportFormatError(file, line, QStringLiteral("%1 is given twice").arg(key));
            seen.insert(key);
        }
        if (key == QLatin1String("title"))
            definition.title = value;
        else if (key == QLatin1String("data"))
            definition.data = value;
        else if (key == QLatin1String("orientation"))
            definition.landscape = parseWord<int>(value, {"portrait", "landscape"}, file, line, "orientation") == 1;
        else if (key == QLatin1String("font"))
            definition.fontPt = parseNumber(value, 4, 72, file, line, "font");
        else if (key == QLatin1String("header"))
            definition.header = value;
        else if (key == QLatin1String("footer"))
            definition.footer = value;
        else if (key == QLatin1String("column"))
            definition.columns.push_back(parseColumn(value, file, line));
        else
            throw ReportFormatError(file, line, QStringLiteral("unknown key \"%1\"").arg(key));
    }
    const int end = int(lines.size());
    if (definition.title.isEmpty())
        throw ReportFormatError(file, end, QStringLiteral("the report has no title"));
    if (definition.data.isEmpty())
        throw ReportFormatError(file, end, QStringLiteral("the report names no data"));
    if (definition.columns.empty())
        throw ReportFormatError(file, end, QStringLiteral("the report has no column"));
    return definition;
}

QString reportDefinitionText(const ReportDefinition &definition)
{
    QStringList lines;
    lines << QStringLiteral("# %1: lines \"key: value\"; \"#\" starts a comment.").arg(definition.title)
          << QStringLiteral("# header and footer: left | middle | right, with {title}, {date}, {page} and {pages}.")
          << QStringLiteral("# column: field | caption | width in mm | left, center or right | wrap or cut.")
          << QStringLiteral("title: ") + definition.title << QStringLiteral("data: ") + definition.data
          << QStringLiteral("orientation: ") + QString::fromLatin1(definition.landscape ? "landscape" : "portrait")
          << QStringLiteral("font: ") + number(definition.fontPt);
    if (!definition.header.isEmpty())
        lines << QStringLiteral("header: ") + definition.header;
    if (!definition.footer.isEmpty())
        lines << QStringLiteral("footer: ") + definition.footer;
    for (const ReportColumn &c : definition.columns)
        lines << QStringLiteral("column: %1 | %2 | %3 | %4 | %5")
                     .arg(c.field, c.caption, number(c.widthMm), QString::fromLatin1(kAlignments[int(c.alignment)]),
                          QString::fromLatin1(kOverflows[int(c.overflow)]));
    return lines.join(u'\n') + u'\n';
}

PageLine pageLine(const QString &line, const QString &title, const QString &date, int page, int pages)
{
    const auto fill = [&](QString part) {
        return part.trimmed()
            .replace(QStringLiteral("{title}"), title)
            .replace(QStringLiteral("{date}"), date)
            .replace(QStringLiteral("{page}"), QString::number(page))
            .replace(QStringLiteral("{pages}"), pages > 0 ? QString::number(pages) : QStringLiteral("…"));
    };
    const QStringList parts = line.split(u'|');
    return {fill(parts.value(0)), fill(parts.value(1)), fill(parts.value(2))};
}

} // namespace data
