// Backups of a working installation: both encrypted files copied while they
// are open, into one private archive, and unpacked again only when the
// archive is whole, sound and ours in shape.
#include "Backup.h"
#include "BackupKeeping.h"
#include "Connection.h"
#include "DbError.h"
#include "ReminderRecord.h"
#include "Restore.h"
#include "Schema.h"
#include "SqlText.h"
#include "Statement.h"
#include "TestSupport.h"
#include "ZipFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unzip.h>

using testing::bytesOf;
using testing::writeZip;

namespace {

// Every row of a table of an encrypted file, its columns joined.
QStringList rowsOf(const QString &path, const QByteArray &key, const QString &sql)
{
    data::Connection c = data::Connection::open(path, key);
    QStringList rows;
    data::Statement s(c, sql);
    while (s.step()) {
        QStringList cells;
        for (int i = 0; i < s.columnCount(); ++i)
            cells << (s.isNull(i) ? QStringLiteral("<null>") : s.text(i));
        rows << cells.join(QChar(31));
    }
    return rows;
}

// The date and time each member of a zip carries, by name.
QStringList memberTimes(const QString &archive)
{
    QStringList times;
    unzFile zip = unzOpen64(QFile::encodeName(archive).constData());
    for (int rc = unzGoToFirstFile(zip); rc == UNZ_OK; rc = unzGoToNextFile(zip)) {
        unz_file_info64 info{};
        char name[256] = {};
        unzGetCurrentFileInfo64(zip, &info, name, sizeof name - 1, nullptr, 0, nullptr, 0);
        const tm_unz &t = info.tmu_date;
        times << QStringLiteral("%1 %2-%3-%4 %5:%6:%7")
                     .arg(QString::fromUtf8(name))
                     .arg(t.tm_year)
                     .arg(t.tm_mon + 1)
                     .arg(t.tm_mday)
                     .arg(t.tm_hour)
                     .arg(t.tm_min)
                     .arg(t.tm_sec);
    }
    unzClose(zip);
    return times;
}

QString named(const char *time)
{
    return QStringLiteral("Talvero-备份-%1.zip").arg(QLatin1String(time));
}

QStringList namedAll(std::initializer_list<const char *> times)
{
    QStringList names;
    for (const char *t : times)
        names << named(t);
    return names;
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void backupGivesBackTheSameRows();
    void anArchiveSaysWhenItWasMadeAndWhatItHolds();
    void aSaveGoesThroughWhileTheBackupIsUnderWay();
    void unsoundArchivesAreRefused_data();
    void unsoundArchivesAreRefused();
    void filesOfEarlierAndLaterRunsAreTaken_data();
    void filesOfEarlierAndLaterRunsAreTaken();
    void aBackupThatCannotBeWrittenLeavesNothing_data();
    void aBackupThatCannotBeWrittenLeavesNothing();
    void aBackupOverALinkReplacesTheLink();
    void aFileThatCannotGrowIsNamed();
    void aCancelledBackupLeavesNothing_data();
    void aCancelledBackupLeavesNothing();
    void whichAutomaticBackupsAreKept_data();
    void whichAutomaticBackupsAreKept();
    void automaticBackupsOnePerDayDue();
    void theBackupJustWrittenIsKeptWhateverTheClockSaidBefore();

private:
    QString file(const char *relative) const { return m_install->path(QString::fromLatin1(relative)); }
    void backUp(const QString &archive, const QDateTime &when = QDateTime::currentDateTime(),
                const data::BackupProgress &progress = {});
    // The archive with the main file changed by these statements first.
    QString archiveWithMainChanged(const QStringList &statements);

    std::unique_ptr<testing::TempInstall> m_install;
    std::unique_ptr<QTemporaryDir> m_outDir;
    QString out(const QString &name) const { return m_outDir->filePath(name); }
};

void TestBackup::init()
{
    m_install = std::make_unique<testing::TempInstall>();
    m_outDir = std::make_unique<QTemporaryDir>();
    m_install->execMain(QStringLiteral("insert into atc1 (a1, a2, a9) values ('张三', 'O''Neil', '第一行\n第二行')"));
    m_install->execMain(QStringLiteral("insert into atc2 (c1) values ('星辰贸易')"));
    m_install->execLookup(QStringLiteral("insert into vx1 (mc1) values ('朋友')"));
}

void TestBackup::cleanup()
{
    m_install.reset();
    m_outDir.reset();
}

void TestBackup::backUp(const QString &archive, const QDateTime &when, const data::BackupProgress &progress)
{
    data::Connection main = data::Connection::open(file(data::kMainFile.relativePath), data::kMainFile.key);
    data::Connection lookup = data::Connection::open(file(data::kLookupFile.relativePath), data::kLookupFile.key);
    QVERIFY(data::writeBackup(m_install->dir(), main, lookup, archive, when, progress));
}

QString TestBackup::archiveWithMainChanged(const QStringList &statements)
{
    const QString copy = out(QStringLiteral("main.db"));
    QFile::remove(copy);
    if (!QFile::copy(file(data::kMainFile.relativePath), copy))
        return {};
    {
        data::Connection c = data::Connection::open(copy, data::kMainFile.key);
        for (const QString &sql : statements)
            c.execute(sql);
    }
    const QString archive = out(QStringLiteral("changed.zip"));
    QFile::remove(archive);
    writeZip(archive, {{"Data/Main_data.db", bytesOf(copy)}, {"Data/C_data.db", bytesOf(file(data::kLookupFile.relativePath))}});
    return archive;
}

// What the archive gives back reads as the files did, each under its key,
// and the archive is the user's alone; the copies it was made of are gone.
void TestBackup::backupGivesBackTheSameRows()
{
    const QString archive = out(QStringLiteral("backup.zip"));
    backUp(archive);
    QCOMPARE(QFile::permissions(archive) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
    QCOMPARE(QDir(m_install->path(QStringLiteral("Backup"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    const QString unpacked = out(QStringLiteral("unpacked"));
    data::unpackBackup(archive, unpacked);
    for (const data::TableDef &table : data::mainTables()) {
        const QString sql = QStringLiteral("select * from %1 order by rowid").arg(table.name);
        QCOMPARE(rowsOf(unpacked + QStringLiteral("/Data/Main_data.db"), data::kMainFile.key, sql),
                 rowsOf(file(data::kMainFile.relativePath), data::kMainFile.key, sql));
    }
    QCOMPARE(rowsOf(unpacked + QStringLiteral("/Data/C_data.db"), data::kLookupFile.key,
                    QStringLiteral("select * from vx1")),
             QStringList{QStringLiteral("1") + QChar(31) + QStringLiteral("朋友")});
}

// Every member is dated with the time of the backup, and the archive tells
// that time and how many customers it holds.
void TestBackup::anArchiveSaysWhenItWasMadeAndWhatItHolds()
{
    const QString archive = out(QStringLiteral("backup.zip"));
    const QDateTime when(QDate(2026, 12, 11), QTime(9, 30, 14));
    backUp(archive, when);
    QCOMPARE(memberTimes(archive), (QStringList{QStringLiteral("talvero-backup.txt 2026-12-11 9:30:14"),
                                               QStringLiteral("Data/Main_data.db 2026-12-11 9:30:14"),
                                               QStringLiteral("Data/C_data.db 2026-12-11 9:30:14")}));
    const data::BackupContents contents = *data::unpackBackup(archive, out(QStringLiteral("unpacked")));
    QCOMPARE(contents.made, when);
    QCOMPARE(contents.customers, 1);
}

// Between two steps of the copy nothing is locked: a save from another
// connection, which waits for no lock at all, goes through, and the backup
// still ends, whole and sound, with the saved row in it.
void TestBackup::aSaveGoesThroughWhileTheBackupIsUnderWay()
{
    // Several steps' worth of pages.
    m_install->execMain(QStringLiteral(
        "insert into atc1 (a1, a9) with recursive n(i) as (select 1 union all select i + 1 from n where i < 1500) "
        "select 'customer ' || i, printf('%.1000c', 'x') from n"));
    data::Connection other = data::Connection::open(file(data::kMainFile.relativePath), data::kMainFile.key);
    other.execute(QStringLiteral("PRAGMA busy_timeout = 0"));
    bool saved = false;
    const QString archive = out(QStringLiteral("backup.zip"));
    backUp(archive, QDateTime::currentDateTime(), [&](int permille) {
        if (!saved && permille > 0 && permille < 250) {
            other.execute(QStringLiteral("insert into atc1 (a1) values ('saved meanwhile')"));
            saved = true;
        }
        return true;
    });
    QVERIFY(saved);
    const QString unpacked = out(QStringLiteral("unpacked"));
    QCOMPARE(data::unpackBackup(archive, unpacked)->customers, 1502);
    QCOMPARE(rowsOf(unpacked + QStringLiteral("/Data/Main_data.db"), data::kMainFile.key,
                    QStringLiteral("select a1 from atc1 order by aid desc limit 1")),
             QStringList{QStringLiteral("saved meanwhile")});
}

void TestBackup::unsoundArchivesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("changes"); // to the main file, for kind "main changed"
    QTest::addColumn<QString>("says");
    const QStringList none;
    QTest::newRow("no such file") << "missing" << none << "文件不存在";
    QTest::newRow("a folder") << "folder" << none << "这是一个文件夹";
    QTest::newRow("a named pipe") << "fifo" << none << "不是普通文件";
    QTest::newRow("not a zip") << "garbage" << none << "无法读取压缩包";
    QTest::newRow("cut short") << "truncated" << none << "无法读取压缩包";
    QTest::newRow("one file missing") << "one file" << none << "缺少 Data/C_data.db";
    QTest::newRow("files under other keys") << "other keys" << none << "Data/Main_data.db 无法用本系统的密码打开";
    QTest::newRow("a table missing") << "no table" << none << "Data/C_data.db 缺少表 vx19";

    data::TableDef shortOfOne = *data::findTable(QStringLiteral("atc1"));
    shortOfOne.columns.removeLast();
    QTest::newRow("a column missing")
        << "main changed" << QStringList{QStringLiteral("drop table atc1"), data::createTable(shortOfOne)}
        << "Data/Main_data.db 中的表 atc1 与本系统的不同";
    QTest::newRow("a trigger")
        << "main changed"
        << QStringList{QStringLiteral("create trigger t after insert on atc1 begin delete from atc1; delete from atc2; end")}
        << "Data/Main_data.db 含有本系统没有的触发器";
    QTest::newRow("a view") << "main changed" << QStringList{QStringLiteral("create view v as select * from atc1")}
                            << "Data/Main_data.db 含有本系统没有的视图";
    QTest::newRow("an index of its own") << "main changed"
                                         << QStringList{QStringLiteral("create unique index u on atc1 (a1)")}
                                         << "Data/Main_data.db 含有本系统没有的索引";
    QTest::newRow("a table of its own") << "main changed" << QStringList{QStringLiteral("create table extra (x)")}
                                        << "Data/Main_data.db 含有本系统没有的表";
    QTest::newRow("our index changed")
        << "main changed"
        << QStringList{QStringLiteral("drop index vtv1_e3"), QStringLiteral("create index vtv1_e3 on vtv1 (e3)")}
        << "Data/Main_data.db 中的索引 vtv1_e3 与本系统的不同";
    QTest::newRow("a table of ours changed")
        << "main changed" << QStringList{QStringLiteral("drop table ptp1"), QStringLiteral("create table ptp1 (watts)")}
        << "Data/Main_data.db 中的表 ptp1 与本系统的不同";
}

// An archive that is not a whole backup of ours, in content and in shape, is
// refused before anything is kept of it, with a message that says why.
void TestBackup::unsoundArchivesAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, changes);
    QFETCH(QString, says);
    QString archive = out(QStringLiteral("tried.zip"));
    const QByteArray main = bytesOf(file(data::kMainFile.relativePath));
    const QByteArray lookup = bytesOf(file(data::kLookupFile.relativePath));
    if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(archive));
    } else if (kind == QLatin1String("fifo")) {
        QCOMPARE(::mkfifo(QFile::encodeName(archive).constData(), 0600), 0);
    } else if (kind == QLatin1String("garbage")) {
        testing::writeFile(archive, QByteArray(4096, 'x'));
    } else if (kind == QLatin1String("truncated")) {
        const QString good = out(QStringLiteral("good.zip"));
        backUp(good);
        testing::writeFile(archive, bytesOf(good).left(bytesOf(good).size() / 2));
    } else if (kind == QLatin1String("one file")) {
        writeZip(archive, {{"Data/Main_data.db", main}});
    } else if (kind == QLatin1String("other keys")) {
        const QString other = out(QStringLiteral("other.db"));
        data::Connection::create(other, "another key").execute(QStringLiteral("create table t (a)"));
        writeZip(archive, {{"Data/Main_data.db", bytesOf(other)}, {"Data/C_data.db", lookup}});
    } else if (kind == QLatin1String("no table")) {
        const QString copy = out(QStringLiteral("lookup.db"));
        QVERIFY(QFile::copy(file(data::kLookupFile.relativePath), copy));
        data::Connection::open(copy, data::kLookupFile.key).execute(QStringLiteral("drop table vx19"));
        writeZip(archive, {{"Data/Main_data.db", main}, {"Data/C_data.db", bytesOf(copy)}});
    } else if (kind == QLatin1String("main changed")) {
        archive = archiveWithMainChanged(changes);
    }
    const QString unpacked = out(QStringLiteral("unpacked"));
    try {
        data::unpackBackup(archive, unpacked);
        QFAIL("the archive was taken");
    } catch (const data::DbError &e) {
        QCOMPARE(e.message(), QStringLiteral("\"%1\" 不是可用的备份文件: %2").arg(archive, says));
    }
    QVERIFY(!QFileInfo::exists(unpacked));
}

void TestBackup::filesOfEarlierAndLaterRunsAreTaken_data()
{
    QTest::addColumn<bool>("reminded"); // the lookup file holds the reminder's record
    QTest::addColumn<QStringList>("changes"); // to the main file
    QTest::newRow("made before the reminder's index") << false << QStringList{QStringLiteral("drop index vtv1_e3")};
    QTest::newRow("with the reminder's record") << true << QStringList();
}

// What the program adds to a file that lacks it (the reminder's index, its
// record of what it announced) may be there or not: such a file is a backup
// of ours, and what is unpacked has the index.
void TestBackup::filesOfEarlierAndLaterRunsAreTaken()
{
    QFETCH(bool, reminded);
    QFETCH(QStringList, changes);
    if (reminded) {
        data::Connection lookup = data::Connection::open(file(data::kLookupFile.relativePath), data::kLookupFile.key);
        data::markReminded(lookup, {{1, QStringLiteral("2026-12-11 09:30")}});
    }
    const QString archive = archiveWithMainChanged(changes);
    const QString unpacked = out(QStringLiteral("unpacked"));
    QCOMPARE(data::unpackBackup(archive, unpacked)->customers, 1);
    QCOMPARE(rowsOf(unpacked + QStringLiteral("/Data/Main_data.db"), data::kMainFile.key,
                    QStringLiteral("select name from sqlite_master where type = 'index'")),
             QStringList{QStringLiteral("vtv1_e3")});
}

void TestBackup::aBackupThatCannotBeWrittenLeavesNothing_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("says"); // %1: the archive, %2: the working folder
    QTest::newRow("a folder that is a file") << "file/backup.zip"
                                             << "无法创建“%1”:路径中有一项不是文件夹";
    QTest::newRow("a name a folder has") << "taken" << "无法写入“%1”:这是一个文件夹";
    QTest::newRow("no folder for the copies") << "backup.zip"
                                              << "无法创建文件夹“%2/Backup”:同名的文件已存在";
}

