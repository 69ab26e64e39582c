#include "ChildRun.h"

#include "Protocol.h"

#include "DbError.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcessEnvironment>

namespace bench {

namespace {

// Longest wait for one line or for the end of the child.
constexpr int kLongestWaitMs = 600000;

double statusKb(const QByteArray &status, const QByteArray &field)
{
    for (const QByteArray &line : status.split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toDouble();
    }
    return -1;
}

} // namespace

ChildRun::ChildRun(const QString &mode, const QDir &workDir, const QString &runtimeDir, const QStringList &extra)
    : m_mode(mode)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    m_process.setProcessEnvironment(environment);
    m_process.setWorkingDirectory(workDir.path());
    m_process.setProgram(QCoreApplication::applicationFilePath());
    m_process.setArguments(QStringList{QString::fromLatin1(protocol::kChildFlag), mode} + extra);
    m_clock.start();
    m_process.start();
}

ChildRun::~ChildRun()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(kLongestWaitMs);
    }
}

void ChildRun::fail(const QString &why)
{
    const QString errors = QString::fromLocal8Bit(m_process.readAllStandardError()).trimmed();
    throw data::DbError(QStringLiteral("child %1: %2%3").arg(m_mode, why,
                                                              errors.isEmpty() ? QString() : QStringLiteral(" (") + errors + u')'));
}

QString ChildRun::waitFor(const char *tag)
{
    const QByteArray wanted(tag);
    const QByteArray error(protocol::kError);
    for (;;) {
        while (m_process.canReadLine()) {
            const QByteArray line = m_process.readLine().trimmed();
            m_lastLineMs = double(m_clock.nsecsElapsed()) / 1e6;
            const QByteArray first = line.split(' ').value(0);
            if (first == wanted)
                return QString::fromUtf8(line.mid(wanted.size()).trimmed());
            if (first == error)
                fail(QString::fromUtf8(line.mid(error.size()).trimmed()));
        }
        if (m_process.state() == QProcess::NotRunning)
            fail(QStringLiteral("ended before %1").arg(QLatin1String(tag)));
        if (!m_process.waitForReadyRead(kLongestWaitMs) && !m_process.canReadLine()) {
            if (m_process.state() == QProcess::NotRunning)
                fail(QStringLiteral("ended before %1").arg(QLatin1String(tag)));
            fail(QStringLiteral("no %1 in time").arg(QLatin1String(tag)));
        }
    }
}

ChildRun::Memory ChildRun::memory() const
{
    QFile file(QStringLiteral("/proc/%1/status").arg(m_process.processId()));
    if (!file.open(QIODevice::ReadOnly))
        throw data::DbError(QStringLiteral("cannot read %1").arg(file.fileName()));
    const QByteArray status = file.readAll();
    Memory m;
    m.rssKb = statusKb(status, "VmRSS");
    m.hwmKb = statusKb(status, "VmHWM");
    if (m.rssKb < 0 || m.hwmKb < 0)
        throw data::DbError(QStringLiteral("no VmRSS or VmHWM in %1").arg(file.fileName()));
    return m;
}

void ChildRun::send(const QByteArray &line)
{
    m_process.write(line + '\n');
    m_process.waitForBytesWritten(kLongestWaitMs);
}

void ChildRun::finish()
{
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(kLongestWaitMs))
        fail(QStringLiteral("did not end"));
    // What is left on its output may hold an error line.
    while (m_process.canReadLine()) {
        const QByteArray line = m_process.readLine().trimmed();
        if (line.startsWith(protocol::kError))
            fail(QString::fromUtf8(line.mid(qstrlen(protocol::kError)).trimmed()));
    }
    if (m_process.exitStatus() != QProcess::NormalExit || m_process.exitCode() != 0)
        fail(QStringLiteral("ended with %1").arg(m_process.exitCode()));
}

} // namespace bench
