#pragma once

#include "DbError.h"

#include <QString>

class QFile;

namespace data {

// What the user is told of a spreadsheet file that cannot be read. Each names
// the file as the user chose it.

QString sheetFileName(const QString &path);
// Why the system would not open or read a file, in the user's words.
QString fileReason(const QFile &file);
// A file that is missing or that the system will not open for us.
DbError unopenedSheet(const QString &path, const QString &why);
// A zip that is no sound workbook; `why` (may be empty) says what is wrong.
DbError brokenWorkbook(const QString &path, const QString &why = {});
DbError passwordProtectedWorkbook(const QString &path);
DbError oldWorkbookFormat(const QString &path);
DbError unknownTextEncoding(const QString &path);
// A quoted field of a text file that is still open at the end of the file.
DbError unclosedQuote(const QString &path, int line);

// Files past the bounds of reading (SheetRead.h). A row of 0 is one not known.
DbError longCell(const QString &path, int row, int column);
DbError longCellSomewhere(const QString &path);
DbError longRow(const QString &path, int row);
DbError wideRow(const QString &path, int row);
DbError manySharedStrings(const QString &path);
// A workbook that unpacks to more than `bound` bytes, or a part of it that does.
DbError largeWorkbook(const QString &path, qint64 bound, const QString &part = {});
// A column as a spreadsheet program heads it: A for 0, AA for 26.
QString columnLetters(int column);

} // namespace data
