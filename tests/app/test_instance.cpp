#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

// Generous waits for a process to come up or go: the machine may be busy.
constexpr int kStartWaitMs = 20000;

class TestInstance : public QObject {
    Q_OBJECT
private slots:
    void secondCopyLeavesFirstCopyRuns();

private:
    void launch(QProcess &process, const QString &workDir);
    QString lockHolder() const;

    QTemporaryDir m_runtime; // the user's runtime folder, as far as the copies know
};

void TestInstance::launch(QProcess &process, const QString &workDir)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(workDir);
    process.setProgram(QStringLiteral(TALVERO_CRM));
    process.start();
}

QString TestInstance::lockHolder() const
{
    QFile lock(m_runtime.filePath(QStringLiteral("merivocrm_dalsen-%1.lock").arg(getuid())));
    if (!lock.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(lock.readAll()).trimmed();
}

// A second copy leaves at once, quietly, and leaves the running copy and its
// lock alone; once the running copy is gone, however it ended, a new copy runs.
void TestInstance::secondCopyLeavesFirstCopyRuns()
{
    QVERIFY(m_runtime.isValid());
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

    launch(first, install.dir().path());
    QVERIFY2(first.waitForStarted(kStartWaitMs), qPrintable(first.errorString()));
    const QString firstPid = QString::number(first.processId());
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(), firstPid, kStartWaitMs);

    launch(second, install.dir().path());
    QVERIFY(second.waitForFinished(kStartWaitMs));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.readAllStandardOutput(), QByteArray());
    QCOMPARE(second.readAllStandardError(), QByteArray());
    QCOMPARE(first.state(), QProcess::Running);
    QCOMPARE(lockHolder(), firstPid);

    first.kill();
    QVERIFY(first.waitForFinished(kStartWaitMs));

    launch(third, install.dir().path());
    QVERIFY2(third.waitForStarted(kStartWaitMs), qPrintable(third.errorString()));
    QTRY_COMPARE_WITH_TIMEOUT(lockHolder(), QString::number(third.processId()), kStartWaitMs);
    QVERIFY(!third.waitForFinished(3000));
    QCOMPARE(third.state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(TestInstance)
#include "test_instance.moc"
