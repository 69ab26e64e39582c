#pragma once

#include "Connection.h"

#include <QString>

struct sqlite3_backup;

namespace data {

// A copy of an open database in a new file under the same key, made through
// the engine's online backup a few pages at a time. Between two steps the
// source is not locked, so that a save, of the program or of anyone else,
// goes through at once instead of waiting for the whole copy. A change made
// meanwhile through another connection starts the copy again from the first
// page (after a few such starts the rest is taken in one step, so that the
// copy ends); one made through the source connection itself is carried into
// the copy as it goes. Either way the finished copy is the source as it
// stood at one moment.
class OnlineCopy {
public:
    // The pages a step copies: a megabyte of the usual page size, a few
    // milliseconds of work.
    static constexpr int kStepPages = 256;
    static constexpr int kRestartsBeforeOneStep = 8;

    // Creates the new file (which must not exist). Throws DbError.
    OnlineCopy(Connection &source, const QString &target, const QByteArray &key);
    ~OnlineCopy();
    OnlineCopy(const OnlineCopy &) = delete;
    OnlineCopy &operator=(const OnlineCopy &) = delete;

    // Copies the next pages; true once the copy is whole and its file
    // closed. Throws DbError, in Chinese, naming the file copied.
    bool step();

    // Pages copied so far and all there are (after a first step).
    int done() const { return m_total - m_remaining; }
    int total() const { return m_total; }
    int restarts() const { return m_restarts; }

private:
    [[noreturn]] void fail(int code);

    QString m_source;
    Connection m_copy;
    sqlite3_backup *m_backup = nullptr;
    int m_total = 0;
    int m_remaining = 0;
    int m_restarts = 0;
    int m_busyTries = 0;
    int m_errno = 0; // of the system, after the engine's last call
};

} // namespace data
