#pragma once

class QWidget;
class TData_in;

namespace app {

// 系统 > 数据交换 > 导出至Excel: asks which table and which file, then
// writes the rows that table's list holds, with a progress window whose
// 取消 leaves no file behind, and says how many rows went out or what failed.
void exportWhereAsked(QWidget *parent, TData_in &data);

// 系统 > 数据交换 > 从Excel导入: asks for a .xlsx or .csv file, shows what
// its rows become (ImportWindow) and, once confirmed, adds the rows that
// pass, all of them or none, with a progress window whose 取消 adds none.
// The summary that follows can be saved. True when records were added.
bool importWhereAsked(QWidget *parent, TData_in &data);

} // namespace app
