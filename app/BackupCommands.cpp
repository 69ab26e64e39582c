#include "BackupCommands.h"

#include "Backup.h"
#include "DbError.h"
#include "FileChoice.h"
#include "MessageBox.h"
#include "TData_in.h"
#include "WorkProgress.h"

#include <QFileDialog>

namespace app {

void backUpWhereAsked(QWidget *parent, TData_in &data)
{
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("备份数据"),
        QDir(ui::documentsFolder()).filePath(data::backupFileName(QDateTime::currentDateTime())),
        QStringLiteral("备份文件 (*.zip)"));
    if (path.isEmpty())
        return;
    try {
        ui::WorkProgress progress(QStringLiteral("正在备份数据..."), 1000, parent);
        // Cancelled: nothing was written, and nothing needs saying.
        if (!data::writeBackup(data.workDir(), data.Con_data(), data.Con_c(), path, QDateTime::currentDateTime(),
                               [&](int permille) { return progress.step(permille); }))
            return;
    } catch (const data::DbError &e) {
        ui::MessageBox::error(parent, QStringLiteral("备份失败: %1").arg(e.message()));
        return;
    }
    ui::MessageBox::information(parent, QStringLiteral("数据已备份到\n\"%1\"").arg(QDir::toNativeSeparators(path)));
}

void backUpAutomatically(QWidget *parent, TData_in &data, const QDir &workDir, const QDateTime &now)
{
    try {
        ui::WorkProgress progress(QStringLiteral("正在自动备份数据..."), 1000, parent);
        progress.setCancelButton(nullptr);
        data::writeAutomaticBackup(data.Con_data(), data.Con_c(), workDir, now,
                                   [&](int permille) { return progress.step(permille); });
    } catch (const data::DbError &e) {
        ui::MessageBox::warning(parent, QStringLiteral("自动备份失败: %1").arg(e.message()));
    }
}

} // namespace app
