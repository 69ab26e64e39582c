// 系统 > 恢复数据: the archive checked, the user asked with what it holds
// before her eyes, the data of the moment backed up, then the folders traded.
#include "BackupCommands.h"

#include "Backup.h"
#include "DailyBackup.h"
#include "DbError.h"
#include "FileChoice.h"
#include "MessageBox.h"
#include "Restore.h"
#include "DbCause.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "Windows.h"
#include "WorkProgress.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QScopeGuard>

namespace app {

namespace {

QString shown(const QString &path)
{
    return u'"' + QDir::toNativeSeparators(path) + u'"';
}

QString question(const QString &archive, const data::BackupContents &contents)
{
    const QString made = contents.made.isValid()
        ? QStringLiteral("制作于 %1").arg(contents.made.toString(QStringLiteral("yyyy-MM-dd HH:mm")))
        : QStringLiteral("制作时间不详");
    return QStringLiteral("备份文件%1\n%2,其中有 %3 位客户。\n\n"
                          "现在的全部数据将被备份中的数据取代(现在的数据会先自动备份)。\n要继续吗?")
        .arg(shown(archive), made)
        .arg(contents.customers);
}

// What an engine error says of the files: its cause alone.
QString reasonOf(const data::DbError &e)
{
    return data::causeOf(e);
}

} // namespace

bool restoreWhereAsked(QWidget *parent, TData_in &data)
{
    const QString kept = data::automaticBackupFolder(data.workDir());
    const QString archive =
        QFileDialog::getOpenFileName(parent, QStringLiteral("恢复数据"),
                                     QFileInfo(kept).isDir() ? kept : ui::documentsFolder(),
                                     QStringLiteral("备份文件 (*.zip)"));
    if (archive.isEmpty())
        return false;
    const auto refused = [parent](const QString &why) {
        ui::MessageBox::error(parent, QStringLiteral("恢复失败,数据没有改变: %1").arg(why));
        return false;
    };
    const QString work = data.workDir().absolutePath();
    const QString staging = data::newRestoreFolder(work);
    // What is left in the staging folder, the unpacked files or the ones
    // replaced, goes once the restore is over, unless the user's own files
    // might still be there.
    auto tidy = qScopeGuard([staging] { QDir(staging).removeRecursively(); });

    // First the archive is known sound, then the user says yes to what it holds.
    data::BackupContents contents;
    try {
        ui::WorkProgress progress(QStringLiteral("正在检查备份文件..."), 1000, parent);
        const auto unpacked =
            data::unpackBackup(archive, staging, [&](int permille) { return progress.step(permille); });
        if (!unpacked)
            return false; // cancelled
        contents = *unpacked;
    } catch (const data::DbError &e) {
        return refused(e.message());
    }
    if (!ui::MessageBox::question(parent, QStringLiteral("恢复数据"), question(archive, contents)))
        return false;

    // The day's backup, when under way, is over before the files change.
    if (auto *daily = ui::Windows::get<DailyBackup>(ui::names::DailyBackup))
        daily->wait();
    QString before;
    try {
        ui::WorkProgress progress(QStringLiteral("正在备份现在的数据..."), 1000, parent);
        before = data::writeAutomaticBackup(data.Con_data(), data.Con_c(), data.workDir(), QDateTime::currentDateTime(),
                                            [&](int permille) { return progress.step(permille); });
    } catch (const data::DbError &e) {
        return refused(QStringLiteral("现在的数据无法备份: %1").arg(e.message()));
    }
    if (before.isEmpty())
        return false; // cancelled while the data of the moment were backed up

    data.closeFiles();
    bool traded = false;
    QString failure;
    try {
        data::exchangeDataFolders(work, staging);
        traded = true;
        data.openFiles();
        ui::MessageBox::information(parent, QStringLiteral("数据已从\n%1\n恢复").arg(shown(archive)));
        return true;
    } catch (const data::DbError &e) {
        failure = traded ? QStringLiteral("恢复的数据无法打开: %1").arg(reasonOf(e)) : e.message();
    }

    // The old files go back and are opened again, whatever fails on the way.
    const bool oldBack = data::putBackDataFolder(work, staging, traded);
    QString reopened;
    try {
        data.openFiles();
    } catch (const data::DbError &e) {
        reopened = reasonOf(e);
    }
    if (oldBack && reopened.isEmpty())
        return refused(failure);
    // The staging folder may hold the user's files: it stays, for the next
    // start to sort out; the backup made just now holds them in any case.
    tidy.dismiss();
    if (reopened.isEmpty()) {
        ui::MessageBox::error(parent, QStringLiteral("恢复失败: %1。\n原来的数据无法放回原处,现在打开的是恢复的数据;"
                                                     "原来的数据保存在自动备份\n%2\n中。")
                                          .arg(failure, shown(before)));
        return true;
    }
    ui::MessageBox::error(parent, QStringLiteral("恢复失败: %1。\n数据文件无法打开: %2。\n"
                                                 "原来的数据保存在自动备份\n%3\n中。请退出程序后重新启动。")
                                      .arg(failure, reopened, shown(before)));
    return false;
}

} // namespace app
