#include "Connection.h"

#include "DbError.h"
#include "Statement.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>
#include <sys/stat.h>

namespace data {

namespace {

QString engineText(sqlite3 *db, int rc)
{
    if (db)
        return QString::fromUtf8(sqlite3_errmsg(db));
    return QString::fromUtf8(sqlite3_errstr(rc));
}

// The decrypted pages a connection keeps. A file of up to kWholeFileKib is
// kept whole (a customer table of some ten thousand rows), so that searching
// it again decrypts nothing; the room is taken only as pages are read. A
// larger file keeps the engine's default: a cache smaller than a table saves
// no decrypting when the table is searched again, and one that held a table
// of a hundred thousand customers would take more memory than their rows in a
// standing query.
constexpr int kWholeFileKib = 6 * 1024;
constexpr int kDefaultCacheKib = 2000;

int cacheKibFor(const QString &path)
{
    return QFileInfo(path).size() <= qint64(kWholeFileKib) * 1024 ? kWholeFileKib : kDefaultCacheKib;
}

QByteArray quotedKey(const QByteArray &key)
{
    QByteArray quoted = key;
    quoted.replace('\'', "''");
    return "'" + quoted + "'";
}

} // namespace

Connection Connection::open(const QString &path, const QByteArray &key)
{
    Connection c = openWith(path, key, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX);
    // A file another user owns keeps its mode: its owner decides.
    keepPrivate(path);
    return c;
}

Connection Connection::create(const QString &path, const QByteArray &key)
{
    if (QFileInfo::exists(path))
        throw DbError(QStringLiteral("%1 already exists").arg(path));
    return openWith(path, key, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX);
}

Connection Connection::openWith(const QString &path, const QByteArray &key, int flags)
{
    Connection c;
    c.m_path = path;
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &c.m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString message = engineText(c.m_db, rc);
        throw DbError(message, rc); // the destructor of c closes the half-open handle
    }
    sqlite3_extended_result_codes(c.m_db, 1);
    sqlite3_busy_timeout(c.m_db, kBusyTimeoutMs);
    c.applyKeyAndCheck(key);
    c.setCacheKib(cacheKibFor(path));
    return c;
}

void Connection::applyKeyAndCheck(const QByteArray &key)
{
    execute(QString::fromUtf8("PRAGMA key = " + quotedKey(key)));
    {
        Statement version(*this, QStringLiteral("PRAGMA cipher_version"));
        if (!version.step() || version.text(0).isEmpty())
            throw DbError(QStringLiteral("the database engine offers no encryption"));
    }
    // The first read decrypts page 1: a wrong key or a plain file fails here.
    Statement probe(*this, QStringLiteral("SELECT count(*) FROM sqlite_master"));
    probe.step();
}

Connection::Connection(Connection &&other) noexcept
    : m_db(std::exchange(other.m_db, nullptr)), m_path(std::move(other.m_path))
{
}

Connection &Connection::operator=(Connection &&other) noexcept
{
    if (this != &other) {
        if (m_db)
            sqlite3_close_v2(m_db);
        m_db = std::exchange(other.m_db, nullptr);
        m_path = std::move(other.m_path);
    }
    return *this;
}

Connection::~Connection()
{
    if (m_db)
        sqlite3_close_v2(m_db);
}

void Connection::execute(const QString &sql, const Params &params)
{
    Statement statement(*this, sql);
    statement.bindAll(params);
    statement.run();
}

bool keepPrivate(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    if (::stat(native.constData(), &info) != 0)
        return false;
    const mode_t mode = info.st_mode & 07777;
    const mode_t narrowed = mode & ~mode_t(S_IRWXG | S_IRWXO);
    return narrowed == mode || ::chmod(native.constData(), narrowed) == 0;
}

qint64 Connection::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int Connection::changes() const
{
    return sqlite3_changes(m_db);
}

namespace {

qint64 pragmaValue(Connection &connection, const QString &pragma)
{
    Statement statement(connection, pragma);
    return statement.step() ? statement.text(0).toLongLong() : -1;
}

} // namespace

ChangeStamp Connection::changeStamp()
{
    ChangeStamp stamp;
    stamp.m_known = sqlite3_get_autocommit(m_db) != 0;
    stamp.m_ownChanges = sqlite3_total_changes(m_db);
    stamp.m_dataVersion = pragmaValue(*this, QStringLiteral("PRAGMA data_version"));
    stamp.m_schemaVersion = pragmaValue(*this, QStringLiteral("PRAGMA schema_version"));
    return stamp;
}

void Connection::setCacheKib(int kib)
{
    execute(QStringLiteral("PRAGMA cache_size = -%1").arg(kib)); // negative: KiB, not pages
}

} // namespace data
