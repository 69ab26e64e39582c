#include "FreshInstall.h"

#include "Connection.h"
#include "DbError.h"
#include "Schema.h"
#include "SqlText.h"
#include "Statement.h"

#include <QFileInfo>

namespace data {

namespace {

void createFile(const QString &path, const QByteArray &key, const std::vector<TableDef> &tables, bool settingsRow)
{
    Connection c = Connection::create(path, key);
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
    if (!workDir.mkpath(QStringLiteral("Data")))
        throw DbError(QStringLiteral("cannot create %1").arg(workDir.filePath(QStringLiteral("Data"))));
    InstallResult result;
    const struct {
        const DatabaseFile &file;
        const std::vector<TableDef> &tables;
        bool settingsRow;
    } files[] = {{kMainFile, mainTables(), true}, {kLookupFile, lookupTables(), false}};
    for (const auto &f : files) {
        const QString path = workDir.filePath(QString::fromLatin1(f.file.relativePath));
        if (QFileInfo::exists(path)) {
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
