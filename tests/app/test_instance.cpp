// The single-instance guard: kept where only this user can write, a second
// copy leaves at once, and without a guard the program says why and stops.
#include "InstanceGuard.h"
#include "MessageBox.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

using app::InstanceGuard;
using State = InstanceGuard::State;

// Generous waits for a process to come up or go: the machine may be busy.
constexpr int kStartWaitMs = 20000;

namespace {

const char *const kVariables[] = {"XDG_RUNTIME_DIR", "XDG_CACHE_HOME", "HOME"};

int modeOf(const QString &path)
{
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

bool makeFolder(const QString &path, int mode)
{
    return QDir().mkpath(path) && ::chmod(QFile::encodeName(path).constData(), mode_t(mode)) == 0;
}

QString lockName()
{
    return QStringLiteral("merivocrm_dalsen-%1.lock").arg(getuid());
}

} // namespace

Q_DECLARE_METATYPE(State)

class TestInstance : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void guardIsKeptPrivate_data();
    void guardIsKeptPrivate();
    void aSecondGuardIsRefused();
    void withoutGuardTheProgramSaysWhy();
    void secondCopyLeavesFirstCopyRuns_data();
    void secondCopyLeavesFirstCopyRuns();
    void anUnsafeFolderStopsTheProgram();

private:
    QString at(const QString &path) const { return path.isEmpty() ? path : m_tmp.filePath(path); }
    void launch(QProcess &process, const QString &workDir, const QString &runtime, const QString &cache);
    QString lockHolder(const QString &folder) const;

    QTemporaryDir m_tmp;
    QByteArray m_saved[std::size(kVariables)];
};

void TestInstance::initTestCase()
{
    ui::MessageBox::setTestMode(true);
}

void TestInstance::init()
{
    QVERIFY(m_tmp.isValid());
    for (size_t i = 0; i < std::size(kVariables); ++i)
        m_saved[i] = qgetenv(kVariables[i]);
    ui::MessageBox::clearShown();
}

