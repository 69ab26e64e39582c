#include "Restore.h"

#include "Connection.h"
#include "DbError.h"
#include "PrivateFile.h"
#include "Schema.h"
#include "Statement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSet>
#include <unzip.h>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <QDateTime>

namespace data {

namespace {

// The largest member an archive of ours may hold; a damaged size field must
// not make us take all the memory there is.
constexpr qint64 kLargestMember = qint64(64) * 1024 * 1024 * 1024;

QString notABackup(const QString &archive, const QString &why)
{
    return QStringLiteral("\"%1\" 不是可用的备份文件: %2").arg(QDir::toNativeSeparators(archive), why);
}

// Unpacks one member of the archive into a private file.
void unpackMember(unzFile zip, const char *name, const QString &target, const QString &archive)
{
    if (unzLocateFile(zip, name, 1) != UNZ_OK)
        throw DbError(notABackup(archive, QStringLiteral("缺少 %1").arg(QString::fromLatin1(name))));
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK
        || qint64(info.uncompressed_size) > kLargestMember || unzOpenCurrentFile(zip) != UNZ_OK)
        throw DbError(notABackup(archive, QStringLiteral("%1 已损坏").arg(QString::fromLatin1(name))));
    auto closeMember = qScopeGuard([zip] { unzCloseCurrentFile(zip); });
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        throw DbError(QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
    setMode(target, 0600);
    QByteArray buffer(1 << 16, Qt::Uninitialized);
    for (;;) {
        const int read = unzReadCurrentFile(zip, buffer.data(), unsigned(buffer.size()));
        if (read < 0)
            throw DbError(notABackup(archive, QStringLiteral("%1 已损坏").arg(QString::fromLatin1(name))));
        if (read == 0)
            break;
        if (out.write(buffer.constData(), read) != read)
            throw DbError(QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
    }
    // The member's checksum is tested once it is read to its end.
    closeMember.dismiss();
    if (unzCloseCurrentFile(zip) != UNZ_OK)
        throw DbError(notABackup(archive, QStringLiteral("%1 已损坏").arg(QString::fromLatin1(name))));
    if (!out.flush())
        throw DbError(QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
}

// Opens an unpacked file with its key and checks it whole.
void checkDatabase(const QString &path, const DatabaseFile &file, const std::vector<TableDef> &tables,
                   const QString &archive)
{
    const QString name = QString::fromLatin1(file.relativePath);
    Connection connection;
    try {
        connection = Connection::open(path, QByteArray(file.key));
    } catch (const DbError &) {
        throw DbError(notABackup(archive, QStringLiteral("%1 无法用本系统的密码打开").arg(name)));
    }
    QStringList problems;
    QSet<QString> present;
    try {
        Statement check(connection, QStringLiteral("PRAGMA integrity_check"));
        while (check.step())
            problems << check.text(0);
        Statement names(connection, QStringLiteral("select name from sqlite_master where type = 'table'"));
        while (names.step())
            present << names.text(0).toLower();
    } catch (const DbError &e) {
        throw DbError(notABackup(archive, QStringLiteral("%1 已损坏 (%2)").arg(name, e.message())));
    }
    if (problems != QStringList{QStringLiteral("ok")})
        throw DbError(notABackup(archive, QStringLiteral("%1 已损坏 (%2)").arg(name, problems.join(u' '))));
    for (const TableDef &table : tables) {
        if (!present.contains(table.name.toLower()))
            throw DbError(notABackup(archive, QStringLiteral("%1 缺少表 %2").arg(name, table.name)));
    }
}

} // namespace

void unpackBackup(const QString &archive, const QString &folder)
{
    if (!QFileInfo(archive).isFile())
        throw DbError(notABackup(archive, QStringLiteral("文件不存在")));
    if (QFileInfo::exists(folder))
        throw DbError(QStringLiteral("%1 already exists").arg(folder));
    makePrivateFolder(folder);
    auto removeAll = qScopeGuard([folder] { QDir(folder).removeRecursively(); });
    makePrivateFolder(QDir(folder).filePath(QStringLiteral("Data")));

    unzFile zip = unzOpen64(QFile::encodeName(archive).constData());
    if (!zip)
        throw DbError(notABackup(archive, QStringLiteral("无法读取压缩包")));
    {
        auto closeZip = qScopeGuard([zip] { unzClose(zip); });
        for (const DatabaseFile &file : {kMainFile, kLookupFile})
            unpackMember(zip, file.relativePath, QDir(folder).filePath(QString::fromLatin1(file.relativePath)),
                         archive);
    }
    checkDatabase(QDir(folder).filePath(QString::fromLatin1(kMainFile.relativePath)), kMainFile, mainTables(),
                  archive);
    checkDatabase(QDir(folder).filePath(QString::fromLatin1(kLookupFile.relativePath)), kLookupFile,
                  lookupTables(), archive);
    removeAll.dismiss();
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
    const QByteArray data = QFile::encodeName(QDir(workDir).filePath(QStringLiteral("Data")));
    const QByteArray unpacked = QFile::encodeName(QDir(staging).filePath(QStringLiteral("Data")));
    if (::renameat2(AT_FDCWD, unpacked.constData(), AT_FDCWD, data.constData(), RENAME_EXCHANGE) == 0)
        return;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        fileError("用恢复的数据替换", QString::fromLocal8Bit(data));
    // Without an exchange: the old folder steps aside first, into the staging
    // folder; a restore stopped between the two steps is taken back at the
    // next start.
    const QByteArray aside = QFile::encodeName(QDir(staging).filePath(QStringLiteral("Data.old")));
    if (std::rename(data.constData(), aside.constData()) != 0)
        fileError("移开", QString::fromLocal8Bit(data));
    if (std::rename(unpacked.constData(), data.constData()) != 0) {
        const int reason = errno;
        std::rename(aside.constData(), data.constData());
        errno = reason;
        fileError("用恢复的数据替换", QString::fromLocal8Bit(data));
    }
    std::rename(aside.constData(), unpacked.constData());
}

void recoverInterruptedRestore(const QString &workDir)
{
    const QDir work(workDir);
    const QStringList left =
        work.entryList({QString::fromLatin1(kRestoreFolderPrefix) + u'*'}, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    if (!QFileInfo(work.filePath(QStringLiteral("Data"))).isDir()) {
        for (const QString &folder : left) {
            const QString aside = QDir(work.filePath(folder)).filePath(QStringLiteral("Data.old"));
            if (QFileInfo(aside).isDir() && QDir().rename(aside, work.filePath(QStringLiteral("Data"))))
                break;
        }
    }
    // Only once the working folder has its files again is anything removed.
    if (!QFileInfo(work.filePath(QStringLiteral("Data"))).isDir())
        return;
    for (const QString &folder : left)
        QDir(work.filePath(folder)).removeRecursively();
}

} // namespace data
