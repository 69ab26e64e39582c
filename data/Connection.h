#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

struct sqlite3;

namespace data {

// Named parameter values of a statement, always passed as text (":a" -> "...").
using Params = std::vector<std::pair<QString, QString>>;

// Where a database file stood at one moment, as far as what a select reads
// from it can tell: the rows our own connection has changed so far, the
// commits of every other connection or process, and the shape of the tables.
// Taken before a result is read, it tells later whether that result can
// still be trusted. A stamp taken inside a transaction of our own is never
// trusted, since a rollback would undo what was read without counting.
class ChangeStamp {
public:
    ChangeStamp() = default;
    bool isKnown() const { return m_known; }
    // Equal only when both are known and nothing has changed in between.
    bool sameAs(const ChangeStamp &other) const
    {
        return m_known && other.m_known && m_ownChanges == other.m_ownChanges && m_dataVersion == other.m_dataVersion
            && m_schemaVersion == other.m_schemaVersion;
    }

private:
    friend class Connection;
    bool m_known = false;
    qint64 m_ownChanges = 0;
    qint64 m_dataVersion = 0;
    qint64 m_schemaVersion = 0;
};

// One open, encrypted database file. Owns the engine handle. A connection
// belongs to the thread that opened it (the GUI thread): the engine takes no
// locks of its own for it.
class Connection {
public:
    // Opens an existing file. Never creates one: a missing file is an error.
    // Throws DbError with the engine's text on a missing file, a wrong key,
    // a plain (unencrypted) file or an engine that is not the encrypting one.
    // The file is made private (keepPrivate()) where it is not yet, so that
    // the journals the engine makes beside it, which take the file's mode,
    // are private too.
    static Connection open(const QString &path, const QByteArray &key);
    // Creates a new encrypted file; fails if the file already exists.
    static Connection create(const QString &path, const QByteArray &key);

    Connection() = default;
    Connection(Connection &&other) noexcept;
    Connection &operator=(Connection &&other) noexcept;
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;
    ~Connection();

    bool isOpen() const { return m_db != nullptr; }
    sqlite3 *handle() const { return m_db; }
    const QString &path() const { return m_path; }

    // Runs one statement that returns no rows, with its named parameters.
    void execute(const QString &sql, const Params &params = {});
    qint64 lastInsertId() const;
    int changes() const;

    // Where the file stands now. Throws DbError when the engine cannot tell.
    ChangeStamp changeStamp();
    // True when nothing a select reads can have changed since the stamp was taken.
    bool unchangedSince(const ChangeStamp &stamp) { return stamp.isKnown() && changeStamp().sameAs(stamp); }

    // How much of the file, in KiB, the engine keeps decrypted in memory for
    // this connection; it takes the room only as pages are read.
    void setCacheKib(int kib);

private:
    static Connection openWith(const QString &path, const QByteArray &key, int flags);
    void applyKeyAndCheck(const QByteArray &key);

    sqlite3 *m_db = nullptr;
    QString m_path;
};

// Takes every right of other users (group and others) off a file or folder;
// the owner's rights stay as they are, so a mode is never made wider. False
// when the mode cannot be read or changed.
bool keepPrivate(const QString &path);

// How long a statement waits for a lock held by another process before it
// reports "database is locked".
constexpr int kBusyTimeoutMs = 3000;

} // namespace data
