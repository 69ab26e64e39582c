#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace data {

struct IndexDef;
struct TableDef;

// Small pure functions that build the SQL texts of the program. User text
// never becomes SQL syntax: it is either a bound parameter or goes through
// quoted() / containsCondition().

// 'text' with every quote doubled. A text that holds a NUL character, which
// would end the statement there, is given as its UTF-8 bytes instead:
// cast(x'...' as text).
QString quoted(const QString &text);
// The condition that column contains text, in the way "like" compares: the
// letters A-Z and a-z match either case, every other character only itself.
// "column like '%text%' escape '\'" where that pattern can say it (a quote,
// "%", "_" and the escape character typed by the user match themselves); a text
// with a NUL character (where the engine's patterns end) or one whose pattern
// would pass the engine's length limit for patterns is tested with
// "instr(lower(column), lower(text)) > 0", which gives the same rows.
QString containsCondition(const QString &column, const QString &text);
// "select * from T where c1 like '%v1%' escape '\' and c2 like ... order by X":
// every condition (containsCondition()) is present, empty texts included, in
// the order given.
QString searchStatement(const QString &table, const std::vector<std::pair<QString, QString>> &conditions,
                        const QString &orderBy);

// The longest pattern, in UTF-8 bytes, that the engine takes after "like"
// (its built-in default).
inline constexpr qsizetype kLikePatternLimit = 50000;

QString createTable(const TableDef &table);
QString createIndex(const IndexDef &index); // "CREATE INDEX IF NOT EXISTS name ON table (column COLLATE c)"
QString insertRow(const QString &table, const QStringList &columns);                        // named parameters :column
QString updateRow(const QString &table, const QStringList &columns, const QString &key);   // ... where key=:key
QString selectRow(const QString &table, const QString &key);                                // where key=:key
QString deleteRow(const QString &table, const QString &key);                                // where key=:key

} // namespace data
