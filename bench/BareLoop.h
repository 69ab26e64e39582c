#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

struct sqlite3;

namespace bench {

struct BareResult {
    int64_t rows = 0;
    int64_t bytes = 0; // every cell's length added up, so no read can be left out
};

// The least a reader can do with a statement: prepare it, step every row and
// fetch every column as text with its length. The yardstick for the model.
BareResult bareLoop(sqlite3 *db, const QByteArray &sqlUtf8);

// One bare loop as a process that has just started meets it: on a connection
// to the file opened just before (not timed), so that nothing of the file is
// decrypted in memory yet. Milliseconds of the loop alone.
double coldBareLoopMs(const QString &path, const QByteArray &key, const QByteArray &sqlUtf8, BareResult &result);

} // namespace bench
