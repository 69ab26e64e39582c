#include "TFrame_liebiao.h"

#include "Connection.h"
#include "CustomerListMirror.h"
#include "DbGrid.h"
#include "DbNavigator.h"
#include "DeletePanel.h"
#include "DetailText.h"
#include "FormParts.h"
#include "HandOver.h"
#include "MessageBox.h"
#include "OnlineHelp.h"
#include "Shell.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "TextLimit.h"
#include "Tnew_beiwang.h"
#include "WindowNames.h"
#include "reports/ReportDesk.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kNoCustomers = QStringLiteral("请先创建客户信息");

// The rows that belong to a customer go with it, in the same transaction.
void deleteDependents(data::Connection &connection, const QString &aid)
{
    for (const QString &statement : data::customerDependentsDeletes(aid))
        connection.execute(statement);
}

} // namespace

TFrame_liebiao::TFrame_liebiao(QWidget *parent) : QFrame(parent)
{
    setObjectName(ui::names::Frame_liebiao1);
    setAccessibleName(QStringLiteral("客户列表"));
    createLayout();
    connectActions();
}

void TFrame_liebiao::createLayout()
{
    QWidget *pictureStrip = ui::titleStrip(QString(), this, ui::strips::customerList);

    m_toolBar = createToolBar();
    m_captionStrip = createCaptionStrip();

    DBGrid1 = new ui::DbGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->viewport()->installEventFilter(this);

    m_mirror = new CustomerListMirror(this);
    m_deleteKey = new QLineEdit(this);
    m_deleteKey->setObjectName(QStringLiteral("deleteKey"));
    ui::limitText(m_deleteKey, ui::kNoLimit);
    m_deleteKey->hide();

    m_deletePanel = new ui::DeletePanel(
        QStringLiteral("删除客户"),
        {QStringLiteral("如要删除此客户,和其相关的数据(如备忘、销售活动"), QStringLiteral("等),也将同时清除。您确定要继续?")},
        this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pictureStrip);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_captionStrip);
    layout->addWidget(DBGrid1, 1);
}

QToolBar *TFrame_liebiao::createToolBar()
{
    return ui::viewToolBar(this, {
        {"新客户", "添加新联系人", QStyle::SP_FileIcon, [this] { newCustomerClick(); }},
        {"删 除", "删除选中联系人", QStyle::SP_TrashIcon, [this] { deleteClick(); }, true},
        {"新活动", "创建新销售活动", QStyle::SP_FileDialogNewFolder, [this] { newActivityClick(); }},
        {"新分析", "创建新销售分析", QStyle::SP_FileDialogInfoView, [this] { newAnalysisClick(); }},
        {"新备忘", "为选中联系人添加备忘", QStyle::SP_FileDialogDetailedView, [this] { newMemoClick(); }, true},
        {"刷 新", "刷新数据", QStyle::SP_BrowserReload, [this] { refreshClick(); }},
        {"搜 索", "自定义条件搜索", QStyle::SP_FileDialogContentsView, [this] { searchClick(); }},
        {"报 表", "输出\\打印报表", QStyle::SP_DialogSaveButton, [this] { reportClick(); }, true},
        {"帮 助", "帮助手册及版本信息", QStyle::SP_DialogHelpButton, [] { ui::startOnlineHelp(); }},
    });
}

QWidget *TFrame_liebiao::createCaptionStrip()
{
    auto *strip = new QWidget(this);
    auto *caption = new QLabel(QStringLiteral("客户列表"), strip);
    caption->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    caption->setStyleSheet(QStringLiteral("font-weight: bold; padding: 2px 12px;"));
    DBNavigator1 = new ui::DbNavigator(strip);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    auto *banner = new QLabel(QStringLiteral("双击选中客户,可查看详细内容"), strip);
    banner->setStyleSheet(QStringLiteral("background: #ffffe1; border: 1px solid #e0d890; padding: 2px 8px;"));

    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(caption);
    row->addWidget(DBNavigator1);
    row->addWidget(banner);
    row->addStretch();
    return strip;
}

void TFrame_liebiao::connectActions()
{
    connect(DBGrid1, &ui::DbGrid::rowDoubleClicked, this, &TFrame_liebiao::DBGrid1DblClick);
    connect(m_deletePanel, &ui::DeletePanel::deleteRequested, this, &TFrame_liebiao::deleteConfirmed);
    connect(m_deletePanel, &ui::DeletePanel::cancelled, this, &TFrame_liebiao::closeDeletePanel);
}

void TFrame_liebiao::bindData(TData_in &data)
{
    m_data = &data;
    data::StandingQuery *customers = &data.atc1_all();
    const QColor grey(0x80, 0x80, 0x80);
    DBGrid1->bind(customers,
                  {{"aid", "编号", 30, Qt::AlignCenter, grey, Qt::white, false, 14},
                   {"a1", "中文名", 50, Qt::AlignLeft | Qt::AlignVCenter, {}, {}, true},
                   {"a12", "称呼", 0, Qt::AlignLeft | Qt::AlignVCenter, grey},
                   {"a2", "英文名", 70, Qt::AlignLeft | Qt::AlignVCenter, grey},
                   {"a18", "公司", 210, Qt::AlignLeft | Qt::AlignVCenter, Qt::black, {}, true}},
                  ui::GridOptions{.titles = false, .indicator = false, .rowLines = true, .columnLines = false});
    DBNavigator1->bind(customers, ui::DbNavigator::First | ui::DbNavigator::Prior | ui::DbNavigator::Next | ui::DbNavigator::Last,
                       {{ui::DbNavigator::First, QStringLiteral("第一条")},
                        {ui::DbNavigator::Prior, QStringLiteral("上一条")},
                        {ui::DbNavigator::Next, QStringLiteral("下一条")},
                        {ui::DbNavigator::Last, QStringLiteral("最后")}});
    m_mirror->bind(customers);
    if (ui::Shell *shell = ui::Shell::instance())
        shell->registerListGrid(DBGrid1);
}

