#include "HomeFolder.h"

#include "SystemReason.h"

#include "DbError.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace data {

namespace {

[[noreturn]] void refuse(const QString &folder, const QString &cause)
{
    throw DbError(QStringLiteral("无法准备工作文件夹 %1：%2。").arg(QDir::toNativeSeparators(folder), cause));
}

// The engine's report of a file it could not make or write, by its code.
QString engineCause(const DbError &e)
{
    switch (e.code() & 0xff) {
    case SQLITE_FULL:
        return systemReason(ENOSPC);
    case SQLITE_READONLY:
        return systemReason(EROFS);
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return systemReason(EACCES);
    case SQLITE_IOERR:
        return systemReason(EIO);
    case SQLITE_CANTOPEN:
        return QStringLiteral("无法建立数据库文件");
    default:
        return e.message();
    }
}

// Room for a fresh installation with some to spare: its two database files,
// the sound and the report files take less than a tenth of it.
constexpr qsizetype kInstallationBytes = 1024 * 1024;

// Why files cannot be written into the folder (no room, a disk that is only
// read, ...), found by writing a private file of an installation's size and
// taking it away again: an errno value, or 0 when that could be written.
int writeProbe(const QString &folder)
{
    QByteArray name = QFile::encodeName(folder + QStringLiteral("/.probe-XXXXXX"));
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0)
        return errno;
    const QByteArray block(64 * 1024, '\0');
    int error = 0;
    for (qsizetype done = 0; !error && done < kInstallationBytes;) {
        const ssize_t n = ::write(fd, block.constData(), size_t(block.size()));
        if (n > 0)
            done += n;
        else if (n == 0)
            error = EIO;
        else if (errno != EINTR)
            error = errno;
    }
    if (!error && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && !error)
        error = errno;
    ::unlink(name.constData());
    return error;
}

// Makes the folder and every missing folder above it, each for the user
// alone; a folder that is there is left as it is.
void makeFolders(const QString &folder)
{
    QString path;
    for (const QString &part : folder.split(u'/', Qt::SkipEmptyParts)) {
        const QString parent = path.isEmpty() ? QStringLiteral("/") : path;
        path += u'/' + part;
        const QByteArray native = QFile::encodeName(path);
        struct stat info {};
        if (::stat(native.constData(), &info) == 0) {
            if (!S_ISDIR(info.st_mode))
                refuse(folder, QStringLiteral("%1 是文件，不是文件夹").arg(path));
            continue;
        }
        if (errno != ENOENT)
            refuse(folder, QStringLiteral("无法查看 %1，%2").arg(path, systemReason(errno)));
        if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
            refuse(folder, QStringLiteral("无法在 %1 中建立文件夹 %2，%3").arg(parent, part, systemReason(errno)));
    }
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) != 0)
        refuse(folder, QStringLiteral("不能写入该文件夹，%1").arg(systemReason(errno)));
}

} // namespace

InstallResult prepareWorkFolder(const QString &folder)
{
    const QString absolute = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    makeFolders(absolute);
    try {
        return createFreshInstallation(QDir(absolute));
    } catch (const DbError &e) {
        const int error = writeProbe(absolute);
        refuse(absolute, QStringLiteral("无法在其中建立新的安装，%1").arg(error ? systemReason(error) : engineCause(e)));
    }
}

} // namespace data
