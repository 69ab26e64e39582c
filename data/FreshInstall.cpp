#include "FreshInstall.h"

#include "Chime.h"
#include "Connection.h"
#include "DefaultReports.h"
#include "DbError.h"
#include "PrivateFile.h"
#include "Schema.h"
#include "SqlText.h"
#include "Statement.h"

#include <QFile>
#include <QFileInfo>

namespace data {

namespace {

void createFile(const QString &path, const QByteArray &key, const std::vector<TableDef> &tables,
                const std::vector<IndexDef> &indexes, bool settingsRow)
{
    Connection c = Connection::create(path, key);
    // Before anything is written, so that the journal, which takes the
    // file's mode, is private as well.
    setMode(path, kPrivateFileMode);
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
                fileError("设置权限", path);
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
    result.reportsWritten = writeReportsIfMissing(workDir);
    return result;
}

bool writeSoundIfMissing(const QDir &workDir)
{
    return writePrivateFileIfMissing(workDir.filePath(QString::fromLatin1(kSoundFile)), chimeWave());
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
