#include "FreshInstall.h"

#include "Chime.h"
#include "Connection.h"
#include "DbError.h"
#include "Schema.h"
#include "SqlText.h"
#include "Statement.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace data {

namespace {

constexpr mode_t kFolderMode = 0700;
constexpr mode_t kFileMode = 0600;

[[noreturn]] void cannot(const char *what, const QString &path)
{
    throw DbError(QStringLiteral("cannot %1 %2: %3")
                      .arg(QLatin1String(what), path, QString::fromLocal8Bit(std::strerror(errno))));
}

void setMode(const QString &path, mode_t mode)
{
    if (::chmod(QFile::encodeName(path).constData(), mode) != 0)
        cannot("set the mode of", path);
}

void makePrivateFolder(const QString &path)
{
    if (QFileInfo(path).isDir()) {
        if (!keepPrivate(path))
            cannot("make private", path);
        return;
    }
    if (::mkdir(QFile::encodeName(path).constData(), kFolderMode) != 0)
        cannot("create", path);
    setMode(path, kFolderMode); // whatever the umask
}

void createFile(const QString &path, const QByteArray &key, const std::vector<TableDef> &tables,
                const std::vector<IndexDef> &indexes, bool settingsRow)
{
    Connection c = Connection::create(path, key);
    // Before anything is written, so that the journal, which takes the
    // file's mode, is private as well.
    setMode(path, kFileMode);
    Transaction t(c);
    for (const TableDef &table : tables)
        c.execute(createTable(table));
    for (const IndexDef &index : indexes)
        c.execute(createIndex(index));
    if (settingsRow)
        c.execute(QStringLiteral("insert into ptp1 (watts) values ('0')"));
    t.commit();
}

} // namespace

InstallResult createFreshInstallation(const QDir &workDir)
{
    if (!workDir.exists() && !QDir().mkpath(workDir.absolutePath()))
        throw DbError(QStringLiteral("cannot create %1").arg(workDir.absolutePath()));
    makePrivateFolder(workDir.filePath(QStringLiteral("Data")));
    InstallResult result;
    static const std::vector<IndexDef> noIndexes;
    const struct {
        const DatabaseFile &file;
        const std::vector<TableDef> &tables;
        const std::vector<IndexDef> &indexes;
        bool settingsRow;
    } files[] = {{kMainFile, mainTables(), mainIndexes(), true}, {kLookupFile, lookupTables(), noIndexes, false}};
    for (const auto &f : files) {
        const QString path = workDir.filePath(QString::fromLatin1(f.file.relativePath));
        if (QFileInfo::exists(path)) {
            if (!keepPrivate(path))
                cannot("make private", path);
            result.keptExisting << path;
            continue;
        }
        try {
            createFile(path, f.file.key, f.tables, f.indexes, f.settingsRow);
        } catch (...) {
            QFile::remove(path); // never leave a half-made file behind
            throw;
        }
        result.created << path;
    }
    if (writeSoundIfMissing(workDir))
        result.soundWritten = workDir.filePath(QString::fromLatin1(kSoundFile));
    return result;
}

bool writeSoundIfMissing(const QDir &workDir)
{
    const QString path = workDir.filePath(QString::fromLatin1(kSoundFile));
    const QByteArray native = QFile::encodeName(path);
    // O_EXCL: whatever has that name, even a link to nowhere, stays as it is.
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kFileMode);
    if (fd < 0) {
        if (errno == EEXIST)
            return false;
        cannot("create", path);
    }
    const QByteArray wave = chimeWave();
    int error = ::fchmod(fd, kFileMode) == 0 ? 0 : errno; // whatever the umask
    for (qsizetype done = 0; !error && done < wave.size();) {
        const ssize_t n = ::write(fd, wave.constData() + done, size_t(wave.size() - done));
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
        ::unlink(native.constData()); // never leave half a sound behind
        errno = error;
        cannot("write", path);
    }
    return true;
}

QStringList addMissingIndexes(Connection &main)
{
    QStringList added;
    for (const IndexDef &index : mainIndexes()) {
        bool present = false;
        {
            Statement known(main, QStringLiteral("select 1 from sqlite_master where type='index' and name=:name"));
            known.bind(QStringLiteral(":name"), index.name);
            present = known.step();
        }
        if (present)
            continue;
        main.execute(createIndex(index));
        added << index.name;
    }
    return added;
}

} // namespace data
