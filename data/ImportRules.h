#pragma once

#include "FieldTable.h"

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace data {

// What a spreadsheet can bring in, and the rules its rows are held to: those
// of the window that makes a new record of the kind.
struct ImportTarget {
    QString caption; // "客户"
    QString query;   // the standing query of its list
    const RecordDef &(*record)();
    QStringList required;                  // the fields marked * in the new window
    QString rating;                        // the 1-to-5 rating, empty when none
    std::vector<QStringList> sameRecord;   // field sets that, all filled and equal, make a duplicate
    QString companyName;                   // a customer's company, by name...
    QString companyKey;                    // ...and by key, looked up by the import
};
const std::vector<ImportTarget> &importTargets();

// The values of one row, by column; a column that is not there was not in the file.
using RowValues = std::map<QString, QString>;

// The fields a file's column can fill: those the new window types, in its order.
std::vector<const FieldDef *> importableFields(const RecordDef &record);

// The field each heading names, matched as headingKey() compares them, or an
// empty text where none does; a field is matched once, by its first heading.
QStringList matchHeadings(const RecordDef &record, const QStringList &headings);

// The values of a row under a mapping (one column per cell, empty: not taken).
RowValues rowValues(const QStringList &mapping, const QStringList &cells);

// Why a row cannot become a new record as the new window would refuse it: a
// required field empty, a control character its box would not take, too
// many characters, a character its key filter would not let through, a
// rating not 1 to 5. Empty when it passes.
QString refusalOf(const ImportTarget &target, const RowValues &values);

// The text the insert writes into a column: the row's value where the file
// has the column, else what a new window starts with. An empty rating takes
// its starting value too.
QString insertedText(const ImportTarget &target, const RowValues &values, const QString &column);

} // namespace data
