#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>
#include <vector>

namespace data {

// What the program knows about the columns of one record, in one place: the
// windows take their captions, limits and key filters from it, the insert
// its parameters, the search its conditions and the detail view what it
// copies. A column the schema does not know is a failing test.

// The keys a typed field takes (the windows map it to their key filter).
enum class Entry {
    Any,      // every key
    Name,     // no blank, no digit
    NoSpace,  // no blank
    Digits,   // 0 to 9 only
    LowerWeb, // a to z, 0 to 9 and the field's extra keys
};

// How a window holds the column.
enum class Input {
    Line,    // a one-line box
    Memo,    // a multi-line box
    Choice,  // a drop-down or a set of buttons
    Hidden,  // a field the window sets itself (a key)
};

struct FieldDef {
    QString column;
    QString caption;       // as the windows name the field
    Input input = Input::Line;
    Entry entry = Entry::Any;
    int newLimit = 0;      // characters the new window takes; 0: any length
    int editLimit = 0;     // characters the edit window takes; 0: any length
    QString initial;       // what a new window starts with
    QString parameter;     // the insert's parameter (":a"); empty when not inserted
    int searchOrder = 0;   // place among the search conditions, from 1; 0 when not searched
    bool mirrored = true;  // copied from the list into the detail view
    QString extraKeys;     // for LowerWeb: the other keys it takes
};

// A captioned place of a window holding one or more columns: a single box, a
// telephone line (area code, number and maybe extension) or, on a view, one
// value joined from several columns by fixed texts.
struct Shown {
    QString caption;     // empty: the caption of the first column's field
    QStringList columns;
    QStringList between; // on a view: the texts between the columns
    int width = 0;       // on a form: the width of a single box; 0: what the line leaves
};

struct RecordDef {
    QString table;
    QString key;
    std::vector<FieldDef> fields; // in the order of the form
    QString columnsEnd = QStringLiteral(")"); // how the insert's column list closes, as it always has
    // The form's supplementary part line by line, and the values of the
    // detail page that shows it. A new column usually goes here: it is then
    // typed in both windows and shown on the details without further code.
    std::vector<std::vector<Shown>> moreLines;
    std::vector<Shown> detailValues;
    QString valuesGap = QStringLiteral(" "); // what stands between the column list and "values"
    // The inserted columns in the order the insert names them, where the
    // order of their parameters cannot say it (parameters named after their
    // columns); empty: in the order of their parameters.
    QStringList insertOrder;
};

const RecordDef &customerRecord(); // atc1
const RecordDef &companyRecord();  // atc2
const RecordDef &memoRecord();     // vtv3
const RecordDef &activityRecord(); // vtv1
const RecordDef &analysisRecord(); // vtv2
const RecordDef &productRecord();  // vtv4
const RecordDef &employeeRecord(); // utm1

// The field of a column; nullptr when the record has none.
const FieldDef *findField(const RecordDef &record, const QString &column);
// The columns with a parameter, in the order of their parameters (or the record's insert order).
QStringList insertedColumns(const RecordDef &record);
// "insert into T (c1,c2,...) values (:a,:b,...)": the inserted columns in
// the order of their parameters (or the record's insert order), the list
// closed by columnsEnd and followed by valuesGap.
QString insertStatement(const RecordDef &record);
// The insert's parameters, each with the text textOf gives for its column.
std::vector<std::pair<QString, QString>> insertParameters(const RecordDef &record,
                                                          const std::function<QString(const QString &column)> &textOf);
// The searched columns, in the order of their conditions.
QStringList searchedColumns(const RecordDef &record);
// The columns the detail view copies, the key first.
QStringList mirroredColumns(const RecordDef &record);
// The field of a column that the record must have: a misspelt column is a
// programming error, reported with its name (std::logic_error).
const FieldDef &field(const RecordDef &record, const QString &column);
// The caption of a shown place: its own, or that of its first column's field.
QString captionOf(const RecordDef &record, const Shown &shown);
// The value of a shown place: the texts of its columns with the fixed texts between them.
QString joinedValue(const Shown &shown, const std::function<QString(const QString &column)> &textOf);
// Columns the record names that its table does not have.
QStringList unknownColumns(const RecordDef &record);

} // namespace data