bool TFrame_liebiao::eventFilter(QObject *watched, QEvent *event)
{
    // Only a grid that paints a cell copies: an empty list leaves the header as it was.
    if (event->type() == QEvent::Paint && watched == DBGrid1->viewport() && m_data && !m_data->atc1_all().isEmpty()) {
        if (TFrame_lianxiren *view = detail())
            view->mirrorHeader(m_data->atc1_all());
    }
    return QFrame::eventFilter(watched, event);
}

TFrame_lianxiren *TFrame_liebiao::detail() const
{
    return ui::Windows::get<TFrame_lianxiren>(ui::names::Frame_lianxiren1);
}

bool TFrame_liebiao::hasCustomers()
{
    if (m_data && !m_data->atc1_all().isEmpty())
        return true;
    ui::MessageBox::information(this, kNoCustomers);
    return false;
}

// Shows the detail view on the current customer, header and tabs alike, with
// the tab asked for in front. False when a load was refused.
bool TFrame_liebiao::showDetail(std::optional<TFrame_lianxiren::Tab> tab)
{
    TFrame_lianxiren *view = detail();
    if (!view || !m_data || m_data->atc1_all().isEmpty())
        return false;
    if (ui::Shell *shell = ui::Shell::instance())
        shell->showView(view);
    if (tab)
        view->showTab(*tab);
    return view->openCustomer(m_data->atc1_all());
}

void TFrame_liebiao::newCustomerClick()
{
    ui::openWindow(ui::names::Tnew_lianxiren);
}

void TFrame_liebiao::newActivityClick()
{
    if (hasCustomers() && showDetail(TFrame_lianxiren::Tab::Activities))
        ui::openForCustomer(ui::names::Tnew_sell, m_mirror->customer());
}

void TFrame_liebiao::newAnalysisClick()
{
    if (hasCustomers() && showDetail(TFrame_lianxiren::Tab::Analyses))
        ui::openForCustomer(ui::names::Tnew_fenxi, m_mirror->customer());
}

void TFrame_liebiao::newMemoClick()
{
    if (!hasCustomers() || !showDetail(TFrame_lianxiren::Tab::Memos))
        return;
    if (auto *memo = ui::Windows::get<Tnew_beiwang>(ui::names::Tnew_beiwang))
        memo->setCustomerMode(m_mirror->value(QStringLiteral("a1")), m_mirror->value(QStringLiteral("aid")));
    ui::openWindow(ui::names::Tnew_beiwang);
}

void TFrame_liebiao::refreshClick()
{
    ui::guarded(this, [this] { m_data->atc1_all().reset(); });
}

void TFrame_liebiao::searchClick()
{
    if (hasCustomers())
        ui::openWindow(ui::names::Tfind_lianxiren);
}

void TFrame_liebiao::reportClick()
{
    // The report tests for rows itself, with the same message.
    reports::runReport(this, QStringLiteral("atc1_all"));
}

// Opens the detail view on the current customer: its activities, analyses,
// memos and company, and its rating. The tab on show stays.
void TFrame_liebiao::DBGrid1DblClick()
{
    showDetail(std::nullopt);
}

void TFrame_liebiao::deleteClick()
{
    if (!hasCustomers())
        return;
    setBrowsing(false);
    m_deletePanel->popUp(DBGrid1, m_data->atc1_all());
    m_deleteKey->setText(m_deletePanel->key());
}

// The customer the panel asked about, with its memos, activities and
// analyses, goes together or not at all; when the database refuses, or that
// customer is no longer the current one, the panel stays up. The views of
// activities, analyses and memos are read again, so that none of the deleted
// rows stays on screen.
void TFrame_liebiao::deleteConfirmed(const QString &aid)
{
    const bool deleted = ui::guarded(this, [&] {
        m_data->atc1_all().deleteConfirmed(aid, deleteDependents);
    });
    if (!deleted)
        return;
    closeDeletePanel();
    ui::guarded(this, [this] {
        for (data::StandingQuery *rows : {&m_data->vtv1_all(), &m_data->vtv2_all(), &m_data->vtv3_all()})
            rows->reopen();
    });
    ui::MessageBox::information(this, QStringLiteral("客户及其相关信息已被成功删除！"));
}

void TFrame_liebiao::closeDeletePanel()
{
    m_deletePanel->dismiss();
    m_deleteKey->clear();
    setBrowsing(true);
}

void TFrame_liebiao::setBrowsing(bool browsing)
{
    if (ui::Shell *shell = ui::Shell::instance())
        shell->setNavigationEnabled(browsing);
    m_toolBar->setEnabled(browsing);
    m_captionStrip->setEnabled(browsing);
    DBGrid1->setEnabled(browsing);
}
