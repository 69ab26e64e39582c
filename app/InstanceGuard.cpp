#include "InstanceGuard.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace app {

QByteArray InstanceGuard::lockPath(const QByteArray &name)
{
    const char *runtime = std::getenv("XDG_RUNTIME_DIR");
    QByteArray folder = runtime && *runtime ? QByteArray(runtime) : QByteArray("/tmp");
    return folder + "/" + name + "-" + QByteArray::number(uint(getuid())) + ".lock";
}

InstanceGuard::InstanceGuard(const QByteArray &name)
{
    const QByteArray path = lockPath(name);
    m_fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_fd < 0) {
        // Without a place for the guard the program still runs: a user is
        // never locked out by a guard that cannot be made.
        std::perror(path.constData());
        m_first = true;
        return;
    }
    m_first = ::flock(m_fd, LOCK_EX | LOCK_NB) == 0;
    if (m_first) {
        // The holder's process number, for whoever wants to know who runs.
        const QByteArray pid = QByteArray::number(qint64(getpid())) + "\n";
        if (::ftruncate(m_fd, 0) == 0 && ::pwrite(m_fd, pid.constData(), size_t(pid.size()), 0) < 0)
            std::perror(path.constData());
    }
}

InstanceGuard::~InstanceGuard()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

} // namespace app
