#include "FreshInstall.h"

#include "Connection.h"
#include "DbError.h"
#include "Schema.h"
#include "SqlText.h"
#include "Statement.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

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

void createFile(const QString &path, const QByteArray &key, const std::vector<TableDef> &tables, bool settingsRow)
{
    Connection c = Connection::create(path, key);
    // Before anything is written, so that the journal, which takes the
    // file's mode, is private as well.
    setMode(path, kFileMode);
    Transaction t(c);
    for (const TableDef &table : tables)
        c.execute(createTable(table));
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
    const struct {
        const DatabaseFile &file;
        const std::vector<TableDef> &tables;
        bool settingsRow;
    } files[] = {{kMainFile, mainTables(), true}, {kLookupFile, lookupTables(), false}};
    for (const auto &f : files) {
        const QString path = workDir.filePath(QString::fromLatin1(f.file.relativePath));
        if (QFileInfo::exists(path)) {
            if (!keepPrivate(path))
                cannot("make private", path);
            result.keptExisting << path;
            continue;
        }
        try {
            createFile(path, f.file.key, f.tables, f.settingsRow);
        } catch (...) {
            QFile::remove(path); // never leave a half-made file behind
            throw;
        }
        result.created << path;
    }
    return result;
}

} // namespace data
