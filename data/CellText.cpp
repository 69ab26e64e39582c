#include "CellText.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QTime>
#include <algorithm>
#include <cmath>

namespace data {

namespace {

constexpr qint64 kSecondsADay = 24 * 60 * 60;

int hexDigit(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// The character of an escape "_xHHHH_" at `at`, or -1.
int escapedChar(const QString &text, qsizetype at)
{
    if (at + 7 > text.size() || text.at(at) != u'_' || text.at(at + 1) != u'x' || text.at(at + 6) != u'_')
        return -1;
    int code = 0;
    for (qsizetype i = at + 2; i < at + 6; ++i) {
        const int digit = hexDigit(text.at(i));
        if (digit < 0)
            return -1;
        code = code * 16 + digit;
    }
    return code;
}

} // namespace

int referenceColumn(QStringView reference)
{
    int column = 0;
    qsizetype letters = 0;
    for (; letters < reference.size(); ++letters) {
        const char16_t c = QChar::toUpper(reference.at(letters).unicode());
        if (c < u'A' || c > u'Z')
            break;
        column = column * 26 + (c - u'A' + 1);
        if (column > kSheetColumns)
            return -1;
    }
    if (letters == 0)
        return -1;
    for (qsizetype i = letters; i < reference.size(); ++i) {
        if (!reference.at(i).isDigit())
            return -1;
    }
    return column - 1;
}

QString numberText(double value)
{
    if (value == 0)
        return QStringLiteral("0"); // and never "-0"
    if (std::trunc(value) == value)
        return QString::number(value, 'f', QLocale::FloatingPointShortest);
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

DateKind builtInDateKind(int id)
{
    if ((id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 31) || id == 36 || (id >= 50 && id <= 54)
        || id == 57 || id == 58)
        return DateKind::Date;
    if ((id >= 18 && id <= 21) || (id >= 32 && id <= 35) || (id >= 45 && id <= 47) || id == 55 || id == 56)
        return DateKind::Time;
    return DateKind::None;
}

DateKind codeDateKind(QStringView code)
{
    bool day = false;   // y or d
    bool month = false; // m: a month, or minutes beside h or s
    bool time = false;  // h or s
    for (qsizetype i = 0; i < code.size(); ++i) {
        const char16_t c = code.at(i).toLower().unicode();
        if (c == u'"') {
            const qsizetype close = code.indexOf(u'"', i + 1);
            i = close < 0 ? code.size() : close;
        } else if (c == u'[') {
            const qsizetype close = code.indexOf(u']', i + 1);
            i = close < 0 ? code.size() : close;
        } else if (c == u'\\' || c == u'_' || c == u'*') {
            ++i; // the next character is shown as it is, or is only a width
        } else if (c == u'y' || c == u'd') {
            day = true;
        } else if (c == u'm') {
            month = true;
        } else if (c == u'h' || c == u's') {
            time = true;
        }
    }
    if (day || (month && !time))
        return DateKind::Date;
    return time ? DateKind::Time : DateKind::None;
}

QString serialDateText(double serial, bool date1904, DateKind kind)
{
    if (!(serial >= 0) || serial > 2958466.0) // NaN fails the first test
        return {};
    const qint64 seconds = std::llround(serial * double(kSecondsADay));
    const qint64 days = seconds / kSecondsADay;
    const QTime time = QTime(0, 0).addSecs(int(seconds % kSecondsADay));
    if (days == 0 && (kind == DateKind::Time || !date1904))
        return time.toString(QStringLiteral("HH:mm:ss"));
    QString date;
    if (date1904)
        date = QDate(1904, 1, 1).addDays(days).toString(QStringLiteral("yyyy-MM-dd"));
    else if (days == 60) // the 29 February 1900 that spreadsheet programs count and the calendar has not
        date = QStringLiteral("1900-02-29");
    else
        date = QDate(1899, 12, days < 60 ? 31 : 30).addDays(days).toString(QStringLiteral("yyyy-MM-dd"));
    if (date.size() != 10) // past the year 9999
        return {};
    if (seconds % kSecondsADay == 0)
        return date;
    return date + u' ' + time.toString(QStringLiteral("HH:mm:ss"));
}

QString isoDateText(const QString &text)
{
    const QDateTime moment = QDateTime::fromString(text, Qt::ISODate);
    if (moment.isValid()) {
        if (moment.time() == QTime(0, 0))
            return moment.date().toString(QStringLiteral("yyyy-MM-dd"));
        return moment.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
    const QDate day = QDate::fromString(text, Qt::ISODate);
    return day.isValid() ? day.toString(QStringLiteral("yyyy-MM-dd")) : text;
}

QString unescapedText(QString text)
{
    qsizetype at = text.indexOf(QStringLiteral("_x"));
    if (at < 0)
        return text;
    // One pass, whatever the number of escapes: a cell may hold thousands.
    QString plain = text.left(at);
    plain.reserve(text.size());
    while (at < text.size()) {
        const int code = escapedChar(text, at);
        if (code >= 0) {
            plain += QChar(char16_t(code));
            at += 7;
        } else {
            plain += text.at(at++);
        }
    }
    return plain;
}

bool tidyRow(QStringList &cells)
{
    while (!cells.isEmpty() && cells.constLast().isEmpty())
        cells.removeLast();
    return std::any_of(cells.cbegin(), cells.cend(), [](const QString &cell) {
        return std::any_of(cell.cbegin(), cell.cend(), [](QChar c) { return !c.isSpace(); });
    });
}

} // namespace data
