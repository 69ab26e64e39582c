#include "InstanceGuard.h"

#include "MessageBox.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app {

namespace {

// The program's own folder under the user's cache folder.
constexpr char kCacheFolder[] = "talvero-crm";

QByteArray environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? QByteArray(value) : QByteArray();
}

QByteArray homeFolder()
{
    QByteArray home = environment("HOME");
    if (home.isEmpty()) {
        if (const passwd *user = ::getpwuid(::getuid()))
            home = user->pw_dir;
    }
    return home;
}

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Makes every missing folder of an absolute path, each private to the user.
int makeFolders(const QByteArray &path)
{
    for (qsizetype slash = path.indexOf('/', 1); ; slash = path.indexOf('/', slash + 1)) {
        const QByteArray part = slash < 0 ? path : path.left(slash);
        if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST)
            return errno;
        if (slash < 0)
            return 0;
    }
}

// Why a folder cannot keep the guard, or nothing when it can.
QString unsafeFolder(const struct stat &info)
{
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("这不是一个文件夹");
    if (info.st_uid != ::geteuid())
        return QStringLiteral("该文件夹不属于当前用户");
    if (info.st_mode & (S_IWGRP | S_IWOTH))
        return QStringLiteral("其他用户也可以写入该文件夹");
    return QString();
}

} // namespace

InstanceGuard::InstanceGuard(const QByteArray &name)
{
    if (openFolder())
        take(name);
}

void InstanceGuard::take(const QByteArray &name)
{
    const QByteArray fileName = name + "-" + QByteArray::number(uint(::getuid())) + ".lock";
    m_lockPath = m_folder + u'/' + QString::fromLocal8Bit(fileName);
    m_fd = ::openat(m_folderFd, fileName.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (m_fd < 0)
        return fail(systemText(errno));
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        return fail(systemText(errno));
    if (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
        return fail(QStringLiteral("锁文件 %1 不属于当前用户").arg(m_lockPath));
    if (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            m_state = State::Second;
            return;
        }
        return fail(systemText(errno));
    }
    m_state = State::First;
    // The holder's process number, for whoever wants to know who runs.
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + "\n";
    if (::ftruncate(m_fd, 0) == 0 && ::pwrite(m_fd, pid.constData(), size_t(pid.size()), 0) < 0)
        std::perror(m_lockPath.toLocal8Bit().constData());
}

InstanceGuard::~InstanceGuard()
{
    if (m_fd >= 0)
        ::close(m_fd);
    if (m_folderFd >= 0)
        ::close(m_folderFd);
}

bool InstanceGuard::openFolder()
{
    // A folder given as a relative path is no such folder at all.
    QByteArray folder = environment("XDG_RUNTIME_DIR");
    if (!folder.startsWith('/')) {
        QByteArray cache = environment("XDG_CACHE_HOME");
        if (!cache.startsWith('/')) {
            const QByteArray home = homeFolder();
            if (!home.startsWith('/')) {
                m_folder = QStringLiteral("~/.cache/") + QLatin1String(kCacheFolder);
                fail(QStringLiteral("找不到当前用户的主文件夹"));
                return false;
            }
            cache = home + "/.cache";
        }
        folder = cache + "/" + kCacheFolder;
        m_folder = QString::fromLocal8Bit(folder);
        if (const int error = makeFolders(folder)) {
            fail(systemText(error));
            return false;
        }
    }
    m_folder = QString::fromLocal8Bit(folder);
    m_folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folderFd < 0) {
        fail(systemText(errno));
        return false;
    }
    struct stat info {};
    if (::fstat(m_folderFd, &info) != 0) {
        fail(systemText(errno));
        return false;
    }
    if (const QString unsafe = unsafeFolder(info); !unsafe.isEmpty()) {
        fail(unsafe);
        return false;
    }
    return true;
}

void InstanceGuard::fail(const QString &reason)
{
    m_state = State::Failed;
    m_reason = reason;
}

QString guardFailureText(const InstanceGuard &guard)
{
    return QStringLiteral("Talvero CRM 无法启动：无法确认本程序是否已经在运行。\n\n"
                          "单实例锁所在的文件夹：%1\n原因：%2\n\n"
                          "该文件夹必须属于当前用户，并且只有当前用户可以写入。")
        .arg(guard.folder(), guard.reason());
}

int refuseToStart(const InstanceGuard &guard)
{
    const QString text = guardFailureText(guard);
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    ui::MessageBox::fatal(text);
    return 1;
}

} // namespace app
