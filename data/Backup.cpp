#include "Backup.h"

#include "ArchiveWriter.h"
#include "BackupKeeping.h"
#include "Connection.h"
#include "DbError.h"
#include "OnlineCopy.h"
#include "PrivateFile.h"
#include "Schema.h"
#include "Statement.h"
#include "DbCause.h"
#include "SystemReason.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QTemporaryDir>
#include <sqlite3.h>

#include <cerrno>
#include <memory>
#include <sys/stat.h>

namespace data {

namespace {

const QString kAutomaticFolder = QStringLiteral("Backup");
const QString kPrefix = QStringLiteral("Talvero-备份-");
const QString kWorkPrefix = QStringLiteral(".talvero-backup-");
const QByteArray kManifestName = "talvero-backup.txt";
constexpr qint64 kChunk = qint64(1) << 20;

qint64 sizeOf(Connection &c)
{
    return QFileInfo(c.path()).size();
}

// A copy of an open database, made a few pages at a time. False when cancelled.
bool copyDatabase(Connection &source, const QString &target, const QByteArray &key, WorkSteps &steps, qint64 from)
{
    OnlineCopy copy(source, target, key);
    const qint64 bytes = sizeOf(source);
    while (!copy.step()) {
        if (!steps.at(from + (copy.total() > 0 ? bytes * copy.done() / copy.total() : 0)))
            return false;
    }
    return true;
}

// The engine's check of a whole copy. False when cancelled.
bool checkCopy(const QString &path, const QByteArray &key, const QString &of, WorkSteps &steps, qint64 at)
{
    if (!steps.at(at))
        return false;
    QStringList problems;
    try {
        Connection copy = Connection::open(path, key);
        // Long for a large file: the window answers meanwhile.
        steps.during(copy.handle(), at);
        Statement check(copy, QStringLiteral("PRAGMA integrity_check"));
        while (check.step())
            problems << check.text(0);
    } catch (const DbError &e) {
        if (steps.cancelled())
            return false;
        throw DbError(QStringLiteral("无法检查数据文件 %1 的副本: %2").arg(of, causeOf(e)), e.code());
    }
    if (problems != QStringList{QStringLiteral("ok")})
        throw DbError(QStringLiteral("数据文件 %1 的副本已损坏,备份没有完成").arg(of));
    return true;
}

// One file into the archive, a piece at a time. False when cancelled.
bool addFile(ArchiveWriter &archive, const QByteArray &name, const QString &path, WorkSteps &steps, qint64 from)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw DbError(QStringLiteral("无法读取数据文件的副本 %1").arg(QFileInfo(path).fileName()));
    archive.begin(name);
    for (qint64 done = 0;;) {
        const QByteArray piece = file.read(kChunk);
        if (piece.isEmpty())
            break;
        archive.write(piece);
        done += piece.size();
        if (!steps.at(from + done))
            return false;
    }
    if (file.error() != QFileDevice::NoError)
        throw DbError(QStringLiteral("无法读取数据文件的副本 %1").arg(QFileInfo(path).fileName()));
    archive.end();
    return true;
}

// The private folder the copies are made in.
std::unique_ptr<QTemporaryDir> workFolder(const QDir &workDir)
{
    const QString folder = automaticBackupFolder(workDir);
    makePrivateFolder(folder);
    errno = 0;
    auto work = std::make_unique<QTemporaryDir>(QDir(folder).filePath(kWorkPrefix + QStringLiteral("XXXXXX")));
    if (!work->isValid())
        throw DbError(fileFailure(QStringLiteral("写入"), QDir::toNativeSeparators(folder), errno ? errno : EACCES));
    return work;
}

QMutex thisRunMutex;
QStringList &madeThisRun()
{
    static QStringList made;
    return made;
}

} // namespace

