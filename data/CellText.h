#pragma once

#include <QString>
#include <QStringList>

namespace data {

// The text of spreadsheet cells as a user sees them in the program that wrote
// them: numbers without a trailing ".0", date serials as dates.

// Columns of a sheet; a reference beyond the last is no reference.
inline constexpr int kSheetColumns = 16384;
// The column of a cell reference such as "C5" (A is 0); -1 when the text is
// no cell reference.
int referenceColumn(QStringView reference);

// Whole numbers in plain digits ("13800138000"), others the shortest text
// that reads back as the same double ("0.1").
QString numberText(double value);

// What a number format shows: a plain number, a date (with or without a time
// of day), or a time of day only.
enum class DateKind { None, Date, Time };
// The formats built into every workbook (those of a Chinese installation
// included) by their number.
DateKind builtInDateKind(int numFmtId);
// A format of the workbook's own: a date when its code has d, m, y, h or s
// outside quotes and brackets.
DateKind codeDateKind(QStringView code);

// A date serial number (days since the workbook's epoch, the time of day as
// the fraction) as "yyyy-MM-dd" when it is a whole day, else "yyyy-MM-dd
// HH:mm:ss"; a time of day with no day ("HH:mm:ss") for a time format or a
// serial below 1 in the 1900 system, which has no day 0. Seconds are rounded.
// Empty when the number is no date (negative, or past the year 9999).
QString serialDateText(double serial, bool date1904, DateKind kind);

// A date written out in a cell ("2024-01-05T08:30:00") in the form of a date
// serial's text; other text as it is.
QString isoDateText(const QString &text);

// The most characters of a workbook's text that stand for one character
// of a cell: an escape "_xHHHH_".
inline constexpr int kLongestEscape = 7;

// Workbook text with its _xHHHH_ escapes (characters XML cannot carry, such
// as a carriage return) turned back into the characters.
QString unescapedText(QString text);

// Leaves out the empty cells at the end of a row; false when no cell has
// anything but blanks, so that the row is skipped.
bool tidyRow(QStringList &cells);

} // namespace data