void TestInstance::cleanup()
{
    for (size_t i = 0; i < std::size(kVariables); ++i) {
        if (m_saved[i].isNull())
            qunsetenv(kVariables[i]);
        else
            qputenv(kVariables[i], m_saved[i]);
    }
    for (const QString &entry : QDir(m_tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString path = m_tmp.filePath(entry);
        ::chmod(QFile::encodeName(path).constData(), 0700);
        QFileInfo(path).isDir() ? void(QDir(path).removeRecursively()) : void(QFile::remove(path));
    }
}

void TestInstance::guardIsKeptPrivate_data()
{
    // XDG_RUNTIME_DIR and XDG_CACHE_HOME: empty, unset; "/" first, under the test folder; else as given.
    QTest::addColumn<QString>("runtime");
    QTest::addColumn<QString>("cache");
    QTest::addColumn<QString>("present"); // what is there before: "<path> <mode>", "<path> file", "<path> other user"
    QTest::addColumn<State>("state");
    QTest::addColumn<QString>("folder");  // where the guard is (to be) kept
    QTest::addColumn<QString>("reason");

    QTest::newRow("runtime folder") << "/run" << "" << "run 0700" << State::First << "run" << "";
    QTest::newRow("no runtime folder: under the cache folder")
        << "" << "/cache" << "" << State::First << "cache/talvero-crm" << "";
    QTest::newRow("no cache folder named: under home") << "" << "" << "" << State::First << "home/.cache/talvero-crm" << "";
    QTest::newRow("a relative cache folder is none") << "" << "cache" << "" << State::First << "home/.cache/talvero-crm" << "";
    QTest::newRow("a relative runtime folder is none") << "run" << "/cache" << "" << State::First << "cache/talvero-crm" << "";
    QTest::newRow("an existing folder keeps its mode")
        << "" << "/cache" << "cache/talvero-crm 0750" << State::First << "cache/talvero-crm" << "";
    QTest::newRow("runtime folder others may write")
        << "/run" << "/cache" << "run 0777" << State::Failed << "run" << "其他用户也可以写入该文件夹";
    QTest::newRow("cache folder others may write")
        << "" << "/cache" << "cache/talvero-crm 0773" << State::Failed << "cache/talvero-crm" << "其他用户也可以写入该文件夹";
    QTest::newRow("cache folder of another user")
        << "" << "/cache" << "cache/talvero-crm other user" << State::Failed << "cache/talvero-crm" << "不属于当前用户";
    QTest::newRow("a file in the folder's place")
        << "" << "/cache" << "cache/talvero-crm file" << State::Failed << "cache/talvero-crm" << "Not a directory";
}

// The guard lives in the runtime folder, or else in a folder of the
// program's own under the user's cache folder, made 0700 with a 0600 lock
// file; never in a folder another user owns or may write to, and never in the
// system's shared temporary folder.
void TestInstance::guardIsKeptPrivate()
{
    QFETCH(QString, runtime);
    QFETCH(QString, cache);
    QFETCH(QString, present);
    QFETCH(State, state);
    QFETCH(QString, folder);
    QFETCH(QString, reason);

    qputenv("HOME", QFile::encodeName(at("home")));
    const std::pair<const char *, QString> variables[] = {{"XDG_RUNTIME_DIR", runtime}, {"XDG_CACHE_HOME", cache}};
    for (const auto &[variable, value] : variables) {
        if (value.isEmpty())
            qunsetenv(variable);
        else
            qputenv(variable, QFile::encodeName(value.startsWith(u'/') ? at(value.mid(1)) : value));
    }
    int presentMode = -1;
    if (!present.isEmpty()) {
        const QString path = at(present.section(u' ', 0, 0));
        const QString what = present.section(u' ', 1);
        if (what == "file") {
            QVERIFY(QDir().mkpath(QFileInfo(path).path()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (what == "other user") {
            if (::geteuid() != 0)
                QSKIP("only the superuser can give a folder to another user");
            QVERIFY(makeFolder(path, 0700));
            QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        } else {
            presentMode = what.toInt(nullptr, 8);
            QVERIFY(makeFolder(path, presentMode));
        }
    }

    const InstanceGuard guard(app::kInstanceName);
    QCOMPARE(guard.folder(), at(folder));
    QCOMPARE(guard.state(), state);
    if (state == State::First) {
        QVERIFY2(guard.reason().isEmpty(), qPrintable(guard.reason()));
        QCOMPARE(guard.lockPath(), at(folder) + u'/' + lockName());
        QCOMPARE(modeOf(guard.lockPath()), 0600);
        QCOMPARE(modeOf(at(folder)), presentMode > 0 ? presentMode : 0700);
        if (folder.endsWith("/.cache/talvero-crm"))
            QCOMPARE(modeOf(at("home/.cache")), 0700);
    } else {
        QVERIFY2(guard.reason().contains(reason), qPrintable(guard.reason()));
    }
}

// Within one process too, the guard is held once.
void TestInstance::aSecondGuardIsRefused()
{
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(at("cache")));
    const InstanceGuard first(app::kInstanceName);
    QCOMPARE(first.state(), State::First);
    {
        const InstanceGuard second(app::kInstanceName);
        QCOMPARE(second.state(), State::Second);
    }
    QCOMPARE(first.state(), State::First);
    const InstanceGuard other("another_guard");
    QCOMPARE(other.state(), State::First);
}

// No guard, no program: an error box like the other start-up failures names
// the folder and the reason, and the program ends with a failure code.
void TestInstance::withoutGuardTheProgramSaysWhy()
{
    qunsetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(at("cache")));
    QVERIFY(makeFolder(at("cache/talvero-crm"), 0777));
    const InstanceGuard guard(app::kInstanceName);
    QCOMPARE(guard.state(), State::Failed);
    QVERIFY(!guard.isFirst());

    QVERIFY(app::refuseToStart(guard) != 0);
    QCOMPARE(ui::MessageBox::shown().size(), 1);
    const ui::MessageBox::Shown box = ui::MessageBox::shown().first();
    QCOMPARE(box.kind, ui::MessageBox::Kind::Fatal);
    QCOMPARE(box.title, QStringLiteral("Application Error"));
    QVERIFY2(box.text.contains(QStringLiteral("无法启动")), qPrintable(box.text));
    QVERIFY2(box.text.contains(at("cache/talvero-crm")), qPrintable(box.text));
    QVERIFY2(box.text.contains(QStringLiteral("其他用户也可以写入该文件夹")), qPrintable(box.text));
}

void TestInstance::launch(QProcess &process, const QString &workDir, const QString &runtime, const QString &cache)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    if (!runtime.isEmpty())
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.setProgram(QStringLiteral(TALVERO_CRM));
    process.start();
}

QString TestInstance::lockHolder(const QString &folder) const
{
    QFile lock(folder + u'/' + lockName());
    if (!lock.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(lock.readAll()).trimmed();
}

void TestInstance::secondCopyLeavesFirstCopyRuns_data()
{
    QTest::addColumn<bool>("runtimeFolder"); // else the copies know no runtime folder
    QTest::newRow("in the runtime folder") << true;
    QTest::newRow("in the cache folder") << false;
}

// A second copy leaves at once, quietly, and leaves the running copy and its
// lock alone; once the running copy is gone, however it ended, a new copy runs.
void TestInstance::secondCopyLeavesFirstCopyRuns()
{
    QFETCH(bool, runtimeFolder);
    const QString runtime = runtimeFolder ? at("run") : QString();
    if (runtimeFolder)
        QVERIFY(makeFolder(runtime, 0700));
    const QString cache = at("cache");
    const QString folder = runtimeFolder ? runtime : cache + QStringLiteral("/talvero-crm");
    testing::TempInstall install;
    install.execMain("update ptp1 set watts='1'");

    QProcess first, second, third;
    auto stop = qScopeGuard([&] {
        for (QProcess *p : {&first, &second, &third}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished();
            }
        }
    });

    launch(first, install.dir().path(), runtime, cache);
    QVERIFY2(first.waitForStarted(kStartWaitMs), qPrintable(first.errorString()));
    const QString firstPid = QString::number(first.processId());
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(folder), firstPid, kStartWaitMs);

    launch(second, install.dir().path(), runtime, cache);
    QVERIFY(second.waitForFinished(kStartWaitMs));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.readAllStandardOutput(), QByteArray());
    QCOMPARE(second.readAllStandardError(), QByteArray());
    QCOMPARE(first.state(), QProcess::Running);
    QCOMPARE(lockHolder(folder), firstPid);

    first.kill();
    QVERIFY(first.waitForFinished(kStartWaitMs));

    launch(third, install.dir().path(), runtime, cache);
    QVERIFY2(third.waitForStarted(kStartWaitMs), qPrintable(third.errorString()));
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(folder), QString::number(third.processId()), kStartWaitMs);
    QVERIFY(!third.waitForFinished(3000));
    QCOMPARE(third.state(), QProcess::Running);
}

