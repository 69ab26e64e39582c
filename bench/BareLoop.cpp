#include "BareLoop.h"

#include "Measure.h"

#include "Connection.h"
#include "DbError.h"

#include <sqlite3.h>

namespace bench {

BareResult bareLoop(sqlite3 *db, const QByteArray &sqlUtf8)
{
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sqlUtf8.constData(), int(sqlUtf8.size()), &stmt, nullptr) != SQLITE_OK)
        throw data::DbError(QString::fromUtf8(sqlite3_errmsg(db)));
    BareResult result;
    const int columns = sqlite3_column_count(stmt);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        ++result.rows;
        for (int c = 0; c < columns; ++c) {
            sqlite3_column_text(stmt, c);
            result.bytes += sqlite3_column_bytes(stmt, c);
        }
    }
    sqlite3_finalize(stmt);
    if (rc != SQLITE_DONE)
        throw data::DbError(QString::fromUtf8(sqlite3_errmsg(db)));
    return result;
}

double coldBareLoopMs(const QString &path, const QByteArray &key, const QByteArray &sqlUtf8, BareResult &result)
{
    data::Connection connection = data::Connection::open(path, key);
    return timeMs([&] { result = bareLoop(connection.handle(), sqlUtf8); });
}

} // namespace bench
