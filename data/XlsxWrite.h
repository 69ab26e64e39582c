#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace data {

// One table as an Excel workbook (.xlsx) of one sheet: the captions in bold
// as the first row, which stays in view while the rows scroll, then `rows`
// rows of captions.size() cells, each asked of `cell`. A cell of a column
// marked in `numeric` is written as a number when its text is one, every
// other cell as the text it is (dates stay in their stored form). Columns
// are as wide as their longest text, within reason.
//
// `progress` hears of each row before it is written; answering false stops
// the export. The file appears whole or not at all (what had the name stays
// until a finished file replaces it) and is the user's alone. Returns false
// when stopped; throws DbError when the file cannot be written, when there
// are more rows than a sheet holds (before any is asked for), or when a
// cell holds more than a workbook cell can (32,767 characters): then the
// message names the row and the column, and nothing is written. Nothing of
// the rows passes through the system's temporary folder: the pieces of the
// workbook are made in a private folder beside the file (WorkFolder).
bool writeXlsx(const QString &path, const QString &sheetName, const QStringList &captions,
               const std::vector<bool> &numeric, int rows, const std::function<QString(int row, int column)> &cell,
               const std::function<bool(int row)> &progress = {});

// The most characters (UTF-16 units) a workbook cell takes.
inline constexpr int kXlsxCellLimit = 32767;
// The most rows a sheet holds below its caption row (1,048,576 in all).
inline constexpr int kXlsxRows = 1048575;

} // namespace data
