#include "DailyBackup.h"

#include "Backup.h"
#include "Connection.h"
#include "DbError.h"
#include "MessageBox.h"
#include "Schema.h"
#include "DbCause.h"

#include <QFileInfo>

namespace app {

namespace {

data::Connection openFile(const QDir &workDir, const data::DatabaseFile &file)
{
    const QString path = workDir.filePath(QString::fromLatin1(file.relativePath));
    try {
        return data::Connection::open(path, QByteArray(file.key));
    } catch (const data::DbError &e) {
        throw data::DbError(QStringLiteral("无法打开数据文件 %1: %2")
                                .arg(QFileInfo(path).fileName(), data::causeOf(e)),
                            e.code());
    }
}

} // namespace

DailyBackup::DailyBackup(const QDir &workDir) : m_workDir(workDir)
{
    setObjectName(QStringLiteral("DailyBackup"));
    connect(this, &DailyBackup::finished, this, [this](const QString &error) {
        wait();
        if (!error.isEmpty())
            ui::MessageBox::warning(m_parent, QStringLiteral("自动备份失败: %1").arg(error));
    });
}

DailyBackup::~DailyBackup()
{
    wait();
}

void DailyBackup::startIfDue(QWidget *parent, const QDateTime &now)
{
    if (running() || !data::automaticBackupDue(m_workDir, now.date()))
        return;
    m_parent = parent;
    const QDir workDir = m_workDir;
    m_worker = std::thread([this, workDir, now] {
        QString error;
        try {
            // Connections of its own: a connection belongs to the thread that uses it.
            data::Connection main = openFile(workDir, data::kMainFile);
            data::Connection lookup = openFile(workDir, data::kLookupFile);
            data::writeAutomaticBackup(main, lookup, workDir, now);
        } catch (const data::DbError &e) {
            error = e.message();
        }
        QMetaObject::invokeMethod(this, [this, error] { emit finished(error); }, Qt::QueuedConnection);
    });
}

void DailyBackup::wait()
{
    if (m_worker.joinable())
        m_worker.join();
}

} // namespace app
