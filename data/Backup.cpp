#include "Backup.h"

#include "Connection.h"
#include "DbError.h"
#include "PrivateFile.h"
#include "Schema.h"
#include "Statement.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sqlite3.h>
#include <zip.h>

#include <cstdio>

namespace data {

namespace {

const QString kAutomaticFolder = QStringLiteral("Backup");
const QString kPrefix = QStringLiteral("Talvero-备份-");
const QByteArray kManifestName = "talvero-backup.txt";

// The engine's check of a whole file; "ok" when sound.
QString integrityOf(Connection &connection)
{
    Statement check(connection, QStringLiteral("PRAGMA integrity_check"));
    QStringList problems;
    while (check.step())
        problems << check.text(0);
    return problems.join(u'\n');
}

// A consistent copy of an open database in a new file under the same key,
// checked once written.
void copyDatabase(Connection &source, const QString &target, const QByteArray &key)
{
    Connection copy = Connection::create(target, key);
    sqlite3_backup *backup = sqlite3_backup_init(copy.handle(), "main", source.handle(), "main");
    if (!backup)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(copy.handle())), sqlite3_errcode(copy.handle()));
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(copy.handle())), sqlite3_errcode(copy.handle()));
    copy = Connection();
    Connection reopened = Connection::open(target, key);
    const QString integrity = integrityOf(reopened);
    if (integrity != QLatin1String("ok"))
        throw DbError(QStringLiteral("the copy of %1 is damaged: %2").arg(QFileInfo(source.path()).fileName(), integrity));
}

// One member of the archive, written from a file or from bytes.
void addMember(zipFile zip, const QByteArray &name, const QByteArray &bytes, const QString &archive)
{
    // Stored as they are: encrypted pages do not compress.
    zip_fileinfo info{};
    if (zipOpenNewFileInZip64(zip, name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, 0, 0, 1)
            != ZIP_OK
        || zipWriteInFileInZip(zip, bytes.constData(), unsigned(bytes.size())) != ZIP_OK
        || zipCloseFileInZip(zip) != ZIP_OK)
        throw DbError(QStringLiteral("cannot write %1").arg(archive));
}

void addFile(zipFile zip, const QByteArray &name, const QString &path, const QString &archive)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    addMember(zip, name, file.readAll(), archive);
}

} // namespace

void writeBackup(Connection &main, Connection &lookup, const QString &path)
{
    const QFileInfo target(path);
    QTemporaryDir work(target.absolutePath() + QStringLiteral("/.talvero-backup-XXXXXX"));
    if (!work.isValid())
        throw DbError(QStringLiteral("cannot write in %1").arg(target.absolutePath()));
    const QString mainCopy = work.filePath(QStringLiteral("Main_data.db"));
    const QString lookupCopy = work.filePath(QStringLiteral("C_data.db"));
    copyDatabase(main, mainCopy, QByteArray(kMainFile.key));
    copyDatabase(lookup, lookupCopy, QByteArray(kLookupFile.key));

    const QString partial = work.filePath(QStringLiteral("archive.zip"));
    zipFile zip = zipOpen64(QFile::encodeName(partial).constData(), APPEND_STATUS_CREATE);
    if (!zip)
        throw DbError(QStringLiteral("cannot write %1").arg(path));
    try {
        addMember(zip, kManifestName,
                  QStringLiteral("Talvero CRM backup\n%1\n").arg(QDateTime::currentDateTime().toString(Qt::ISODate)).toUtf8(),
                  path);
        addFile(zip, QByteArray(kMainFile.relativePath), mainCopy, path);
        addFile(zip, QByteArray(kLookupFile.relativePath), lookupCopy, path);
    } catch (...) {
        zipClose(zip, nullptr);
        throw;
    }
    if (zipClose(zip, nullptr) != ZIP_OK)
        throw DbError(QStringLiteral("cannot write %1").arg(path));
    setMode(partial, 0600);
    // Whole or not at all: the finished archive takes the name in one step.
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target.absoluteFilePath()).constData())
        != 0)
        throw DbError(QStringLiteral("cannot write %1").arg(path));
}

QString backupFileName(const QDateTime &when)
{
    return kPrefix + when.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) + QStringLiteral(".zip");
}

QStringList automaticBackups(const QDir &workDir)
{
    const QDir folder(workDir.filePath(kAutomaticFolder));
    QStringList names = folder.entryList({kPrefix + QStringLiteral("*.zip")}, QDir::Files, QDir::Name);
    for (QString &name : names)
        name = folder.filePath(name);
    return names;
}

bool automaticBackupDue(const QDir &workDir, const QDate &day)
{
    const QString today = kPrefix + day.toString(QStringLiteral("yyyy-MM-dd"));
    for (const QString &path : automaticBackups(workDir)) {
        if (QFileInfo(path).fileName().startsWith(today))
            return false;
    }
    return true;
}

QString writeAutomaticBackup(Connection &main, Connection &lookup, const QDir &workDir, const QDateTime &when)
{
    const QString folder = workDir.filePath(kAutomaticFolder);
    makePrivateFolder(folder);
    const QString path = QDir(folder).filePath(backupFileName(when));
    writeBackup(main, lookup, path);
    QStringList kept = automaticBackups(workDir);
    while (kept.size() > kAutomaticBackupsKept)
        QFile::remove(kept.takeFirst());
    return path;
}

} // namespace data
