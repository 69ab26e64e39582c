#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace bench {

// One run of the benchmark's child process (Child.h), seen from outside: a
// clock that starts just before the spawn, the lines it reports, and its
// memory as the system counts it.
class ChildRun {
public:
    // The child runs in `workDir` with the user's runtime folder set to
    // `runtimeDir`, so that its single-instance guard is its own.
    ChildRun(const QString &mode, const QDir &workDir, const QString &runtimeDir, const QStringList &extra = {});
    ~ChildRun();
    ChildRun(const ChildRun &) = delete;
    ChildRun &operator=(const ChildRun &) = delete;

    // Reads lines until one with the tag comes; returns the words after the
    // tag. Throws when the child reports an error, ends or takes too long.
    QString waitFor(const char *tag);
    // Milliseconds from before the spawn to the reading of the last line.
    double lastLineMs() const { return m_lastLineMs; }

    // Resident memory now and at its peak (VmRSS, VmHWM), in kilobytes.
    struct Memory {
        double rssKb = 0;
        double hwmKb = 0;
    };
    Memory memory() const;

    void send(const QByteArray &line);
    // Waits for the end; throws unless the child ended well.
    void finish();

private:
    [[noreturn]] void fail(const QString &why);

    QString m_mode;
    QProcess m_process;
    QElapsedTimer m_clock;
    double m_lastLineMs = 0;
};

} // namespace bench
