#include "ReportDefinition.h"

#include <QSet>
#include <QStringDecoder>
#include <QStringList>
#include <cmath>

namespace data {

namespace {

const char *const kAlignments[] = {"left", "center", "right"};
const char *const kOverflows[] = {"wrap", "cut"};
const char *const kOrientations[] = {"portrait", "landscape"};

// A piece of the file quoted in a message: what the line holds, shortened.
QString quoted(const QString &text)
{
    constexpr int kShown = 20;
    const QString shown = text.size() > kShown ? text.left(kShown) + QStringLiteral("…") : text;
    return QStringLiteral("“%1”").arg(shown);
}

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
    throw ReportFormatError(file, line, QStringLiteral("%1%2不是 %3 之一")
                                            .arg(QString::fromUtf8(what), quoted(word), allowed.join(QStringLiteral("、"))));
}

double parseNumber(const QString &text, double least, double most, const QString &file, int line, const char *what)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    // Written so that "nan", which compares false with everything, is refused too.
    if (!ok || !(value >= least && value <= most))
        throw ReportFormatError(file, line, QStringLiteral("%1%2不是 %3 到 %4 之间的数")
                                                .arg(QString::fromUtf8(what), quoted(text))
                                                .arg(least)
                                                .arg(most));
    return value;
}

ReportColumn parseColumn(const QString &value, const QString &file, int line)
{
    const QStringList parts = value.split(u'|');
    if (parts.size() != 5)
        throw ReportFormatError(file, line, QStringLiteral("一列由五部分组成:字段 | 标题 | 宽度 | 对齐 | 超长时"));
    ReportColumn column;
    column.field = parts[0].trimmed();
    if (column.field.isEmpty())
        throw ReportFormatError(file, line, QStringLiteral("这一列没有写字段"));
    column.caption = parts[1].trimmed();
    column.widthMm = parseNumber(parts[2].trimmed(), 1, 1000, file, line, "宽度");
    column.alignment = parseWord<Alignment>(parts[3].trimmed(), kAlignments, file, line, "对齐方式");
    column.overflow = parseWord<Overflow>(parts[4].trimmed(), kOverflows, file, line, "超长时的处理");
    return column;
}

// Whether a line holds a character no text file has: a control character
// other than a tab (the line ends are gone by now).
bool hasControl(const QString &line)
{
    for (const QChar c : line) {
        if ((c.category() == QChar::Other_Control && c != u'\t') || c == QChar(0xFFFE) || c == QChar(0xFFFF))
            return true;
    }
    return false;
}

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

ReportFormatError::ReportFormatError(const QString &file, int line, const QString &reason)
    : std::runtime_error((line > 0 ? QStringLiteral("%1 第 %2 行:%3").arg(file).arg(line).arg(reason)
                                   : QStringLiteral("%1:%2").arg(file, reason))
                             .toStdString()),
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
        if (hasControl(content))
            throw ReportFormatError(file, line, QStringLiteral("含有控制字符,这不是报表定义的文本"));
        if (content.trimmed().isEmpty() || content.trimmed().startsWith(u'#'))
            continue;
        const qsizetype colon = content.indexOf(u':');
        if (colon < 0)
            throw ReportFormatError(file, line, QStringLiteral("应写作“键: 值”"));
        const QString key = content.left(colon).trimmed();
        const QString value = content.mid(colon + 1).trimmed();
        if (key != QLatin1String("column")) {
            if (seen.contains(key))
                throw ReportFormatError(file, line, QStringLiteral("%1写了两次").arg(quoted(key)));
            seen.insert(key);
        }
        if (key == QLatin1String("title"))
            definition.title = value;
        else if (key == QLatin1String("data"))
            definition.data = value;
        else if (key == QLatin1String("orientation"))
            definition.landscape = parseWord<int>(value, kOrientations, file, line, "方向") == 1;
        else if (key == QLatin1String("font"))
            definition.fontPt = parseNumber(value, 4, 72, file, line, "字号");
        else if (key == QLatin1String("header"))
            definition.header = value;
        else if (key == QLatin1String("footer"))
            definition.footer = value;
        else if (key == QLatin1String("column"))
            definition.columns.push_back(parseColumn(value, file, line));
        else
            throw ReportFormatError(file, line, QStringLiteral("没有%1这一项").arg(quoted(key)));
    }
    const int end = int(lines.size());
    if (definition.title.isEmpty())
        throw ReportFormatError(file, end, QStringLiteral("报表没有标题(title)"));
    if (definition.data.isEmpty())
        throw ReportFormatError(file, end, QStringLiteral("报表没有写数据(data)"));
    if (definition.columns.empty())
        throw ReportFormatError(file, end, QStringLiteral("报表没有列(column)"));
    return definition;
}

ReportDefinition parseReportDefinitionFile(const QByteArray &bytes, const QString &file)
{
    if (bytes.size() > kReportDefinitionMaxBytes)
        throw ReportFormatError(file, 0, QStringLiteral("文件大于 %1 KB,不是报表定义").arg(kReportDefinitionMaxBytes / 1024));
    // Line by line, so that a message names the first line that is no UTF-8 text.
    QString text;
    int line = 0;
    for (const QByteArray &bytesOfLine : bytes.split('\n')) {
        ++line;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = utf8(bytesOfLine);
        if (utf8.hasError())
            throw ReportFormatError(file, line, QStringLiteral("不是 UTF-8 编码的文本,这不是报表定义"));
        if (line > 1)
            text += u'\n';
        text += decoded;
    }
    return parseReportDefinition(text, file);
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
