#include "TFrame_renwu.h"

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

TFrame_renwu::TFrame_renwu(QWidget *parent)
    : ListView(ui::names::Frame_renwu1,
               {QStringLiteral("销售分析"), QStringLiteral("建立一个档案,用于跟踪潜在客户。"),
                QStringLiteral("请先创建销售分析"), QStringLiteral("删除销售分析"), QStringLiteral("销售分析已被成功删除！")},
               parent)
{
    deletePanel()->setObjectName(QStringLiteral("Panel15"));
    layOut(ui::viewToolBar(this, {
               {"跟 进", "跟进选中的销售分析", QStyle::SP_ArrowForward, [this] { followUpClick(); }},
               {"删 除", "删除选中的销售分析", QStyle::SP_TrashIcon, [this] { deleteClick(); }, true},
               {"刷 新", "刷新数据", QStyle::SP_BrowserReload, [this] { refreshClick(); }},
               {"搜 索", "自定义条件搜索", QStyle::SP_FileDialogContentsView, [this] { searchClick(); }},
               {"报 表", "输出\\打印报表", QStyle::SP_DialogSaveButton, [this] { reportClick(); }, true},
               {"帮 助", "帮助手册及版本信息", QStyle::SP_DialogHelpButton, [] { ui::startOnlineHelp(); }},
           }),
           {}, ui::titleStrip(QStringLiteral("销售分析"), this, ui::strips::customerList));
    connect(grid(), &ui::DbGrid::rowDoubleClicked, this, &TFrame_renwu::followUpClick);
}

void TFrame_renwu::bindData(TData_in &data)
{
    m_data = &data;
    const QColor grey(243, 243, 243);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centred = Qt::AlignCenter;
    // field, title, width, cells, text, ground, bold, type size, title, bold title
    bindList(&data.vtv2_all(), {{"hid", "编号", 40, left, {}, Qt::white, false, 0, left},
                                {"h9", "当前进度", 130, left, {}, grey, false, 0, centred, true},
                                {"h12", "客户姓名", 70, left, {}, Qt::white, false, 0, centred},
                                {"h13", " ", 50, left, {}, Qt::white, false, 0, centred},
                                {"h2", "有意向的产品", 140, left, {}, grey, false, 0, centred},
                                {"h4", "数量", 50, left, {}, Qt::white, false, 0, centred},
                                {"h5", "单价", 50, left, {}, grey, false, 0, centred},
                                {"h6", "总计", 50, left, Qt::red, Qt::white, false, 0, centred},
                                {"h7", "预计签单日", 90, left, {}, grey, false, 0, centred},
                                {"h8", "概率", 40, left, {}, Qt::white, false, 0, centred}});
}

// 跟 进 and the double click: the follow-up window for the current analysis.
void TFrame_renwu::followUpClick()
{
    if (m_data && !m_data->vtv2_all().isEmpty())
        ui::openForRow(ui::names::Tover_fenxi, m_data->vtv2_all());
}

void TFrame_renwu::refreshClick()
{
    ui::guarded(this, [this] { m_data->vtv2_all().reset(); });
}

void TFrame_renwu::searchClick()
{
    if (hasRows())
        ui::openWindow(ui::names::Tfind_fenxi);
}

void TFrame_renwu::reportClick()
{
    // The report tests for rows itself, with the same message.
    reports::runReport(this, QStringLiteral("vtv2_all"));
}
