#include "TFrame_chanpin.h"

#include "DeletePanel.h"
#include "FormParts.h"
#include "HandOver.h"
#include "MessageBox.h"
#include "OnlineHelp.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "reports/ReportDesk.h"

#include <QStyle>

TFrame_chanpin::TFrame_chanpin(QWidget *parent)
    : ListView(ui::names::Frame_chanpin1,
               {.caption = QStringLiteral("在售产品"),
                .none = QStringLiteral("请先创建产品信息"),
                .deleteTitle = QStringLiteral("删除产品"),
                .deleted = QStringLiteral("产品已被成功删除！"),
                .warning = QStringLiteral("此操作会清除此产品全部信息。")},
               parent, ui::StripNavigator::None)
{
    deletePanel()->setCancelCaption(QStringLiteral("取消"));
    setDeleteLock(ui::DeleteLock::ToolbarAndGrid);
    layOut(ui::viewToolBar(this, {
               {"新 增", "添加新产品信息", QStyle::SP_FileIcon, [this] { newClick(); }, true},
               {"修 改", "修改选中产品的信息", QStyle::SP_FileDialogDetailedView, [this] { editClick(); }},
               {"删 除", "删除所选产品", QStyle::SP_TrashIcon, [this] { deleteClick(); }, true},
               {"刷 新", "", QStyle::SP_BrowserReload, [this] { refreshClick(); }},
               {"搜 索", "自定义条件搜索", QStyle::SP_FileDialogContentsView, [this] { searchClick(); }},
               {"报 表", "输出\\打印报表", QStyle::SP_DialogSaveButton, [this] { reportClick(); }, true},
               {"帮 助", "帮助手册及版本信息", QStyle::SP_DialogHelpButton, [] { ui::startOnlineHelp(); }},
           }),
           {}, ui::titleStrip(QStringLiteral("在售产品"), this, ui::strips::customerList));
    connect(grid(), &ui::DbGrid::rowDoubleClicked, this, &TFrame_chanpin::DBGrid1DblClick);
}

void TFrame_chanpin::bindData(TData_in &data)
{
    m_data = &data;
    const QColor grey(243, 243, 243);
    const QColor white(Qt::white);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centred = Qt::AlignCenter;
    // field, title, width (0: the default), cells, text, ground, bold, type size, title
    bindList(&data.vtv4_all(), {{"oid", "编号", 30, centred, {}, white, false, 0, centred},
                                {"o11", "状态", 60, left, {}, grey, true, 0, centred},
                                {"o1", "名称", 160, left, {}, white, false, 0, centred},
                                {"o10", "库存量", 0, left, {}, grey, false, 0, centred},
                                {"o2", "大类", 50, left, {}, white, false, 0, centred},
                                {"o3", "细类1", 50, left, {}, grey, false, 0, centred},
                                {"o4", "细类2", 50, left, {}, white, false, 0, centred},
                                {"o5", "成本价", 70, left, {}, grey, false, 0, centred},
                                {"o6", "销售底价", 70, left, {}, white, false, 0, centred},
                                {"o7", "销售标准价", 70, left, Qt::red, grey, false, 0, centred},
                                {"o8", "创建日期", 80, left, {}, white, false, 0, centred}});
}

void TFrame_chanpin::newClick()
{
    ui::openWindow(ui::names::Tnew_chanpin);
}

void TFrame_chanpin::editClick()
{
    if (hasRows())
        ui::openWindow(ui::names::Tedit_chanpin);
}

void TFrame_chanpin::refreshClick()
{
    ui::guarded(this, [this] { m_data->vtv4_all().reset(); });
}

void TFrame_chanpin::searchClick()
{
    if (hasRows())
        ui::openWindow(ui::names::Tfind_chanpin);
}

void TFrame_chanpin::reportClick()
{
    // The report tests for rows itself, with the same message.
    reports::runReport(this, QStringLiteral("vtv4_all"));
}

// The detail window for the current product; nothing when there is none.
void TFrame_chanpin::DBGrid1DblClick()
{
    if (m_data && !m_data->vtv4_all().isEmpty())
        ui::openForRow(ui::names::Tover_chanpin, m_data->vtv4_all());
}
