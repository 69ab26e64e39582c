#include "BackupCommands.h"

#include "Backup.h"
#include "DbError.h"
#include "MessageBox.h"
#include "TData_in.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace app {

void backUpWhereAsked(QWidget *parent, TData_in &data)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("备份数据"), QDir(folder).filePath(data::backupFileName(QDateTime::currentDateTime())),
        QStringLiteral("备份文件 (*.zip)"));
    if (path.isEmpty())
        return;
    try {
        data::writeBackup(data.Con_data(), data.Con_c(), path);
    } catch (const data::DbError &e) {
        ui::MessageBox::error(parent, QStringLiteral("备份失败: %1").arg(e.message()));
        return;
    }
    ui::MessageBox::information(parent, QStringLiteral("数据已备份到\n\"%1\"").arg(QDir::toNativeSeparators(path)));
}

void backUpAutomatically(QWidget *parent, TData_in &data, const QDir &workDir, bool onlyWhenDue,
                         const QDateTime &now)
{
    if (onlyWhenDue && !data::automaticBackupDue(workDir, now.date()))
        return;
    try {
        data::writeAutomaticBackup(data.Con_data(), data.Con_c(), workDir, now);
    } catch (const data::DbError &e) {
        ui::MessageBox::warning(parent, QStringLiteral("自动备份失败: %1").arg(e.message()));
    }
}

} // namespace app
