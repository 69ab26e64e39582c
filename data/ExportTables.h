#pragma once

#include "FieldTable.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace data {

class StandingQuery;

// The tables a user can take to a spreadsheet, each read from the standing
// query its list shows, in the order the export offers them.
struct ExportTable {
    QString caption;    // "客户"
    QString query;      // "atc1_all"
    const RecordDef &(*record)();
};
const std::vector<ExportTable> &exportTables();

// One column of an export: where the query holds it, the caption it goes
// out under, and whether its values are numbers.
struct ExportColumn {
    int queryColumn = -1;
    QString caption;
    bool numeric = false;
};

// The key ("编号") and every column the record has a field for, in the
// order of its form, under the captions the windows use.
std::vector<ExportColumn> exportColumns(const StandingQuery &query, const RecordDef &record);

// A window's caption as a column heading: the runs of blanks that set its
// characters apart on a form are dropped, a single blank between two words
// stays ("电  话 区号" becomes "电话 区号").
QString headingOf(const QString &caption);
// What two headings are compared by when a file is read back: no blanks at
// all, letters folded ("电话区号" and "电 话  区号" match, "e-mail" matches "E-mail").
QString headingKey(const QString &heading);

// Writes the rows the query holds at this moment to `path`: a workbook when
// the name ends in .xlsx, comma-separated text otherwise. `progress` hears of
// each row; false stops the export and leaves no file. Returns false when
// stopped; throws DbError when the file cannot be written.
bool exportRows(const StandingQuery &query, const ExportTable &table, const QString &path,
                const std::function<bool(int row)> &progress = {});

} // namespace data
