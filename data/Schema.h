#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace data {

// The tables of both database files as a fresh installation creates them.
struct TableDef {
    QString name;
    QString key;              // empty: the table has no key of its own
    QStringList columns;      // every column but the key, in order
    QStringList wholeNumbers; // columns stored as whole numbers; all others hold text
};

// An index of one column. With the NOCASE collation, the index also serves
// "column like 'text'" where the text starts with no wildcard.
struct IndexDef {
    QString name;
    QString table;
    QString column;
    QString collation; // empty: the column's own
};

const std::vector<TableDef> &mainTables();   // Data/Main_data.db
const std::vector<IndexDef> &mainIndexes();  // of Data/Main_data.db
const std::vector<TableDef> &lookupTables(); // Data/C_data.db, vx1 to vx19
const TableDef *findTable(const QString &name);

// Names and keys of the two database files, relative to the working folder.
struct DatabaseFile {
    const char *relativePath;
    const char *key;
};
inline constexpr DatabaseFile kMainFile{"Data/Main_data.db", "pq4rt7@mzk53d"};
inline constexpr DatabaseFile kLookupFile{"Data/C_data.db", "pq@4rtmzk@w53d"};

inline constexpr int kPickListCount = 19;

} // namespace data
