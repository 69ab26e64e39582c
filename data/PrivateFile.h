#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace data {

// Files and folders of the installation, for the user alone: folders 0700,
// files 0600, whatever the umask. Each throws DbError naming the path and
// the system's reason when it cannot do what it says.

inline constexpr mode_t kPrivateFolderMode = 0700;
inline constexpr mode_t kPrivateFileMode = 0600;

[[noreturn]] void fileError(const char *what, const QString &path);
void setMode(const QString &path, mode_t mode);
// Makes the folder 0700, or takes from an existing one whatever rights others had.
void makePrivateFolder(const QString &path);
// Writes bytes into a new file 0600 unless something of that name (even a
// link to nowhere) is there: then nothing is touched and the result is
// false. A file that cannot be written whole is removed again.
bool writePrivateFileIfMissing(const QString &path, const QByteArray &bytes);
// Writes bytes into a file 0600 that takes the name once written whole; what
// had the name stays until then.
void writePrivateFile(const QString &path, const QByteArray &bytes);

} // namespace data