// The real program, given a guard folder that others may write, says why it
// does not start (its error box waits for the user) and never takes a lock
// anywhere else.
void TestInstance::anUnsafeFolderStopsTheProgram()
{
    const QString folder = at("cache/talvero-crm");
    QVERIFY(makeFolder(folder, 0777));
    testing::TempInstall install;
    install.execMain("update ptp1 set watts='1'");
    const bool sharedLockBefore = QFile::exists(QStringLiteral("/tmp/") + lockName());

    QProcess program;
    auto stop = qScopeGuard([&] {
        program.kill();
        program.waitForFinished();
    });
    launch(program, install.dir().path(), QString(), at("cache"));
    QVERIFY2(program.waitForStarted(kStartWaitMs), qPrintable(program.errorString()));
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += program.readAllStandardError()).contains("只有当前用户可以写入"), kStartWaitMs);
    const QString text = QString::fromUtf8(said);
    QVERIFY2(text.contains(QStringLiteral("无法启动")), qPrintable(text));
    QVERIFY2(text.contains(folder), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("其他用户也可以写入该文件夹")), qPrintable(text));
    QCOMPARE(QFile::exists(folder + u'/' + lockName()), false);
    QCOMPARE(QFile::exists(QStringLiteral("/tmp/") + lockName()), sharedLockBefore);
}

QTEST_GUILESS_MAIN(TestInstance)
#include "test_instance.moc"
