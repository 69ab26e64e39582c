#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace data {

struct TableDef;

// Small pure functions that build the SQL texts of the program. User text
// never becomes SQL syntax: it is either a bound parameter or goes through
// quoted() / likeContains().

// 'text' with every quote doubled.
QString quoted(const QString &text);
// A substring pattern: '%text%' escape '\', where a quote, "%", "_" and the
// escape character typed by the user match themselves.
QString likeContains(const QString &text);
// "select * from T where c1 like '%v1%' escape '\' and c2 like ... order by X":
// every condition is present, empty texts included, in the order given.
QString searchStatement(const QString &table, const std::vector<std::pair<QString, QString>> &conditions,
                        const QString &orderBy);

QString createTable(const TableDef &table);
QString insertRow(const QString &table, const QStringList &columns);                        // named parameters :column
QString updateRow(const QString &table, const QStringList &columns, const QString &key);   // ... where key=:key
QString selectRow(const QString &table, const QString &key);                                // where key=:key
QString deleteRow(const QString &table, const QString &key);                                // where key=:key

} // namespace data
