#include "TFrame_lianxiren.h"

#include "CustomerDetailCompany.h"
#include "CustomerDetailPages.h"
#include "DbGrid.h"
#include "DeletePanel.h"
#include "DetailText.h"
#include "FormParts.h"
#include "HandOver.h"
#include "Links.h"
#include "MessageBox.h"
#include "OnlineHelp.h"
#include "Shell.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Tnew_beiwang.h"
#include "WindowNames.h"

#include <QComboBox>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QStringList kActivityTypes{QStringLiteral("沟通"), QStringLiteral("拜访"), QStringLiteral("计划")};
const QString kAllActivities = QStringLiteral("全部");

} // namespace

TFrame_lianxiren::TFrame_lianxiren(QWidget *parent) : QFrame(parent)
{
    setObjectName(ui::names::Frame_lianxiren1);
    setAccessibleName(QStringLiteral("客户详细信息"));
    createLayout();
    connectActions();
}

void TFrame_lianxiren::createLayout()
{
    m_toolBar = createToolBar();
    m_header = new CustomerDetailHeader(this);
    m_pages = new CustomerDetailPages(this);
    m_memoPanel = new ui::DeletePanel(QStringLiteral("删除备忘"), {QStringLiteral("您确定要继续?")}, this);
    m_memoPanel->setCancelCaption(QStringLiteral("取消"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_header);
    layout->addWidget(m_pages, 1);
    m_header->showValues({});
}

QToolBar *TFrame_lianxiren::createToolBar()
{
    return ui::viewToolBar(this, {
        {"回列表", "返回客户清单表", QStyle::SP_ArrowBack, [this] { backClick(); }, true},
        {"新活动", "创建销售活动", QStyle::SP_FileDialogNewFolder, [this] { newActivityClick(true); }},
        {"新分析", "创建销售分析", QStyle::SP_FileDialogInfoView, [this] { newAnalysisClick(true); }},
        {"新备忘", "添加备忘", QStyle::SP_FileDialogDetailedView, [this] { newMemoClick(true); }, true},
        {"修 改", "修改当前联系人信息", QStyle::SP_FileDialogListView, [this] { editClick(); }, true},
        {"帮 助", "帮助", QStyle::SP_DialogHelpButton, [] { ui::startOnlineHelp(); }},
    });
}

void TFrame_lianxiren::connectActions()
{
    CustomerDetailPages *p = m_pages;
    connect(m_header->backButton(), &QPushButton::clicked, this, &TFrame_lianxiren::backClick);
    connect(p->newMemoButton(), &QPushButton::clicked, this, [this] { newMemoClick(false); });
    connect(p->deleteMemoButton(), &QPushButton::clicked, this, &TFrame_lianxiren::deleteMemoClick);
    connect(p->newActivityButton(), &QPushButton::clicked, this, [this] { newActivityClick(false); });
    connect(p->endActivityButton(), &QPushButton::clicked, this, &TFrame_lianxiren::endActivityClick);
    connect(p->activityGrid(), &ui::DbGrid::rowDoubleClicked, this, &TFrame_lianxiren::endActivityClick);
    connect(p->activityType(), &QComboBox::currentTextChanged, this, &TFrame_lianxiren::activityTypeChange);
    connect(p->newAnalysisButton(), &QPushButton::clicked, this, [this] { newAnalysisClick(false); });
    connect(p->followUpButton(), &QPushButton::clicked, this, &TFrame_lianxiren::followUpClick);
    connect(p->analysisGrid(), &ui::DbGrid::rowDoubleClicked, this, &TFrame_lianxiren::followUpClick);
    connect(p->enquiryButton(), &QPushButton::clicked, this, [] { ui::openLink(ui::kCreditEnquiry); });
    connect(m_memoPanel, &ui::DeletePanel::deleteRequested, this, &TFrame_lianxiren::deleteMemoConfirmed);
    connect(m_memoPanel, &ui::DeletePanel::cancelled, this, &TFrame_lianxiren::closeMemoPanel);
}

void TFrame_lianxiren::bindData(TData_in &data)
{
    m_data = &data;
    m_pages->bind(data);
    if (ui::Shell *shell = ui::Shell::instance()) {
        for (ui::DbGrid *grid : {m_pages->activityGrid(), m_pages->memoGrid(), m_pages->analysisGrid()})
            shell->registerListGrid(grid);
    }
}

void TFrame_lianxiren::showTab(Tab tab)
{
    m_pages->setCurrentIndex(int(tab));
}

void TFrame_lianxiren::showInFront(Tab tab)
{
    auto *detail = ui::Windows::get<TFrame_lianxiren>(ui::names::Frame_lianxiren1);
    if (!detail)
        return;
    if (ui::Shell *shell = ui::Shell::instance())
        shell->showView(detail);
    detail->showTab(tab);
}

TFrame_lianxiren::Tab TFrame_lianxiren::currentTab() const
{
    return Tab(m_pages->currentIndex());
}

bool TFrame_lianxiren::openCustomer(const data::StandingQuery &customers)
{
    if (!m_data || customers.isEmpty())
        return false;
    mirrorHeader(customers);
    const QString aid = customers.field(QStringLiteral("aid"));
    const QString cid = customers.field(QStringLiteral("a14"));
    const bool loaded = ui::guarded(this, [&] {
        m_data->vtv1_all().filter(data::customerActivities(aid));
        m_shownCustomer = aid;
        m_data->vtv2_all().filter(data::customerAnalyses(aid));
        m_data->vtv3_all().filter(data::customerMemos(aid));
        m_data->find_gongsi().filter(data::companyOf(cid));
        showRating(customers.field(QStringLiteral("a11")));
    });
    return loaded;
}

void TFrame_lianxiren::mirrorHeader(const data::StandingQuery &customers)
{
    CustomerValues values = mirroredValues(customers);
    if (values == m_values)
        return;
    m_values = std::move(values);
    m_header->showValues(m_values);
    m_pages->showSupplement(m_values);
    m_pages->company()->setCompanyKey(m_values.value(QStringLiteral("a14")));
}

void TFrame_lianxiren::showRating(const QString &a11)
{
    m_header->showRating(a11);
}

int TFrame_lianxiren::stars() const
{
    return m_header->stars();
}

QString TFrame_lianxiren::shownCustomer() const
{
    return m_shownCustomer;
}

void TFrame_lianxiren::backClick()
{
    ui::Shell *shell = ui::Shell::instance();
    if (QWidget *list = ui::Windows::get<QWidget>(ui::names::Frame_liebiao1); shell && list)
        shell->showView(list);
}

void TFrame_lianxiren::newActivityClick(bool fromToolBar)
{
    if (fromToolBar)
        showTab(Tab::Activities);
    ui::openForCustomer(ui::names::Tnew_sell, m_header->customer());
}

void TFrame_lianxiren::newAnalysisClick(bool fromToolBar)
{
    if (fromToolBar)
        showTab(Tab::Analyses);
    ui::openForCustomer(ui::names::Tnew_fenxi, m_header->customer());
}

void TFrame_lianxiren::newMemoClick(bool fromToolBar)
{
    if (fromToolBar)
        showTab(Tab::Memos);
    const ui::CustomerRef customer = m_header->customer();
    if (auto *memo = ui::Windows::get<Tnew_beiwang>(ui::names::Tnew_beiwang))
        memo->setCustomerMode(customer.a1, customer.aid);
    ui::openWindow(ui::names::Tnew_beiwang);
}

void TFrame_lianxiren::editClick()
{
    ui::openWindow(ui::names::Tedit_lianxiren);
}

// An ended activity, or none, opens nothing.
void TFrame_lianxiren::endActivityClick()
{
    const data::StandingQuery &activities = m_data->vtv1_all();
    if (activities.isEmpty() || activities.field(QStringLiteral("e15")) == QStringLiteral("已结束"))
        return;
    ui::openForRow(ui::names::Tover_sell, activities);
}

void TFrame_lianxiren::followUpClick()
{
    const data::StandingQuery &analyses = m_data->vtv2_all();
    if (!analyses.isEmpty())
        ui::openForRow(ui::names::Tover_fenxi, analyses);
}

// The four items filter the activities of the customer on show (all
// activities before any customer was opened); typed text does nothing.
void TFrame_lianxiren::activityTypeChange(const QString &text)
{
    if (!m_data || (text != kAllActivities && !kActivityTypes.contains(text)))
        return;
    QStringList conditions;
    if (text != kAllActivities)
        conditions << QStringLiteral("e5 like '%") + text + QStringLiteral("%'");
    if (!m_shownCustomer.isEmpty())
        conditions << QStringLiteral("e2 like ") + data::keyOrNull(m_shownCustomer);
    QString sql = QStringLiteral("select * from vtv1");
    if (!conditions.isEmpty())
        sql += QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
    sql += QStringLiteral(" order by e3 desc");
    ui::guarded(this, [&] { m_data->vtv1_all().filter(sql); });
}

void TFrame_lianxiren::deleteMemoClick()
{
    setBrowsing(false);
    m_memoPanel->popUp(m_pages, m_data->vtv3_all());
}

// Deletes the memo the panel asked about, and only while it is still the
// current one.
void TFrame_lianxiren::deleteMemoConfirmed(const QString &jid)
{
    const bool deleted = ui::guarded(this, [&] {
        m_data->vtv3_all().deleteConfirmed(jid);
    });
    if (deleted)
        closeMemoPanel();
}

void TFrame_lianxiren::closeMemoPanel()
{
    m_memoPanel->dismiss();
    setBrowsing(true);
}

void TFrame_lianxiren::setBrowsing(bool browsing)
{
    if (ui::Shell *shell = ui::Shell::instance())
        shell->setNavigationEnabled(browsing);
    m_toolBar->setEnabled(browsing);
    m_header->setEnabled(browsing);
    m_pages->setEnabled(browsing);
}
