#pragma once

#include <QDateTime>
#include <QDir>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <thread>


namespace app {

// The program's own backup of the first start of a day. It is made beside
// the running program, through connections of its own on a thread of its
// own, so that the window answers while the files are copied and checked;
// a failure is shown as a warning once it is known.
class DailyBackup : public QObject {
    Q_OBJECT
public:
    explicit DailyBackup(const QDir &workDir);
    ~DailyBackup() override; // waits for a backup under way

    // Starts the backup unless one of that day exists or one is under way.
    void startIfDue(QWidget *parent, const QDateTime &now = QDateTime::currentDateTime());
    // Returns once no backup is under way (before the program's files are
    // replaced or closed, or another backup is made).
    void wait();
    bool running() const { return m_worker.joinable(); }

signals:
    // On the program's thread, once a backup is over; empty when it succeeded.
    void finished(const QString &error);

private:
    QDir m_workDir;
    QPointer<QWidget> m_parent;
    std::thread m_worker;
};

} // namespace app
