// Backups of a working installation: both encrypted files copied while they
// are open, into one private archive, and unpacked again only when the
// archive is whole and sound.
#include "Backup.h"
#include "Connection.h"
#include "DbError.h"
#include "Restore.h"
#include "Schema.h"
#include "Statement.h"
#include "TestSupport.h"
#include "ZipFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void backupGivesBackTheSameRows();
    void unsoundArchivesAreRefused_data();
    void unsoundArchivesAreRefused();
    void aBackupThatCannotBeWrittenLeavesNothing_data();
    void aBackupThatCannotBeWrittenLeavesNothing();
    void automaticBackupsKeepTheNewestSeven();

private:
    QString file(const char *relative) const { return m_install->path(QString::fromLatin1(relative)); }
    void backUp(const QString &archive);

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

void TestBackup::backUp(const QString &archive)
{
    data::Connection main = data::Connection::open(file(data::kMainFile.relativePath), data::kMainFile.key);
    data::Connection lookup = data::Connection::open(file(data::kLookupFile.relativePath), data::kLookupFile.key);
    data::writeBackup(main, lookup, archive);
}

// What the archive gives back reads as the files did, each under its key,
// and the archive is the user's alone.
void TestBackup::backupGivesBackTheSameRows()
{
    const QString archive = out(QStringLiteral("backup.zip"));
    backUp(archive);
    QCOMPARE(QFile::permissions(archive) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
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

void TestBackup::unsoundArchivesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("says");
    QTest::newRow("no such file") << "missing" << "文件不存在";
    QTest::newRow("not a zip") << "garbage" << "无法读取压缩包";
    QTest::newRow("cut short") << "truncated" << "";
    QTest::newRow("one file missing") << "one file" << "缺少 Data/C_data.db";
    QTest::newRow("files under other keys") << "other keys" << "无法用本系统的密码打开";
    QTest::newRow("a table missing") << "no table" << "缺少表 vx19";
}

// An archive that is not a whole backup of ours is refused before anything
// is kept of it.
void TestBackup::unsoundArchivesAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, says);
    const QString good = out(QStringLiteral("good.zip"));
    backUp(good);
    const QString archive = out(QStringLiteral("tried.zip"));
    const QByteArray main = bytesOf(file(data::kMainFile.relativePath));
    const QByteArray lookup = bytesOf(file(data::kLookupFile.relativePath));
    if (kind == QLatin1String("garbage")) {
        QFile f(archive);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    } else if (kind == QLatin1String("truncated")) {
        QFile f(archive);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytesOf(good).left(bytesOf(good).size() / 2));
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
    }
    const QString unpacked = out(QStringLiteral("unpacked"));
    try {
        data::unpackBackup(archive, unpacked);
        QFAIL("the archive was taken");
    } catch (const data::DbError &e) {
        QVERIFY2(e.message().contains(says), qPrintable(e.message()));
    }
    QVERIFY(!QFileInfo::exists(unpacked));
}

void TestBackup::aBackupThatCannotBeWrittenLeavesNothing_data()
{
    QTest::addColumn<QString>("where");
    QTest::newRow("a folder that is a file") << "file/backup.zip";
    QTest::newRow("a name a folder has") << "taken";
}

// A backup that cannot be written says so and leaves nothing behind, and
// what had the name keeps it.
void TestBackup::aBackupThatCannotBeWrittenLeavesNothing()
{
    QFETCH(QString, where);
    QFile plain(out(QStringLiteral("file")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    QVERIFY(QDir().mkpath(out(QStringLiteral("taken/inside"))));
    const QStringList before = QDir(out(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QVERIFY_THROWS_EXCEPTION(data::DbError, backUp(out(where)));
    QCOMPARE(QDir(out(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
    QVERIFY(QFileInfo(out(QStringLiteral("taken/inside"))).isDir());
}

// One automatic backup a day is due; of all made, the seven newest stay.
void TestBackup::automaticBackupsKeepTheNewestSeven()
{
    const QDir work = m_install->dir();
    const QDate day(2026, 12, 1);
    QVERIFY(data::automaticBackupDue(work, day));
    data::Connection main = data::Connection::open(file(data::kMainFile.relativePath), data::kMainFile.key);
    data::Connection lookup = data::Connection::open(file(data::kLookupFile.relativePath), data::kLookupFile.key);
    for (int i = 0; i < 9; ++i)
        data::writeAutomaticBackup(main, lookup, work, QDateTime(day.addDays(i), QTime(9, 30)));
    const QStringList kept = data::automaticBackups(work);
    QCOMPARE(kept.size(), 7);
    QVERIFY(kept.first().endsWith(QStringLiteral("Talvero-备份-2026-12-03-093000.zip")));
    QVERIFY(kept.last().endsWith(QStringLiteral("Talvero-备份-2026-12-09-093000.zip")));
    QVERIFY(!data::automaticBackupDue(work, QDate(2026, 12, 9)));
    QVERIFY(data::automaticBackupDue(work, QDate(2026, 12, 10)));
    QCOMPARE(QFile::permissions(work.filePath(QStringLiteral("Backup"))) & 0x0777,
             QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser);
}

QTEST_MAIN(TestBackup)
#include "test_backup.moc"
