#include "OnlineCopy.h"

#include "DbError.h"
#include "DbCause.h"
#include "SystemReason.h"

#include <QDir>
#include <cerrno>
#include <QFileInfo>
#include <sqlite3.h>

namespace data {

namespace {

// A step that found the source locked has already waited the busy timeout;
// it is tried this many times before the copy gives up.
constexpr int kBusyTries = 3;

} // namespace

OnlineCopy::OnlineCopy(Connection &source, const QString &target, const QByteArray &key)
    : m_source(QFileInfo(source.path()).fileName())
{
    if (!source.isOpen())
        throw DbError(QStringLiteral("无法复制数据文件 %1: 文件没有打开").arg(m_source));
    try {
        m_copy = Connection::create(target, key);
    } catch (const DbError &e) {
        fail(e.code());
    }
    m_backup = sqlite3_backup_init(m_copy.handle(), "main", source.handle(), "main");
    if (!m_backup)
        fail(sqlite3_extended_errcode(m_copy.handle()));
}

OnlineCopy::~OnlineCopy()
{
    if (m_backup)
        sqlite3_backup_finish(m_backup);
}

void OnlineCopy::fail(int code)
{
    // Where the file system refused a write (a full disk), the system's own
    // reason says more than the engine's.
    const int primary = code & 0xff;
    int system = m_copy.isOpen() ? sqlite3_system_errno(m_copy.handle()) : 0;
    // The engine keeps none for a backup step: what the system last said,
    // where it is a reason a write fails for.
    if (system == 0 && (m_errno == ENOSPC || m_errno == EDQUOT || m_errno == EFBIG || m_errno == EROFS || m_errno == EIO))
        system = m_errno;
    const QString reason = system != 0 && (primary == SQLITE_IOERR || primary == SQLITE_FULL || primary == SQLITE_CANTOPEN)
        ? systemReason(system)
        : causeOf(DbError(QString(), code));
    throw DbError(QStringLiteral("无法复制数据文件 %1: %2").arg(m_source, reason), code);
}

bool OnlineCopy::step()
{
    if (!m_backup)
        return true;
    const int pages = m_restarts >= kRestartsBeforeOneStep ? -1 : kStepPages;
    const int before = m_remaining;
    errno = 0;
    const int rc = sqlite3_backup_step(m_backup, pages);
    m_errno = errno;
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
        if (++m_busyTries >= kBusyTries)
            fail(rc);
        return false;
    }
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        fail(rc);
    m_busyTries = 0;
    m_total = sqlite3_backup_pagecount(m_backup);
    m_remaining = sqlite3_backup_remaining(m_backup);
    // Started again from the first page: the source was changed meanwhile.
    if (before > 0 && m_remaining > before)
        ++m_restarts;
    if (rc == SQLITE_OK)
        return false;
    errno = 0;
    const int finished = sqlite3_backup_finish(m_backup);
    m_errno = errno;
    m_backup = nullptr;
    if (finished != SQLITE_OK)
        fail(finished);
    m_remaining = 0;
    m_copy = Connection();
    return true;
}

} // namespace data
