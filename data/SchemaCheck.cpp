#include "SchemaCheck.h"

#include "Connection.h"
#include "DbError.h"
#include "SqlText.h"
#include "Statement.h"

#include <QHash>
#include <sqlite3.h>

namespace data {

namespace {

struct Entry {
    QString type;
    QString name;
    QString table;
    QString sql;
};

// Every table, index, view and trigger of a file, by name without regard to case.
template <typename Step> QHash<QString, Entry> entriesOf(Step &&next)
{
    QHash<QString, Entry> entries;
    Entry e;
    while (next(e))
        entries.insert(e.name.toLower(), e);
    return entries;
}

const QString kSelectEntries = QStringLiteral("select type, name, tbl_name, sql from sqlite_master");

// What a fresh installation's file holds: made by the same statements in a
// database that lives in memory only.
QHash<QString, Entry> expectedEntries(const std::vector<TableDef> &tables, const QStringList &later)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw DbError(QStringLiteral("内存不足"), SQLITE_NOMEM);
    }
    QStringList statements;
    for (const TableDef &table : tables)
        statements << createTable(table);
    statements << later;
    for (const QString &sql : statements) {
        if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            sqlite3_close(db);
            throw DbError(QStringLiteral("数据库出错"), SQLITE_ERROR);
        }
    }
    sqlite3_stmt *select = nullptr;
    sqlite3_prepare_v2(db, kSelectEntries.toUtf8().constData(), -1, &select, nullptr);
    const auto text = [select](int column) {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(select, column)));
    };
    QHash<QString, Entry> entries = entriesOf([&](Entry &e) {
        if (sqlite3_step(select) != SQLITE_ROW)
            return false;
        e = {text(0), text(1), text(2), text(3)};
        return true;
    });
    sqlite3_finalize(select);
    sqlite3_close(db);
    return entries;
}

QString kindOf(const QString &type)
{
    if (type == QLatin1String("table"))
        return QStringLiteral("表");
    if (type == QLatin1String("index"))
        return QStringLiteral("索引");
    if (type == QLatin1String("view"))
        return QStringLiteral("视图");
    if (type == QLatin1String("trigger"))
        return QStringLiteral("触发器");
    return QStringLiteral("对象");
}

} // namespace

QString schemaDifference(Connection &file, const std::vector<TableDef> &tables, const QStringList &later)
{
    const QHash<QString, Entry> expected = expectedEntries(tables, later);
    Statement select(file, kSelectEntries);
    const QHash<QString, Entry> present = entriesOf([&](Entry &e) {
        if (!select.step())
            return false;
        e = {select.text(0), select.text(1), select.text(2), select.text(3)};
        return true;
    });
    // The tables first, in the order they are made, so that the first fault
    // named is the same whatever order the file keeps.
    for (const TableDef &table : tables) {
        const auto it = present.find(table.name.toLower());
        if (it == present.end() || it->type != QLatin1String("table"))
            return QStringLiteral("缺少表 %1").arg(table.name);
    }
    QStringList names = present.keys();
    names.sort();
    for (const QString &name : names) {
        const Entry &e = present[name];
        const auto it = expected.find(name);
        // Whatever is not ours: its names are the file's, not shown.
        if (it == expected.end() || it->type != e.type)
            return QStringLiteral("含有本系统没有的%1").arg(kindOf(e.type));
        if (it->sql != e.sql)
            return QStringLiteral("中的%1 %2 与本系统的不同").arg(kindOf(e.type), it->name);
    }
    return {};
}

} // namespace data
