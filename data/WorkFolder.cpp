#include "WorkFolder.h"

#include "DbError.h"
#include "SystemReason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace data {

namespace {

// Removes the files in the open folder (a folder within it stays, and so
// the folder itself then does).
void emptyFolder(int fd, const QString &path)
{
    const QStringList names = QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : names)
        ::unlinkat(fd, QFile::encodeName(name).constData(), 0);
}

// Removes the folders of this kind beside `folder`'s new one that a killed
// program left: the user's own, real folders (no links), that no process
// holds and that have been left alone for a while.
void removeStale(const QString &folder, const QString &prefix)
{
    QDir dir(folder);
    const QStringList names = dir.entryList({prefix + QStringLiteral("??????")},
                                            QDir::Dirs | QDir::Hidden | QDir::NoSymLinks | QDir::NoDotAndDotDot);
    for (const QString &name : names) {
        const QString path = dir.filePath(name);
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat info {};
        const bool stale = ::fstat(fd, &info) == 0 && info.st_uid == ::getuid()
                           && std::time(nullptr) - info.st_mtime >= WorkFolder::kStaleAfter
                           && ::flock(fd, LOCK_EX | LOCK_NB) == 0;
        if (stale) {
            emptyFolder(fd, path);
            ::rmdir(QFile::encodeName(path).constData());
        }
        ::close(fd);
    }
}

} // namespace

WorkFolder::WorkFolder(const QString &file, const QString &prefix)
{
    const QString folder = QFileInfo(file).absolutePath();
    removeStale(folder, prefix);
    QByteArray name = QFile::encodeName(folder + u'/' + prefix + QStringLiteral("XXXXXX"));
    if (!::mkdtemp(name.data())) // 0700
        throw DbError(fileFailure(QStringLiteral("写入"), file, errno));
    m_path = QFile::decodeName(name);
    m_fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (m_fd < 0 || ::flock(m_fd, LOCK_EX) != 0) {
        const int error = errno;
        if (m_fd >= 0)
            ::close(m_fd);
        ::rmdir(name.constData());
        throw DbError(fileFailure(QStringLiteral("写入"), file, error));
    }
}

WorkFolder::~WorkFolder()
{
    emptyFolder(m_fd, m_path);
    ::rmdir(QFile::encodeName(m_path).constData());
    ::close(m_fd);
}

} // namespace data