// A backup that cannot be written says why, in words, and leaves nothing
// behind; what had the name keeps it.
void TestBackup::aBackupThatCannotBeWrittenLeavesNothing()
{
    QFETCH(QString, where);
    QFETCH(QString, says);
    testing::writeFile(out(QStringLiteral("file")), {});
    QVERIFY(QDir().mkpath(out(QStringLiteral("taken/inside"))));
    if (where == QLatin1String("backup.zip"))
        testing::writeFile(m_install->path(QStringLiteral("Backup")), {});
    const QStringList before = QDir(out(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    data::Connection main = data::Connection::open(file(data::kMainFile.relativePath), data::kMainFile.key);
    data::Connection lookup = data::Connection::open(file(data::kLookupFile.relativePath), data::kLookupFile.key);
    try {
        data::writeBackup(m_install->dir(), main, lookup, out(where));
        QFAIL("the backup was written");
    } catch (const data::DbError &e) {
        QCOMPARE(e.message(), says.replace(QStringLiteral("%1"), out(where)).replace(QStringLiteral("%2"), m_install->dir().absolutePath()));
    }
    QCOMPARE(QDir(out(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    QVERIFY(QFileInfo(out(QStringLiteral("taken/inside"))).isDir());
    QCOMPARE(QDir(m_install->path(QStringLiteral("Backup"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

// A symbolic link of the archive's name is replaced by the archive; what it
// points to is left as it was.
void TestBackup::aBackupOverALinkReplacesTheLink()
{
    testing::writeFile(out(QStringLiteral("kept.txt")), "the user's own");
    QVERIFY(QFile::link(out(QStringLiteral("kept.txt")), out(QStringLiteral("backup.zip"))));
    backUp(out(QStringLiteral("backup.zip")));
    QVERIFY(!QFileInfo(out(QStringLiteral("backup.zip"))).isSymLink());
    QCOMPARE(bytesOf(out(QStringLiteral("kept.txt"))), QByteArray("the user's own"));
    QCOMPARE(data::unpackBackup(out(QStringLiteral("backup.zip")), out(QStringLiteral("unpacked")))->customers, 1);
}

// Files that cannot grow past a few pages (a limit on the size of files,
// much as a full disk): the backup says why in words and leaves nothing.
void TestBackup::aFileThatCannotGrowIsNamed()
{
    m_install->execMain(QStringLiteral("insert into atc1 (a9) select printf('%.100000c', 'x')"));
    data::Connection main = data::Connection::open(file(data::kMainFile.relativePath), data::kMainFile.key);
    data::Connection lookup = data::Connection::open(file(data::kLookupFile.relativePath), data::kLookupFile.key);
    rlimit before{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &before), 0);
    rlimit small = before;
    small.rlim_cur = 32 * 1024;
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    QString message;
    try {
        data::writeBackup(m_install->dir(), main, lookup, out(QStringLiteral("backup.zip")));
    } catch (const data::DbError &e) {
        message = e.message();
    }
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldSignal);
    QCOMPARE(message, QStringLiteral("无法复制数据文件 Main_data.db: 文件太大"));
    QCOMPARE(QDir(out(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QCOMPARE(QDir(m_install->path(QStringLiteral("Backup"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void TestBackup::aCancelledBackupLeavesNothing_data()
{
    QTest::addColumn<int>("calls"); // of the progress, the last of them answered with stop
    QTest::newRow("while the copies are checked") << 1;
    QTest::newRow("while the archive is written") << 5;
}

// 取 消 stops the backup: no archive, and no copy left of the files.
void TestBackup::aCancelledBackupLeavesNothing()
{
    QFETCH(int, calls);
    const QString archive = out(QStringLiteral("backup.zip"));
    data::Connection main = data::Connection::open(file(data::kMainFile.relativePath), data::kMainFile.key);
    data::Connection lookup = data::Connection::open(file(data::kLookupFile.relativePath), data::kLookupFile.key);
    int called = 0;
    QVERIFY(!data::writeBackup(m_install->dir(), main, lookup, archive, QDateTime::currentDateTime(),
                               [&](int) { return ++called < calls; }));
    QCOMPARE(called, calls);
    QCOMPARE(QDir(out(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QCOMPARE(QDir(m_install->path(QStringLiteral("Backup"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

void TestBackup::whichAutomaticBackupsAreKept_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("thisRun");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QStringList>("removed");
    const QDateTime afternoon(QDate(2026, 12, 6), QTime(15, 0));
    QTest::newRow("exits of one afternoon leave every day")
        << namedAll({"2026-12-01-090000", "2026-12-02-090000", "2026-12-03-090000", "2026-12-04-090000",
                     "2026-12-05-090000", "2026-12-06-090000", "2026-12-06-140000", "2026-12-06-140100",
                     "2026-12-06-140200", "2026-12-06-140300", "2026-12-06-140400", "2026-12-06-140500",
                     "2026-12-06-140600", "2026-12-06-140700"})
        << QStringList() << afternoon << namedAll({"2026-12-06-140000"});
    QTest::newRow("the first of the last seven days and seven others")
        << namedAll({"2026-12-01-090000", "2026-12-01-180000", "2026-12-02-090000", "2026-12-02-180000",
                     "2026-12-03-090000", "2026-12-03-180000", "2026-12-04-090000", "2026-12-04-180000",
                     "2026-12-05-090000", "2026-12-05-180000", "2026-12-06-090000", "2026-12-06-180000",
                     "2026-12-07-090000", "2026-12-07-180000", "2026-12-08-090000", "2026-12-08-180000",
                     "2026-12-09-090000", "2026-12-09-180000"})
        << QStringList() << QDateTime(QDate(2026, 12, 9), QTime(19, 0))
        << namedAll({"2026-12-01-090000", "2026-12-01-180000", "2026-12-02-090000", "2026-12-02-180000"});
    const QStringList ahead = namedAll({"2027-01-01-090000", "2027-01-02-090000", "2027-01-03-090000",
                                        "2027-01-04-090000", "2027-01-05-090000", "2027-01-06-090000",
                                        "2027-01-07-090000"});
    const QDateTime morning(QDate(2026, 12, 11), QTime(10, 0));
    QTest::newRow("made while the clock ran ahead, then one now")
        << ahead + namedAll({"2026-12-11-100000"}) << namedAll({"2026-12-11-100000"}) << morning << QStringList();
    const QStringList today = namedAll({"2026-12-11-100000", "2026-12-11-110000", "2026-12-11-120000",
                                        "2026-12-11-130000", "2026-12-11-140000", "2026-12-11-150000",
                                        "2026-12-11-160000"});
    QTest::newRow("made while the clock ran ahead, then seven now")
        << ahead + today << today << morning.addSecs(6 * 3600)
        << namedAll({"2027-01-01-090000", "2027-01-02-090000", "2027-01-03-090000", "2027-01-04-090000",
                     "2027-01-05-090000", "2027-01-06-090000"});
    QTest::newRow("two in one second, and a name not of ours")
        << namedAll({"2026-12-11-100000-2", "2026-12-11-100000", "2026-12-11-110000", "2026-12-11-120000",
                     "2026-12-11-130000", "2026-12-11-140000", "2026-12-11-150000", "2026-12-11-160000",
                     "2026-12-11-170000"})
               + QStringList{QStringLiteral("Talvero-备份-我的.zip")}
        << QStringList() << QDateTime(QDate(2026, 12, 11), QTime(18, 0)) << namedAll({"2026-12-11-100000-2"});
}

// The first backup of each of the last seven days stays, and the last seven
// others; a clock that ran ahead never takes the newest away.
void TestBackup::whichAutomaticBackupsAreKept()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, thisRun);
    QFETCH(QDateTime, now);
    QFETCH(QStringList, removed);
    QCOMPARE(data::backupsToRemove(names, thisRun, now), removed);
}

// One automatic backup a day is due; the folder is the user's alone.
void TestBackup::automaticBackupsOnePerDayDue()
{
    const QDir work = m_install->dir();
    const QDate day(2026, 12, 1);
    QVERIFY(data::automaticBackupDue(work, day));
    data::Connection main = data::Connection::open(file(data::kMainFile.relativePath), data::kMainFile.key);
    data::Connection lookup = data::Connection::open(file(data::kLookupFile.relativePath), data::kLookupFile.key);
    const QString first = data::writeAutomaticBackup(main, lookup, work, QDateTime(day, QTime(9, 30)));
    const QString second = data::writeAutomaticBackup(main, lookup, work, QDateTime(day, QTime(9, 30)));
    QCOMPARE(data::automaticBackups(work), (QStringList{second, first}));
    QVERIFY(second.endsWith(QStringLiteral("/Backup/Talvero-备份-2026-12-01-093000-2.zip")));
    QVERIFY(!data::automaticBackupDue(work, day));
    QVERIFY(data::automaticBackupDue(work, day.addDays(1)));
    QCOMPARE(QFile::permissions(work.filePath(QStringLiteral("Backup"))) & 0x0777,
             QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

// Seven backups named for a year ahead (the clock was wrong then): the one
// written now, taken before a restore perhaps, stays, and so do they.
void TestBackup::theBackupJustWrittenIsKeptWhateverTheClockSaidBefore()
{
    const QDir work = m_install->dir();
    QVERIFY(work.mkdir(QStringLiteral("Backup")));
    QStringList ahead;
    for (int day = 1; day <= 7; ++day) {
        ahead << work.filePath(QStringLiteral("Backup/Talvero-备份-2027-01-0%1-090000.zip").arg(day));
        testing::writeFile(ahead.last(), "an archive of a year ahead");
    }
    data::Connection main = data::Connection::open(file(data::kMainFile.relativePath), data::kMainFile.key);
    data::Connection lookup = data::Connection::open(file(data::kLookupFile.relativePath), data::kLookupFile.key);
    const QString written = data::writeAutomaticBackup(main, lookup, work, QDateTime(QDate(2026, 12, 11), QTime(10, 0)));
    QCOMPARE(data::automaticBackups(work), QStringList{written} + ahead);
    QCOMPARE(data::unpackBackup(written, out(QStringLiteral("unpacked")))->customers, 1);
}

QTEST_MAIN(TestBackup)
#include "test_backup.moc"
