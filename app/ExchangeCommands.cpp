#include "ExchangeCommands.h"

#include "DbError.h"
#include "ExportTables.h"
#include "ExportWindow.h"
#include "MessageBox.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WorkProgress.h"

#include <QDir>

namespace app {

void exportWhereAsked(QWidget *parent, TData_in &data)
{
    ExportWindow window(data, parent);
    if (window.exec() != QDialog::Accepted)
        return;
    const data::ExportTable &table = window.table();
    const data::StandingQuery &query = data.query(table.query);
    const QString file = window.file();
    try {
        ui::WorkProgress progress(QStringLiteral("正在导出%1...").arg(table.caption), query.count(), parent);
        if (!data::exportRows(query, table, file, [&](int row) { return progress.step(row); }))
            return;
    } catch (const data::DbError &e) {
        ui::MessageBox::error(parent, QStringLiteral("导出失败: %1").arg(e.message()));
        return;
    }
    ui::MessageBox::information(parent, QStringLiteral("已将 %1 条%2记录导出到\n\"%3\"")
                                            .arg(query.count())
                                            .arg(table.caption, QDir::toNativeSeparators(file)));
}

} // namespace app
