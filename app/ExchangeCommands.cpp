#include "ExchangeCommands.h"

#include "DbError.h"
#include "ExportTables.h"
#include "ExportWindow.h"
#include "FileChoice.h"
#include "ImportRun.h"
#include "ImportSummaryWindow.h"
#include "ImportWindow.h"
#include "MessageBox.h"
#include "SheetRead.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WorkProgress.h"

#include <QDir>
#include <QFileDialog>

namespace app {

void exportWhereAsked(QWidget *parent, TData_in &data)
{
    ExportWindow window(data, parent);
    if (window.exec() != QDialog::Accepted)
        return;
    const data::ExportTable &table = window.table();
    ui::MessageBox::information(parent, QStringLiteral("已将 %1 条%2记录导出到\n\"%3\"")
                                            .arg(data.query(table.query).count())
                                            .arg(table.caption, QDir::toNativeSeparators(window.file())));
}

bool importWhereAsked(QWidget *parent, TData_in &data)
{
    const QString file = QFileDialog::getOpenFileName(parent, QStringLiteral("从Excel导入"), ui::documentsFolder(),
                                                      QStringLiteral("表格文件 (*.xlsx *.csv);;所有文件 (*)"));
    if (file.isEmpty())
        return false;
    const auto failed = [parent](const data::DbError &e) {
        ui::MessageBox::error(parent, QStringLiteral("导入失败,没有添加任何记录: %1").arg(e.message()));
        return false;
    };
    FirstRows rows;
    try {
        // A file may take a while before its first rows are there (a text
        // file is read whole to tell its encoding): 取消 leaves it.
        ui::WorkProgress progress(QStringLiteral("正在读取文件..."), 1000, parent);
        const auto told = [&](int permille) { return progress.step(permille); };
        const std::unique_ptr<data::SheetRows> sheet = data::openSheet(file, told);
        QStringList cells;
        int number = 0;
        while (rows.size() <= size_t(ImportWindow::kPreviewRows) && sheet->next(cells, number))
            rows.emplace_back(number, cells);
    } catch (const data::DbError &e) {
        return failed(e);
    } catch (const data::ReadStopped &) {
        return false;
    }
    if (rows.empty()) {
        ui::MessageBox::warning(parent, QStringLiteral("文件\"%1\"中没有任何记录").arg(QDir::toNativeSeparators(file)));
        return false;
    }
    ImportWindow window(data.Con_data(), file, std::move(rows), parent);
    if (window.exec() != QDialog::Accepted)
        return false;
    const data::ImportTarget &target = window.target();
    data::ImportSummary summary;
    try {
        ui::WorkProgress progress(QStringLiteral("正在导入%1...").arg(target.caption), 1000, parent);
        const auto told = [&](int permille) { return progress.step(permille); };
        const std::unique_ptr<data::SheetRows> sheet = data::openSheet(file, told);
        summary = data::importSheet(data.Con_data(), target, *sheet, window.choices(), told);
    } catch (const data::DbError &e) {
        return failed(e);
    } catch (const data::ReadStopped &) {
        summary = data::stoppedImport(target);
    }
    if (summary.added > 0) {
        // The lists show what came in (a search shown before is over).
        try {
            data.query(target.query).reset();
            if (summary.companiesMade > 0)
                data.atc2_all().reset();
        } catch (const data::DbError &e) {
            ui::MessageBox::error(parent, e.message());
        }
    }
    ImportSummaryWindow(summary.text(), parent).exec();
    return summary.added > 0;
}

} // namespace app
