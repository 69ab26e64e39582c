#include "Restore.h"

#include "Connection.h"
#include "DbError.h"
#include "FreshInstall.h"
#include "PrivateFile.h"
#include "ReminderText.h"
#include "Schema.h"
#include "SchemaCheck.h"
#include "SqlText.h"
#include "Statement.h"
#include "DbCause.h"
#include "SystemReason.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <unzip.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace data {

namespace {

// The largest member an archive of ours may hold; a damaged size field must
// not make us take all the memory there is.
constexpr qint64 kLargestMember = qint64(64) * 1024 * 1024 * 1024;
// The line that says what the archive is, and when it was made.
const char *const kManifestName = "talvero-backup.txt";
constexpr qint64 kLargestManifest = 4096;

QString notABackup(const QString &archive, const QString &why)
{
    return QStringLiteral("\"%1\" 不是可用的备份文件: %2").arg(QDir::toNativeSeparators(archive), why);
}

[[noreturn]] void cannotUnpack(int error)
{
    throw DbError(QStringLiteral("无法解压备份文件: %1").arg(systemReason(error)));
}

void makeFolder(const QString &path)
{
    if (::mkdir(QFile::encodeName(path).constData(), kPrivateFolderMode) != 0
        || ::chmod(QFile::encodeName(path).constData(), kPrivateFolderMode) != 0)
        cannotUnpack(errno);
}

// Why the chosen name is no archive to read, or nothing.
QString notAFile(const QString &archive)
{
    const QFileInfo info(archive);
    if (!info.exists())
        return QStringLiteral("文件不存在");
    if (info.isDir())
        return QStringLiteral("这是一个文件夹");
    if (!info.isFile())
        return QStringLiteral("不是普通文件");
    return {};
}

// When the archive says it was made; invalid when it does not.
QDateTime madeAt(unzFile zip)
{
    if (unzLocateFile(zip, kManifestName, 1) != UNZ_OK)
        return {};
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK
        || qint64(info.uncompressed_size) > kLargestManifest || unzOpenCurrentFile(zip) != UNZ_OK)
        return {};
    QByteArray text(int(info.uncompressed_size), Qt::Uninitialized);
    const int read = unzReadCurrentFile(zip, text.data(), unsigned(text.size()));
    unzCloseCurrentFile(zip);
    if (read != text.size())
        return {};
    const QList<QByteArray> lines = text.split('\n');
    return lines.size() >= 2 ? QDateTime::fromString(QString::fromLatin1(lines.at(1)), Qt::ISODate) : QDateTime();
}

// Unpacks one member of the archive into a private file.
// False when cancelled.
bool unpackMember(unzFile zip, const char *name, const QString &target, const QString &archive, WorkSteps &steps,
                  qint64 &done)
{
    if (unzLocateFile(zip, name, 1) != UNZ_OK)
        throw DbError(notABackup(archive, QStringLiteral("缺少 %1").arg(QString::fromLatin1(name))));
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK
        || qint64(info.uncompressed_size) > kLargestMember || unzOpenCurrentFile(zip) != UNZ_OK)
        throw DbError(notABackup(archive, QStringLiteral("%1 已损坏").arg(QString::fromLatin1(name))));
    auto closeMember = qScopeGuard([zip] { unzCloseCurrentFile(zip); });
    QFile out(target);
    errno = 0;
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly) || !out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        cannotUnpack(errno ? errno : EACCES);
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (;;) {
        const int read = unzReadCurrentFile(zip, buffer.data(), unsigned(buffer.size()));
        if (read < 0)
            throw DbError(notABackup(archive, QStringLiteral("%1 已损坏").arg(QString::fromLatin1(name))));
        if (read == 0)
            break;
        errno = 0;
        if (out.write(buffer.constData(), read) != read)
            cannotUnpack(errno ? errno : EIO);
        done += read;
        if (!steps.at(done))
            return false;
    }
    // The member's checksum is tested once it is read to its end.
    closeMember.dismiss();
    if (unzCloseCurrentFile(zip) != UNZ_OK)
        throw DbError(notABackup(archive, QStringLiteral("%1 已损坏").arg(QString::fromLatin1(name))));
    errno = 0;
    if (!out.flush())
        cannotUnpack(errno ? errno : EIO);
    return true;
}

