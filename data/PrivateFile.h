#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <memory>
#include <sys/types.h>

namespace data {

// Files and folders of the installation, for the user alone: folders 0700,
// files 0600, whatever the umask. Each throws DbError naming the path and
// the system's reason, in Chinese, when it cannot do what it says.

inline constexpr mode_t kPrivateFolderMode = 0700;
inline constexpr mode_t kPrivateFileMode = 0600;

// Throws the failure of an action (Chinese, UTF-8: "创建", "写入") on a path,
// with the reason errno holds.
[[noreturn]] void fileError(const char *action, const QString &path);
void setMode(const QString &path, mode_t mode);
// Makes the folder 0700, or takes from an existing one whatever rights others had.
void makePrivateFolder(const QString &path);
// Writes bytes into a new file 0600 unless something of that name (even a
// link to nowhere) is there: then nothing is touched and the result is
// false. A file that cannot be written whole is removed again.
bool writePrivateFileIfMissing(const QString &path, const QByteArray &bytes);
// Writes bytes into a file 0600 that takes the name once written whole; what
// had the name stays until then (PrivateFileWriter).
void writePrivateFile(const QString &path, const QByteArray &bytes);

// The one way a file the user named is written: whole or not at all, and
// under the name itself. The bytes go into a new file 0600 beside the name
// (made by this writer alone, never one that was there); commit() gives it
// the name, replacing whatever had it, a file or a symbolic link, never what
// a link points to. Until then what had the name stays as it was; a writer
// destroyed without commit() removes what it wrote.
//
//     data::PrivateFileWriter out(path);
//     out.device().write(bytes);
//     out.commit();
class PrivateFileWriter {
public:
    explicit PrivateFileWriter(const QString &path);
    ~PrivateFileWriter();
    PrivateFileWriter(const PrivateFileWriter &) = delete;
    PrivateFileWriter &operator=(const PrivateFileWriter &) = delete;

    const QString &path() const { return m_path; }
    // Where the bytes go: open for writing until commit(). A write that
    // fails makes the later ones fail too; commit() names the reason.
    QIODevice &device();
    // Flushes the bytes to the disk and gives the file its name; throws
    // DbError (the partial file removed) when any of it fails.
    void commit();

private:
    class Device;
    [[noreturn]] void fail(const char *action, int error);

    QString m_path;
    QByteArray m_partial; // the file's own name until it takes the path
    std::unique_ptr<Device> m_device;
    int m_fd = -1;
};
} // namespace data
