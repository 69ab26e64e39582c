#pragma once

#include "DbError.h"

#include <QString>

namespace data {

// What the user is told of a spreadsheet file that cannot be read. Each names
// the file as the user chose it.

QString sheetFileName(const QString &path);
// A file that is missing or that the system will not open for us.
DbError unopenedSheet(const QString &path, const QString &why);
// A zip that is no sound workbook; `why` (may be empty) says what is wrong.
DbError brokenWorkbook(const QString &path, const QString &why = {});
DbError passwordProtectedWorkbook(const QString &path);
DbError oldWorkbookFormat(const QString &path);
DbError unknownTextEncoding(const QString &path);
// A quoted field of a text file that is still open at the end of the file.
DbError unclosedQuote(const QString &path, int line);

} // namespace data