// Opens an unpacked file with its key and checks it whole: sound, and ours
// in shape. An index of ours it lacks is added to it. Not open when cancelled.
Connection checkDatabase(const QString &path, const DatabaseFile &file, const std::vector<TableDef> &tables,
                         const QStringList &later, const QString &archive, WorkSteps &steps, qint64 at)
{
    if (!steps.at(at))
        return {};
    const QString name = QString::fromLatin1(file.relativePath);
    Connection connection;
    try {
        connection = Connection::open(path, QByteArray(file.key));
    } catch (const DbError &) {
        throw DbError(notABackup(archive, QStringLiteral("%1 无法用本系统的密码打开").arg(name)));
    }
    QStringList problems;
    QString difference;
    try {
        steps.during(connection.handle(), at);
        Statement check(connection, QStringLiteral("PRAGMA integrity_check"));
        while (check.step())
            problems << check.text(0);
        WorkSteps::after(connection.handle());
        if (problems == QStringList{QStringLiteral("ok")})
            difference = schemaDifference(connection, tables, later);
    } catch (const DbError &e) {
        if (steps.cancelled())
            return {};
        throw DbError(notABackup(archive, QStringLiteral("%1 已损坏(%2)").arg(name, causeOf(e))));
    }
    if (problems != QStringList{QStringLiteral("ok")})
        throw DbError(notABackup(archive, QStringLiteral("%1 已损坏").arg(name)));
    if (!difference.isEmpty())
        throw DbError(notABackup(archive, QStringLiteral("%1 %2").arg(name, difference)));
    return connection;
}

// What the program adds to a file that lacks it, and a backup may therefore
// hold or not: the main file's indexes; the reminder's record in the lookup
// file.
QStringList laterInMain()
{
    QStringList statements;
    for (const IndexDef &index : mainIndexes())
        statements << createIndex(index);
    return statements;
}

QStringList laterInLookup()
{
    return {createReminderWatch(), createReminded()};
}

int customersIn(Connection &main)
{
    Statement count(main, QStringLiteral("select count(*) from atc1"));
    return count.step() ? count.text(0).toInt() : 0;
}

// Two folders trade names: where the file system can, in one step;
// elsewhere the one in `place` steps aside first (to `aside`), so that a
// stop in between leaves it there for recoverInterruptedRestore().
void trade(const QString &incoming, const QString &place, const QString &aside)
{
    const QByteArray from = QFile::encodeName(incoming);
    const QByteArray to = QFile::encodeName(place);
    const QByteArray side = QFile::encodeName(aside);
    const auto failed = [&place](int error) {
        throw DbError(fileFailure(QStringLiteral("用恢复的数据替换"), QDir::toNativeSeparators(place), error), error);
    };
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0)
        return;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        failed(errno);
    if (std::rename(to.constData(), side.constData()) != 0)
        failed(errno);
    if (std::rename(from.constData(), to.constData()) != 0) {
        const int reason = errno;
        std::rename(side.constData(), to.constData());
        failed(reason);
    }
    std::rename(side.constData(), from.constData());
}

} // namespace