bool writeBackup(const QDir &workDir, Connection &main, Connection &lookup, const QString &path, const QDateTime &when,
                 const BackupProgress &progress)
{
    const qint64 mainBytes = sizeOf(main);
    const qint64 lookupBytes = sizeOf(lookup);
    // The copies first, then their checks, then the archive, then the file
    // that takes its name, each a share as large as the files.
    const qint64 bytes = mainBytes + lookupBytes;
    WorkSteps steps(progress, bytes * 4);
    if (QFileInfo(path).isDir())
        throw DbError(fileFailure(QStringLiteral("写入"), QDir::toNativeSeparators(path), EISDIR));
    const std::unique_ptr<QTemporaryDir> work = workFolder(workDir);
    const QString mainCopy = work->filePath(QStringLiteral("Main_data.db"));
    const QString lookupCopy = work->filePath(QStringLiteral("C_data.db"));
    const QString mainName = QFileInfo(QString::fromLatin1(kMainFile.relativePath)).fileName();
    const QString lookupName = QFileInfo(QString::fromLatin1(kLookupFile.relativePath)).fileName();
    if (!copyDatabase(main, mainCopy, QByteArray(kMainFile.key), steps, 0)
        || !copyDatabase(lookup, lookupCopy, QByteArray(kLookupFile.key), steps, mainBytes)
        || !checkCopy(mainCopy, QByteArray(kMainFile.key), mainName, steps, bytes)
        || !checkCopy(lookupCopy, QByteArray(kLookupFile.key), lookupName, steps, bytes + mainBytes)
        || !steps.at(bytes * 2))
        return false;

    // The archive is made in the work folder (the engine's zip goes back to
    // fill in each member's header), then written under its name in one go.
    const QString zipped = work->filePath(QStringLiteral("archive.zip"));
    {
        const QString shownFolder = QDir::toNativeSeparators(automaticBackupFolder(workDir));
        // Unbuffered: a write the disk refuses fails at once, with its reason.
        QFile file(zipped);
        errno = 0;
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            throw DbError(fileFailure(QStringLiteral("写入"), shownFolder, errno ? errno : EACCES));
        ArchiveWriter archive(file, shownFolder, when);
        archive.begin(kManifestName);
        archive.write(QStringLiteral("Talvero CRM backup\n%1\n").arg(when.toString(Qt::ISODate)).toUtf8());
        archive.end();
        if (!addFile(archive, QByteArray(kMainFile.relativePath), mainCopy, steps, bytes * 2)
            || !addFile(archive, QByteArray(kLookupFile.relativePath), lookupCopy, steps, bytes * 2 + mainBytes))
            return false;
        archive.close();
    }
    // The copies are in the archive now: the disk need not hold them any longer.
    QFile::remove(mainCopy);
    QFile::remove(lookupCopy);
    QFile archive(zipped);
    if (!archive.open(QIODevice::ReadOnly))
        throw DbError(fileFailure(QStringLiteral("读取"), QDir::toNativeSeparators(zipped), EIO));
    PrivateFileWriter out(path);
    for (qint64 done = 0;;) {
        const QByteArray piece = archive.read(kChunk);
        if (piece.isEmpty())
            break;
        out.device().write(piece);
        done += piece.size();
        if (!steps.at(bytes * 3 + done))
            return false;
    }
    if (archive.error() != QFileDevice::NoError)
        throw DbError(fileFailure(QStringLiteral("读取"), QDir::toNativeSeparators(zipped), EIO));
    out.commit();
    return true;
}

void removeInterruptedBackups(const QDir &workDir)
{
    QDir folder(automaticBackupFolder(workDir));
    const QStringList left =
        folder.entryList({kWorkPrefix + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString &name : left)
        QDir(folder.filePath(name)).removeRecursively();
    // An archive the writer had not given its name yet (PrivateFileWriter
    // writes ".<name>.XXXXXX" beside the name).
    const QStringList partial = folder.entryList({u'.' + kPrefix + QStringLiteral("*.zip.??????")},
                                                 QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : partial)
        QFile::remove(folder.filePath(name));
}

QString backupFileName(const QDateTime &when)
{
    return kPrefix + when.toString(QStringLiteral("yyyy-MM-dd-HHmmss")) + QStringLiteral(".zip");
}

QString automaticBackupFolder(const QDir &workDir)
{
    return workDir.filePath(kAutomaticFolder);
}

QStringList automaticBackups(const QDir &workDir)
{
    const QDir folder(automaticBackupFolder(workDir));
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

QString writeAutomaticBackup(Connection &main, Connection &lookup, const QDir &workDir, const QDateTime &when,
                             const BackupProgress &progress)
{
    const QDir folder(automaticBackupFolder(workDir));
    QString path = folder.filePath(backupFileName(when));
    // Two in one second: the second gets a number, it never replaces the first.
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = folder.filePath(backupFileName(when).chopped(4) + QStringLiteral("-%1.zip").arg(n));
    if (!writeBackup(workDir, main, lookup, path, when, progress))
        return {};
    QStringList thisRun;
    {
        QMutexLocker lock(&thisRunMutex);
        madeThisRun() << QFileInfo(path).absoluteFilePath();
        for (const QString &made : madeThisRun()) {
            if (QFileInfo(made).absolutePath() == folder.absolutePath())
                thisRun << QFileInfo(made).fileName();
        }
    }
    const QStringList names = folder.entryList({kPrefix + QStringLiteral("*.zip")}, QDir::Files, QDir::Name);
    for (const QString &name : backupsToRemove(names, thisRun, when)) {
        if (name != QFileInfo(path).fileName())
            QFile::remove(folder.filePath(name));
    }
    return path;
}

} // namespace data
