#include "Connection.h"
#include "FreshInstall.h"
#include "MessageBox.h"
#include "Schema.h"
#include "Startup.h"
#include "Windows.h"

#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

using ui::MessageBox;

namespace {

enum class Setup { NoDataFolder, MainUnderOtherKey, MainPlain, MainEmpty, LookupMissing };

const QString kMain = QString::fromLatin1(data::kMainFile.relativePath);
const QString kLookup = QString::fromLatin1(data::kLookupFile.relativePath);

// A database file that was never encrypted, made by the engine without a key.
void writePlainFile(const QString &path)
{
    sqlite3 *db = nullptr;
    QCOMPARE(sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
             SQLITE_OK);
    const int rc = sqlite3_exec(db, "create table atc1 (aid integer primary key, a1 text)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    QCOMPARE(rc, SQLITE_OK);
}

void prepare(const QDir &dir, Setup setup)
{
    if (setup == Setup::NoDataFolder)
        return;
    data::createFreshInstallation(dir);
    switch (setup) {
    case Setup::MainUnderOtherKey:
        QVERIFY(QFile::remove(dir.filePath(kMain)));
        data::Connection::create(dir.filePath(kMain), "other key").execute("create table atc1 (a1 text)");
        break;
    case Setup::MainPlain:
        QVERIFY(QFile::remove(dir.filePath(kMain)));
        writePlainFile(dir.filePath(kMain));
        break;
    case Setup::MainEmpty: {
        QFile file(dir.filePath(kMain));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        break;
    }
    case Setup::LookupMissing:
        QVERIFY(QFile::remove(dir.filePath(kLookup)));
        break;
    case Setup::NoDataFolder:
        break;
    }
}

// Every file and folder under the working folder, with the size of each file.
QStringList contents(const QDir &dir)
{
    QStringList found;
    QDirIterator it(dir.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        found << dir.relativeFilePath(it.filePath()) + (it.fileInfo().isFile()
                                                            ? QStringLiteral(" %1").arg(it.fileInfo().size())
                                                            : QStringLiteral("/"));
    }
    found.sort();
    return found;
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void failsBeforeAnyWindowShows_data();
    void failsBeforeAnyWindowShows();
};

void TestStartup::initTestCase()
{
    MessageBox::setTestMode(true);
}

void TestStartup::failsBeforeAnyWindowShows_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("engineText");
    QTest::newRow("no Data folder") << Setup::NoDataFolder << "unable to open database file";
    QTest::newRow("main under another key") << Setup::MainUnderOtherKey << "is not a database";
    QTest::newRow("main never encrypted") << Setup::MainPlain << "is not a database";
    QTest::newRow("main empty") << Setup::MainEmpty << "no such table";
    QTest::newRow("lookup file missing") << Setup::LookupMissing << "unable to open database file";
}

// A database that cannot be opened ends start-up with the engine's own text in
// the one fatal box; no window has been shown, nothing is left in the registry
// and opening made no file.
void TestStartup::failsBeforeAnyWindowShows()
{
    QFETCH(Setup, setup);
    QFETCH(QString, engineText);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QDir dir(folder.path());
    prepare(dir, setup);
    if (QTest::currentTestFailed())
        return;
    const QStringList before = contents(dir);
    MessageBox::clearShown();

    const auto started = app::start(dir);

    QVERIFY(!started);
    QCOMPARE(MessageBox::shown().size(), 1);
    const MessageBox::Shown fatal = MessageBox::shown().first();
    QCOMPARE(fatal.kind, MessageBox::Kind::Fatal);
    QCOMPARE(fatal.title, QStringLiteral("Application Error"));
    QVERIFY2(fatal.text.contains(engineText), qPrintable(fatal.text));
    for (QWidget *w : QApplication::topLevelWidgets())
        QVERIFY2(!w->isVisible(), w->metaObject()->className());
    QVERIFY(!ui::Windows::find(QStringLiteral("Ta_main")));
    QVERIFY(!ui::Windows::find(QStringLiteral("Data_in")));
    QCOMPARE(contents(dir), before);
}

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
