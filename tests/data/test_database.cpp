// The database files: a fresh installation, how they are opened, and what
// happens when they cannot be, or when another process holds a lock.
#include "Connection.h"
#include "DbError.h"
#include "FreshInstall.h"
#include "Schema.h"
#include "Statement.h"
#include "TData_in.h"
#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// One field of every row of "PRAGMA table_info": 1 the column's name, 2 its type.
QStringList columnsOf(const testing::TempInstall &install, const QString &table, int field)
{
    data::Connection c = data::Connection::open(install.path(data::kMainFile.relativePath), data::kMainFile.key);
    data::Statement info(c, QStringLiteral("PRAGMA table_info(%1)").arg(table));
    QStringList values;
    while (info.step())
        values << info.text(field);
    return values;
}

// The permission bits of a file or folder; -1 when it is not there.
int modeOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

void setMode(const QString &path, int mode)
{
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode_t(mode)), 0);
}

} // namespace

class TestDatabase : public QObject {
    Q_OBJECT
private slots:
    void freshInstallationHasEveryTable();
    void freshInstallationNeverOverwrites();
    void filesAreEncryptedAndOpenInTheStandardShell();
    void keysGrowAndAreNeverReused();
    void openingFails_data();
    void openingFails();
    void aLockHeldElsewhereIsWaitedForThenReported();
    void filesAreForTheUserAlone_data();
    void filesAreForTheUserAlone();
};

void TestDatabase::freshInstallationHasEveryTable()
{
    testing::TempInstall install;
    for (const data::TableDef &table : data::mainTables()) {
        QStringList expected = table.columns;
        if (!table.key.isEmpty())
            expected.prepend(table.key);
        QCOMPARE(columnsOf(install, table.name, 1), expected);
    }
    QCOMPARE(install.columnLookup("select count(*) from sqlite_master where type='table' and name like 'vx%'"),
             QStringList{"19"});
    QCOMPARE(install.columnMain("select watts from ptp1"), QStringList{"0"});
    QCOMPARE(columnsOf(install, "vtv2", 2).mid(4, 4), (QStringList{"INTEGER", "INTEGER", "INTEGER", "TEXT"}));
    // Text columns take the empty text as it is.
    install.execMain("insert into atc1 (a1, a2) values ('', 'x')");
    QCOMPARE(install.columnMain("select a1 is null from atc1"), QStringList{"0"});
}

void TestDatabase::freshInstallationNeverOverwrites()
{
    testing::TempInstall install;
    install.execMain("insert into atc1 (a1) values ('kept')");
    const data::InstallResult again = data::createFreshInstallation(install.dir());
    QVERIFY(again.created.isEmpty());
    QCOMPARE(again.keptExisting.size(), 2);
    QCOMPARE(install.columnMain("select a1 from atc1"), QStringList{"kept"});
}

