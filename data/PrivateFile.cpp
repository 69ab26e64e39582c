#include "PrivateFile.h"

#include "Connection.h"
#include "DbError.h"
#include "SystemReason.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace data {

void fileError(const char *action, const QString &path)
{
    throw DbError(fileFailure(QString::fromUtf8(action), path, errno));
}

void setMode(const QString &path, mode_t mode)
{
    if (::chmod(QFile::encodeName(path).constData(), mode) != 0)
        fileError("设置权限", path);
}

void makePrivateFolder(const QString &path)
{
    if (QFileInfo(path).isDir()) {
        if (!keepPrivate(path))
            fileError("设置权限", path);
        return;
    }
    if (::mkdir(QFile::encodeName(path).constData(), kPrivateFolderMode) != 0)
        fileError("创建文件夹", path);
    setMode(path, kPrivateFolderMode);
}

bool writePrivateFileIfMissing(const QString &path, const QByteArray &bytes)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kPrivateFileMode);
    if (fd < 0) {
        if (errno == EEXIST)
            return false;
        fileError("创建", path);
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
        fileError("写入", path);
    }
    return true;
}

void writePrivateFile(const QString &path, const QByteArray &bytes)
{
    PrivateFileWriter out(path);
    out.device().write(bytes);
    out.commit();
}

namespace {

// A name beside the target for the file being written: hidden, with six
// characters that mkostemp makes unique.
QByteArray partialName(const QString &path)
{
    const QFileInfo target(path);
    return QFile::encodeName(target.absoluteDir().filePath(u'.' + target.fileName() + QStringLiteral(".XXXXXX")));
}

// Makes a rename in a folder last through a power failure.
void syncFolder(const QString &path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

// Writes to the file's descriptor in pieces of some size and keeps the
// system's reason for the first write that failed, so that the message can
// name it (a full disk).
class PrivateFileWriter::Device : public QIODevice {
public:
    explicit Device(int fd) : m_fd(fd) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }
    bool isSequential() const override { return true; }
    // Writes what is still held; the reason of the first failure, or 0.
    int finish()
    {
        writeOut();
        return m_failure;
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *bytes, qint64 size) override
    {
        if (m_failure)
            return -1;
        m_held.append(bytes, size);
        if (m_held.size() >= kPiece)
            writeOut();
        return m_failure ? -1 : size;
    }

private:
    static constexpr qsizetype kPiece = 256 * 1024;

    void writeOut()
    {
        for (qsizetype done = 0; !m_failure && done < m_held.size();) {
            const ssize_t n = ::write(m_fd, m_held.constData() + done, size_t(m_held.size() - done));
            if (n > 0)
                done += n;
            else if (n == 0)
                m_failure = EIO;
            else if (errno != EINTR)
                m_failure = errno;
        }
        m_held.clear();
    }

    int m_fd;
    int m_failure = 0;
    QByteArray m_held;
};

PrivateFileWriter::PrivateFileWriter(const QString &path) : m_path(path), m_partial(partialName(path))
{
    // mkostemp makes a file no one else could have made or linked (O_EXCL), 0600.
    m_fd = ::mkostemp(m_partial.data(), O_CLOEXEC);
    if (m_fd < 0)
        fail("创建", errno);
    if (::fchmod(m_fd, kPrivateFileMode) != 0)
        fail("设置权限", errno);
    m_device = std::make_unique<Device>(m_fd);
}

PrivateFileWriter::~PrivateFileWriter()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(m_partial.constData());
    }
}

QIODevice &PrivateFileWriter::device()
{
    return *m_device;
}

void PrivateFileWriter::commit()
{
    if (m_fd < 0)
        fail("写入", EBADF);
    if (const int failure = m_device->finish())
        fail("写入", failure);
    m_device->close();
    if (::fsync(m_fd) != 0)
        fail("写入", errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(m_partial.constData());
        errno = error;
        fileError("写入", m_path);
    }
    // rename() replaces the name itself: a symbolic link of that name is
    // replaced, what it points to is not touched.
    if (std::rename(m_partial.constData(), QFile::encodeName(m_path).constData()) != 0) {
        const int error = errno;
        ::unlink(m_partial.constData());
        errno = error;
        fileError("写入", m_path);
    }
    syncFolder(m_path);
}

void PrivateFileWriter::fail(const char *action, int error)
{
    if (m_device)
        m_device->close();
    if (m_fd >= 0) {
        ::close(m_fd);
        ::unlink(m_partial.constData());
        m_fd = -1;
    }
    errno = error;
    fileError(action, m_path);
}

} // namespace data
