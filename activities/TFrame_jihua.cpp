#include "TFrame_jihua.h"

#include "ActivityText.h"
#include "DbGrid.h"
#include "DbNavigator.h"
#include "DeletePanel.h"
#include "FormParts.h"
#include "HandOver.h"
#include "MessageBox.h"
#include "OnlineHelp.h"
#include "Shell.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WindowNames.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kNoActivities = QStringLiteral("请先创建销售活动");

} // namespace

TFrame_jihua::TFrame_jihua(QWidget *parent) : QFrame(parent)
{
    setObjectName(ui::names::Frame_jihua1);
    setAccessibleName(QStringLiteral("销售活动"));
    createLayout();
    connectActions();
}

void TFrame_jihua::createLayout()
{
    m_toolBar = createToolBar();
    m_captionStrip = createCaptionStrip();

    DBGrid1 = new ui::DbGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("销售活动"));

    m_deletePanel = new ui::DeletePanel(QStringLiteral("删除销售活动"), {QStringLiteral("您确定要继续?")}, this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_captionStrip);
    layout->addWidget(DBGrid1, 1);
}

QToolBar *TFrame_jihua::createToolBar()
{
    return ui::viewToolBar(this, {
        {"结 束", "结束所选的销售活动", QStyle::SP_DialogApplyButton, [this] { endClick(); }},
        {"删 除", "删除所选的销售活动", QStyle::SP_TrashIcon, [this] { deleteClick(); }, true},
        {"刷 新", "刷新数据", QStyle::SP_BrowserReload, [this] { refreshClick(); }},
        {"搜 索", "自定义条件搜索", QStyle::SP_FileDialogContentsView, [this] { searchClick(); }},
        {"报 表", "输出\\打印报表", QStyle::SP_DialogSaveButton, [this] { reportClick(); }, true},
        {"帮 助", "帮助手册及版本信息", QStyle::SP_DialogHelpButton, [] { ui::startOnlineHelp(); }},
    });
}

QWidget *TFrame_jihua::createCaptionStrip()
{
    auto *strip = new QWidget(this);
    DBNavigator1 = new ui::DbNavigator(strip);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    QStringList items{data::kAllActivities};
    items << data::activityTypes();
    ComboBox1 = ui::choiceBox(strip, QStringLiteral("ComboBox1"), items, 0, QStringLiteral("活动类型"));
    ComboBox1->setMinimumWidth(90);

    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(ui::captionBox(QStringLiteral("销售活动"), strip));
    row->addWidget(DBNavigator1);
    row->addWidget(ComboBox1);
    row->addWidget(ui::banner(QStringLiteral("制订客户维护计划"), strip));
    row->addStretch();
    return strip;
}

void TFrame_jihua::connectActions()
{
    connect(DBGrid1, &ui::DbGrid::rowDoubleClicked, this, &TFrame_jihua::endClick);
    connect(ComboBox1, &QComboBox::currentTextChanged, this, &TFrame_jihua::ComboBox1Change);
    connect(m_deletePanel, &ui::DeletePanel::deleteRequested, this, &TFrame_jihua::deleteConfirmed);
    connect(m_deletePanel, &ui::DeletePanel::cancelled, this, &TFrame_jihua::closeDeletePanel);
}

void TFrame_jihua::bindData(TData_in &data)
{
    m_data = &data;
    data::StandingQuery *activities = &data.vtv1_all();
    const QColor grey(243, 243, 243);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centred = Qt::AlignCenter;
    // field, title, width, cells, text, ground, bold, type size, title
    DBGrid1->bind(activities,
                  {{"eid", "编号", 40, left, {}, {}, false, 0, left},
                   {"e15", "状态", 60, left, {}, grey, false, 0, centred},
                   {"e5", "活动类型", 60, centred, QColor(0, 128, 0), {}, false, 0, left},
                   {"e3", "日期时间", 125, left, {}, grey, false, 0, centred},
                   {"e11", "", 55, left, {}, {}, true, 0, left},
                   {"e13", " 客户", 35, left, {}, Qt::white, true, 0, left},
                   {"e12", "", 50, left, QColor(128, 128, 128), {}, false, 0, left},
                   {"e7", "目标", 200, left, {}, grey, false, 0, centred},
                   {"e8", "持续时间", 70, centred, {}, {}, false, 0, left},
                   {"e6", "优先级", 60, centred, {}, grey, false, 0, left}});
    DBNavigator1->bind(activities, ui::DbNavigator::First | ui::DbNavigator::Prior | ui::DbNavigator::Next | ui::DbNavigator::Last,
                       {{ui::DbNavigator::First, QStringLiteral("第一条")},
                        {ui::DbNavigator::Prior, QStringLiteral("上一条")},
                        {ui::DbNavigator::Next, QStringLiteral("下一条")},
                        {ui::DbNavigator::Last, QStringLiteral("最后")}});
    if (ui::Shell *shell = ui::Shell::instance())
        shell->registerListGrid(DBGrid1);
}

bool TFrame_jihua::hasActivities()
{
    if (m_data && !m_data->vtv1_all().isEmpty())
        return true;
    ui::MessageBox::information(this, kNoActivities);
    return false;
}

// 结 束 and the double click: the end-activity window for the current
// activity, unless there is none or it has ended already.
void TFrame_jihua::endClick()
{
    if (!m_data)
        return;
    const data::StandingQuery &activities = m_data->vtv1_all();
    if (activities.isEmpty() || activities.currentRow() < 0 || activities.field(QStringLiteral("e15")) == data::kActivityEnded)
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
    if (hasActivities())
        ui::openWindow(ui::names::Tfind_jihua);
}

void TFrame_jihua::reportClick()
{
    if (!hasActivities())
        return;
    // The activity report joins with the reports subsystem.
}

// Each of the four items filters; any other text typed into the box does nothing.
void TFrame_jihua::ComboBox1Change(const QString &text)
{
    const QString statement = data::activityTypeFilter(text);
    if (!m_data || statement.isEmpty())
        return;
    ui::guarded(this, [&] { m_data->vtv1_all().filter(statement); });
}

void TFrame_jihua::deleteClick()
{
    if (!hasActivities())
        return;
    setBrowsing(false);
    m_deletePanel->popUp(DBGrid1, m_data->vtv1_all());
}

// Deletes the activity the panel asked about, and nothing else; when the
// database refuses, or that activity is no longer the current one, the panel
// stays up.
void TFrame_jihua::deleteConfirmed(const QString &eid)
{
    if (!ui::guarded(this, [&] { m_data->vtv1_all().deleteConfirmed(eid); }))
        return;
    closeDeletePanel();
    ui::MessageBox::information(this, QStringLiteral("销售活动已被成功删除！"));
}

void TFrame_jihua::closeDeletePanel()
{
    m_deletePanel->dismiss();
    setBrowsing(true);
}

void TFrame_jihua::setBrowsing(bool browsing)
{
    if (ui::Shell *shell = ui::Shell::instance())
        shell->setNavigationEnabled(browsing);
    m_toolBar->setEnabled(browsing);
    m_captionStrip->setEnabled(browsing);
    DBGrid1->setEnabled(browsing);
}
