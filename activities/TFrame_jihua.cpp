#include "TFrame_jihua.h"

#include "ActivityText.h"
#include "FormParts.h"
#include "HandOver.h"
#include "MessageBox.h"
#include "OnlineHelp.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "reports/ReportDesk.h"

#include <QComboBox>
#include <QStyle>

TFrame_jihua::TFrame_jihua(QWidget *parent)
    : ListView(ui::names::Frame_jihua1,
               {QStringLiteral("销售活动"), QStringLiteral("制订客户维护计划"), QStringLiteral("请先创建销售活动"),
                QStringLiteral("删除销售活动"), QStringLiteral("销售活动已被成功删除！")},
               parent)
{
    QStringList items{data::kAllActivities};
    items << data::activityTypes();
    ComboBox1 = ui::choiceBox(this, QStringLiteral("ComboBox1"), items, 0, QStringLiteral("活动类型"));
    ComboBox1->setMinimumWidth(90);
    layOut(ui::viewToolBar(this, {
               {"结 束", "结束所选的销售活动", QStyle::SP_DialogApplyButton, [this] { endClick(); }},
               {"删 除", "删除所选的销售活动", QStyle::SP_TrashIcon, [this] { deleteClick(); }, true},
               {"刷 新", "刷新数据", QStyle::SP_BrowserReload, [this] { refreshClick(); }},
               {"搜 索", "自定义条件搜索", QStyle::SP_FileDialogContentsView, [this] { searchClick(); }},
               {"报 表", "输出\\打印报表", QStyle::SP_DialogSaveButton, [this] { reportClick(); }, true},
               {"帮 助", "帮助手册及版本信息", QStyle::SP_DialogHelpButton, [] { ui::startOnlineHelp(); }},
           }),
           {ComboBox1});
    connect(grid(), &ui::DbGrid::rowDoubleClicked, this, &TFrame_jihua::endClick);
    connect(ComboBox1, &QComboBox::currentTextChanged, this, &TFrame_jihua::ComboBox1Change);
}

void TFrame_jihua::bindData(TData_in &data)
{
    m_data = &data;
    const QColor grey(243, 243, 243);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centred = Qt::AlignCenter;
    // field, title, width, cells, text, ground, bold, type size, title
    bindList(&data.vtv1_all(), {{"eid", "编号", 40, left, {}, {}, false, 0, left},
                                {"e15", "状态", 60, left, {}, grey, false, 0, centred},
                                {"e5", "活动类型", 60, centred, QColor(0, 128, 0), {}, false, 0, left},
                                {"e3", "日期时间", 125, left, {}, grey, false, 0, centred},
                                {"e11", "", 55, left, {}, {}, true, 0, left},
                                {"e13", " 客户", 35, left, {}, Qt::white, true, 0, left},
                                {"e12", "", 50, left, QColor(128, 128, 128), {}, false, 0, left},
                                {"e7", "目标", 200, left, {}, grey, false, 0, centred},
                                {"e8", "持续时间", 70, centred, {}, {}, false, 0, left},
                                {"e6", "优先级", 60, centred, {}, grey, false, 0, left}});
}

// 结 束 and the double click: the end-activity window for the current
// activity, unless there is none or it has ended already.
void TFrame_jihua::endClick()
{
    if (!m_data)
        return;
    const data::StandingQuery &activities = m_data->vtv1_all();
    if (activities.isEmpty() || activities.currentRow() < 0
        || activities.field(QStringLiteral("e15")) == data::kActivityEnded)
        return;
    ui::openForRow(ui::names::Tover_sell, activities);
}

void TFrame_jihua::refreshClick()
{
    // The type filter keeps its text, although every activity is on show again.
    ui::guarded(this, [this] { m_data->vtv1_all().reset(); });
}

void TFrame_jihua::searchClick()
{
    if (hasRows())
        ui::openWindow(ui::names::Tfind_jihua);
}

void TFrame_jihua::reportClick()
{
    // The report tests for rows itself, with the same message.
    reports::runReport(this, QStringLiteral("vtv1_all"));
}

// Each of the four items filters; any other text typed into the box does nothing.
void TFrame_jihua::ComboBox1Change(const QString &text)
{
    const QString statement = data::activityTypeFilter(text);
    if (!m_data || statement.isEmpty())
        return;
    ui::guarded(this, [&] { m_data->vtv1_all().filter(statement); });
}