std::optional<BackupContents> unpackBackup(const QString &archive, const QString &folder, const BackupProgress &progress)
{
    const QString notFile = notAFile(archive);
    if (!notFile.isEmpty())
        throw DbError(notABackup(archive, notFile));
    if (QFileInfo::exists(folder) || QFileInfo(folder).isSymLink())
        cannotUnpack(EEXIST);
    makeFolder(folder);
    auto removeAll = qScopeGuard([folder] { QDir(folder).removeRecursively(); });
    makeFolder(QDir(folder).filePath(QStringLiteral("Data")));

    // Unpacking the files, then checking them, each a share as large as the archive.
    const qint64 size = QFileInfo(archive).size();
    WorkSteps steps(progress, size * 2);
    BackupContents contents;
    unzFile zip = unzOpen64(QFile::encodeName(archive).constData());
    if (!zip)
        throw DbError(notABackup(archive, QStringLiteral("无法读取压缩包")));
    {
        auto closeZip = qScopeGuard([zip] { unzClose(zip); });
        qint64 done = 0;
        for (const DatabaseFile &file : {kMainFile, kLookupFile}) {
            if (!unpackMember(zip, file.relativePath, QDir(folder).filePath(QString::fromLatin1(file.relativePath)),
                              archive, steps, done))
                return std::nullopt;
        }
        contents.made = madeAt(zip);
    }
    const QString mainPath = QDir(folder).filePath(QString::fromLatin1(kMainFile.relativePath));
    const QString lookupPath = QDir(folder).filePath(QString::fromLatin1(kLookupFile.relativePath));
    {
        Connection main = checkDatabase(mainPath, kMainFile, mainTables(), laterInMain(), archive, steps, size);
        if (!main.isOpen())
            return std::nullopt;
        contents.customers = customersIn(main);
        // An older file gets the indexes it lacks now, as at start-up.
        try {
            addMissingIndexes(main);
        } catch (const DbError &e) {
            throw DbError(QStringLiteral("无法解压备份文件: %1").arg(causeOf(e)), e.code());
        }
    }
    if (!checkDatabase(lookupPath, kLookupFile, lookupTables(), laterInLookup(), archive, steps,
                       size + QFileInfo(mainPath).size())
             .isOpen())
        return std::nullopt;
    removeAll.dismiss();
    return contents;
}

QString newRestoreFolder(const QString &workDir)
{
    for (qint64 attempt = 0;; ++attempt) {
        const QString folder = QDir(workDir).filePath(QString::fromLatin1(kRestoreFolderPrefix)
                                                      + QString::number(QDateTime::currentMSecsSinceEpoch() + attempt, 36));
        if (!QFileInfo::exists(folder))
            return folder;
    }
}

void exchangeDataFolders(const QString &workDir, const QString &staging)
{
    trade(QDir(staging).filePath(QStringLiteral("Data")), QDir(workDir).filePath(QStringLiteral("Data")),
          QDir(staging).filePath(QStringLiteral("Data.old")));
}

bool putBackDataFolder(const QString &workDir, const QString &staging, bool traded)
{
    const QString data = QDir(workDir).filePath(QStringLiteral("Data"));
    const QString aside = QDir(staging).filePath(QStringLiteral("Data.old"));
    // Where the old files are: in the working folder unless they traded
    // places; in the staging folder under the unpacked files' name, or still
    // under the name they stepped aside to.
    QString old = data;
    if (traded)
        old = QFileInfo(aside).isDir() ? aside : QDir(staging).filePath(QStringLiteral("Data"));
    else if (!QFileInfo(data).isDir() && QFileInfo(aside).isDir())
        old = aside;
    if (old == data)
        return QFileInfo(data).isDir();
    if (!QFileInfo(old).isDir())
        return false;
    if (!QFileInfo(data).exists() && !QFileInfo(data).isSymLink())
        return std::rename(QFile::encodeName(old).constData(), QFile::encodeName(data).constData()) == 0;
    try {
        trade(old, data, QDir(staging).filePath(QStringLiteral("Data.restored")));
    } catch (const DbError &) {
        return false;
    }
    return true;
}

void recoverInterruptedRestore(const QString &workDir)
{
    const QDir work(workDir);
    const QStringList left =
        work.entryList({QString::fromLatin1(kRestoreFolderPrefix) + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    // The working folder without its Data/: the folder set aside comes back;
    // failing that, the one under the unpacked files' name, which holds the
    // old files once the two had traded places (and checked ones otherwise).
    for (const QString &name : {QStringLiteral("Data.old"), QStringLiteral("Data")}) {
        for (const QString &folder : left) {
            const QString kept = QDir(work.filePath(folder)).filePath(name);
            if (!QFileInfo(work.filePath(QStringLiteral("Data"))).isDir() && QFileInfo(kept).isDir())
                QDir().rename(kept, work.filePath(QStringLiteral("Data")));
        }
    }
    // Only once the working folder has its files again is anything removed.
    if (!QFileInfo(work.filePath(QStringLiteral("Data"))).isDir())
        return;
    for (const QString &folder : left)
        QDir(work.filePath(folder)).removeRecursively();
}

} // namespace data
