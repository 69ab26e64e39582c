#include "PrivateFile.h"

#include "Connection.h"
#include "DbError.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace data {

void fileError(const char *what, const QString &path)
{
    throw DbError(QStringLiteral("cannot %1 %2: %3")
                      .arg(QLatin1String(what), path, QString::fromLocal8Bit(std::strerror(errno))));
}

void setMode(const QString &path, mode_t mode)
{
    if (::chmod(QFile::encodeName(path).constData(), mode) != 0)
        fileError("set the mode of", path);
}

void makePrivateFolder(const QString &path)
{
    if (QFileInfo(path).isDir()) {
        if (!keepPrivate(path))
            fileError("make private", path);
        return;
    }
    if (::mkdir(QFile::encodeName(path).constData(), kPrivateFolderMode) != 0)
        fileError("create", path);
    setMode(path, kPrivateFolderMode);
}

bool writePrivateFileIfMissing(const QString &path, const QByteArray &bytes)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kPrivateFileMode);
    if (fd < 0) {
        if (errno == EEXIST)
            return false;
        fileError("create", path);
    }
    int error = ::fchmod(fd, kPrivateFileMode) == 0 ? 0 : errno;
    for (qsizetype done = 0; !error && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0)
            done += n;
        else if (n == 0)
            error = EIO;
        else if (errno != EINTR)
            error = errno;
    }
    if (::close(fd) != 0 && !error)
        error = errno;
    if (error) {
        ::unlink(native.constData());
        errno = error;
        fileError("write", path);
    }
    return true;
}

void writePrivateFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        || file.write(bytes) != bytes.size() || !file.commit())
        throw DbError(QStringLiteral("无法写入文件 %1: %2").arg(path, file.errorString()));
}

} // namespace data
