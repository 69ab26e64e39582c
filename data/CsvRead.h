#pragma once

#include "SheetRead.h"

namespace data {

// The records of a text file of rows (comma-, tab- or semicolon-separated,
// quoted as spreadsheet programs quote) in UTF-8, UTF-16 or GB18030. The
// encoding is decided by one pass over the file before the first row; a file
// in none of them throws DbError then.
std::unique_ptr<SheetRows> openCsv(const QString &path, const ReadProgress &progress = {});

} // namespace data