void TestDatabase::filesAreEncryptedAndOpenInTheStandardShell()
{
    testing::TempInstall install;
    install.execMain("insert into atc1 (a1) values ('visible only with the key')");
    for (const char *path : {data::kMainFile.relativePath, data::kLookupFile.relativePath}) {
        QFile file(install.path(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(!bytes.startsWith("SQLite format 3"));
        QVERIFY(!bytes.contains("visible only with the key"));
    }

    const QString shell = QStandardPaths::findExecutable("sqlcipher");
    if (shell.isEmpty())
        QSKIP("the sqlcipher shell is not installed");
    auto runShell = [&](const QByteArray &script) {
        QProcess p;
        p.start(shell, {install.path(data::kMainFile.relativePath)});
        p.write(script);
        p.closeWriteChannel();
        p.waitForFinished();
        return p.readAllStandardOutput() + p.readAllStandardError();
    };
    QCOMPARE(runShell(QByteArray("PRAGMA key = '") + data::kMainFile.key + "';\nselect a1 from atc1;\n").trimmed(),
             QByteArray("visible only with the key"));
    QVERIFY(runShell("select a1 from atc1;\n").contains("is not a database"));
}

void TestDatabase::keysGrowAndAreNeverReused()
{
    testing::TempInstall install;
    install.execMain("insert into vtv3 (j4) values ('one')");
    install.execMain("insert into vtv3 (j4) values ('two')");
    install.execMain("delete from vtv3 where j4 = 'two'");
    install.execMain("insert into vtv3 (j4) values ('three')");
    QCOMPARE(install.columnMain("select jid from vtv3 order by jid"), (QStringList{"1", "3"}));
}

void TestDatabase::openingFails_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("engineText");
    QTest::newRow("data folder missing") << "no folder" << "unable to open database file";
    QTest::newRow("lookup file missing") << "no lookup file" << "unable to open database file";
    QTest::newRow("another password") << "other key" << "file is encrypted or is not a database";
    QTest::newRow("plain file") << "plain" << "file is encrypted or is not a database";
}

void TestDatabase::openingFails()
{
    QFETCH(QString, damage);
    QFETCH(QString, engineText);
    testing::TempInstall install;
    const QString main = install.path(data::kMainFile.relativePath);
    if (damage == "no folder") {
        QVERIFY(QDir(install.path("Data")).removeRecursively());
    } else if (damage == "no lookup file") {
        QVERIFY(QFile::remove(install.path(data::kLookupFile.relativePath)));
    } else {
        QVERIFY(QFile::remove(main));
        if (damage == "other key") {
            data::Connection other = data::Connection::create(main, "not the password");
            other.execute("create table atc1 (aid integer primary key, a1 text)");
        } else {
            sqlite3 *plain = nullptr; // no key at all: an ordinary database file
            QCOMPARE(sqlite3_open(main.toUtf8().constData(), &plain), SQLITE_OK);
            QCOMPARE(sqlite3_exec(plain, "create table atc1 (aid integer primary key, a1 text)", nullptr, nullptr, nullptr), SQLITE_OK);
            sqlite3_close(plain);
        }
    }
    const QStringList before = QDir(install.path(".")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    try {
        TData_in data(install.dir());
        QFAIL("the data module opened a damaged installation");
    } catch (const data::DbError &e) {
        QCOMPARE(e.message(), engineText);
    }
    // Opening never creates a file or folder.
    QCOMPARE(QDir(install.path(".")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    if (damage == "no lookup file")
        QVERIFY(!QFile::exists(install.path(data::kLookupFile.relativePath)));
}

void TestDatabase::aLockHeldElsewhereIsWaitedForThenReported()
{
    testing::TempInstall install;
    TData_in data(install.dir());
    data::Connection other = data::Connection::open(install.path(data::kMainFile.relativePath), data::kMainFile.key);
    {
        data::Transaction held(other);
        other.execute("insert into atc1 (a1) values ('theirs')");
        try {
            data.Con_data().execute("insert into atc1 (a1) values ('ours')");
            QFAIL("a write went through a lock held by another connection");
        } catch (const data::DbError &e) {
            QCOMPARE(e.message(), QStringLiteral("database is locked"));
        }
        held.commit();
    }
    data.Con_data().execute("insert into atc1 (a1) values ('ours')");
    data.atc1_all().reset();
    QCOMPARE(data.atc1_all().count(), 2);
    QCOMPARE(install.columnMain("pragma integrity_check"), QStringList{"ok"});
}

void TestDatabase::filesAreForTheUserAlone_data()
{
    QTest::addColumn<int>("folderBefore"); // 0: a fresh installation
    QTest::addColumn<int>("fileBefore");
    QTest::addColumn<bool>("installAgain"); // else the program just opens the files
    QTest::addColumn<int>("folderAfter");
    QTest::addColumn<int>("fileAfter");

    QTest::newRow("fresh installation") << 0 << 0 << false << 0700 << 0600;
    QTest::newRow("installed again over open modes") << 0755 << 0644 << true << 0700 << 0600;
    QTest::newRow("installed again over group rights") << 0750 << 0640 << true << 0700 << 0600;
    QTest::newRow("opened by the program") << 0755 << 0644 << false << 0755 << 0600;
    QTest::newRow("stricter modes are kept") << 0700 << 0400 << true << 0700 << 0400;
}

// Under the usual umask the data folder is 0700 and both files and the
// journal the engine writes beside them 0600; rights other users had are
// taken away, and a mode the user made stricter is kept.
void TestDatabase::filesAreForTheUserAlone()
{
    QFETCH(int, folderBefore);
    QFETCH(int, fileBefore);
    QFETCH(bool, installAgain);
    QFETCH(int, folderAfter);
    QFETCH(int, fileAfter);
    const mode_t umask = ::umask(022);
    auto restore = qScopeGuard([umask] { ::umask(umask); });

    QTemporaryDir work;
    const QDir dir(work.path());
    const QString folder = dir.filePath("Data");
    const QStringList files{dir.filePath(data::kMainFile.relativePath), dir.filePath(data::kLookupFile.relativePath)};
    data::createFreshInstallation(dir);
    if (folderBefore) {
        setMode(folder, folderBefore);
        for (const QString &file : files)
            setMode(file, fileBefore);
        if (installAgain)
            QCOMPARE(data::createFreshInstallation(dir).keptExisting, files);
    }
    QCOMPARE(modeOf(folder), folderAfter);

    TData_in program(dir);
    for (const QString &file : files)
        QCOMPARE(modeOf(file), fileAfter);
    if (!(fileAfter & S_IWUSR) && ::geteuid() != 0)
        return; // the owner cannot write a read-only file either
    data::Transaction write(program.Con_data());
    program.Con_data().execute("insert into vtv3 (j4) values ('in the journal')");
    QCOMPARE(modeOf(files[0] + "-journal"), fileAfter);
    write.commit();
    QCOMPARE(modeOf(files[0] + "-journal"), -1);
    QCOMPARE(modeOf(folder), folderAfter);
}

QTEST_MAIN(TestDatabase)
#include "test_database.moc"
