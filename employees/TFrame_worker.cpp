#include "TFrame_worker.h"

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

TFrame_worker::TFrame_worker(QWidget *parent)
    : ListView(ui::names::Frame_worker1,
               {QStringLiteral("员工管理"), QString(), QStringLiteral("请先创建员工档案"), QStringLiteral("删除员工"),
                QStringLiteral("员工已被成功删除！"), QStringLiteral("此操作会清除此员工全部信息。")},
               parent, ui::StripNavigator::None)
{
    deletePanel()->setCancelCaption(QStringLiteral("取消"));
    setDeleteLock(ui::DeleteLock::WholeView);
    layOut(ui::viewToolBar(this, {
               {"新员工", "创建新员工档案", QStyle::SP_FileIcon, [] { ui::openWindow(ui::names::Tnew_user); }},
               {"编 辑", "编辑所选员工档案", QStyle::SP_FileDialogDetailedView, [this] { editClick(); }},
               {"删 除", "删除所选员工档案", QStyle::SP_TrashIcon, [this] { deleteClick(); }, true},
               {"刷 新", "刷新数据", QStyle::SP_BrowserReload, [this] { refreshClick(); }},
               {"搜 索", "自定义条件搜索", QStyle::SP_FileDialogContentsView, [this] { searchClick(); }},
               {"报 表", "输出\\打印报表", QStyle::SP_DialogSaveButton, [this] { reportClick(); }, true},
               {"帮 助", "帮助手册及版本信息", QStyle::SP_DialogHelpButton, [] { ui::startOnlineHelp(); }},
           }),
           {}, ui::titleStrip(QStringLiteral("员工管理"), this, ui::strips::customerList));
    connect(grid(), &ui::DbGrid::rowDoubleClicked, this, &TFrame_worker::detailClick);
}

void TFrame_worker::bindData(TData_in &data)
{
    m_data = &data;
    const QColor white(Qt::white);
    const QColor grey(243, 243, 243);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centred = Qt::AlignCenter;
    // field, title, width, cells, text, ground, bold, type size, title; the
    // grounds alternate from white, the last column on the grid's own.
    bindList(&data.utm1_all(), {{"uid", "编号", 50, centred, {}, white, false, 0, centred},
                                {"u19", "状态", 50, left, {}, grey, false, 0, centred},
                                {"u1", "中文名", 80, left, {}, white, false, 0, centred},
                                {"u2", "英文名", 80, left, {}, grey, false, 0, centred},
                                {"u20", "性别", 50, left, {}, white, false, 0, centred},
                                {"u4", "职务", 90, left, {}, grey, false, 0, centred},
                                {"u5", "部门", 90, left, {}, white, false, 0, centred},
                                {"u15", "电话", 90, left, {}, grey, false, 0, centred},
                                {"u16", "手机", 110, left, {}, white, false, 0, centred},
                                {"u22", "E-mail", 120, left, {}, grey, false, 0, centred},
                                {"u8", "身份证号", 120, left, {}, {}, false, 0, centred}});
}

void TFrame_worker::editClick()
{
    if (hasRows())
        ui::openWindow(ui::names::Tedit_worker);
}

void TFrame_worker::refreshClick()
{
    ui::guarded(this, [this] { m_data->utm1_all().reset(); });
}

void TFrame_worker::searchClick()
{
    if (hasRows())
        ui::openWindow(ui::names::Tfind_worker);
}

void TFrame_worker::reportClick()
{
    // The report tests for rows itself, with the same message.
    reports::runReport(this, QStringLiteral("utm1_all"));
}

// The double click: the details of the current employee.
void TFrame_worker::detailClick()
{
    if (m_data && !m_data->utm1_all().isEmpty())
        ui::openForRow(ui::names::Tover_user, m_data->utm1_all());
}
