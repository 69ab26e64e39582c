#include "BackupCommands.h"

#include "Backup.h"
#include "DailyBackup.h"
#include "DbError.h"
#include "FileChoice.h"
#include "MessageBox.h"
#include "Restore.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "Windows.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QScopeGuard>

namespace app {

using ui::documentsFolder;

void backUpWhereAsked(QWidget *parent, TData_in &data)
{
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("备份数据"),
        QDir(documentsFolder()).filePath(data::backupFileName(QDateTime::currentDateTime())),
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

bool restoreWhereAsked(QWidget *parent, TData_in &data)
{
    const QString archive = QFileDialog::getOpenFileName(parent, QStringLiteral("恢复数据"), documentsFolder(),
                                                         QStringLiteral("备份文件 (*.zip)"));
    if (archive.isEmpty())
        return false;
    if (!ui::MessageBox::question(parent, QStringLiteral("恢复数据"),
                                  QStringLiteral("现在的全部数据将被备份中的数据取代(现在的数据会先自动备份)。\n要继续吗?")))
        return false;
    // The day's backup, when under way, is over before the files change.
    if (auto *daily = ui::Windows::get<DailyBackup>(ui::names::DailyBackup))
        daily->wait();
    const auto refused = [parent](const data::DbError &e) {
        ui::MessageBox::error(parent, QStringLiteral("恢复失败,数据没有改变: %1").arg(e.message()));
        return false;
    };
    const QString work = data.workDir().absolutePath();
    const QString staging = data::newRestoreFolder(work);
    // What is left in the staging folder, the unpacked files or the ones
    // replaced, goes once the restore is over.
    auto tidy = qScopeGuard([staging] { QDir(staging).removeRecursively(); });
    try {
        data::unpackBackup(archive, staging);
        data::writeAutomaticBackup(data.Con_data(), data.Con_c(), data.workDir(), QDateTime::currentDateTime());
    } catch (const data::DbError &e) {
        return refused(e);
    }
    data.closeFiles();
    try {
        data::exchangeDataFolders(work, staging);
    } catch (const data::DbError &e) {
        data.openFiles();
        return refused(e);
    }
    try {
        data.openFiles();
    } catch (const data::DbError &e) {
        // The checked files would not open in place: the old ones come back.
        data::exchangeDataFolders(work, staging);
        data.openFiles();
        return refused(e);
    }
    ui::MessageBox::information(parent, QStringLiteral("数据已从\n\"%1\"\n恢复").arg(QDir::toNativeSeparators(archive)));
    return true;
}

void backUpAutomatically(QWidget *parent, TData_in &data, const QDir &workDir, const QDateTime &now)
{
    try {
        data::writeAutomaticBackup(data.Con_data(), data.Con_c(), workDir, now);
    } catch (const data::DbError &e) {
        ui::MessageBox::warning(parent, QStringLiteral("自动备份失败: %1").arg(e.message()));
    }
}

} // namespace app
