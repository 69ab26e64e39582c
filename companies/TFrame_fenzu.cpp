#include "TFrame_fenzu.h"

#include "CompanyViewDetails.h"
#include "CompanyViewPictures.h"
#include "DbGrid.h"
#include "DeletePanel.h"
#include "DetailText.h"
#include "FormParts.h"
#include "HandOver.h"
#include "Links.h"
#include "MessageBox.h"
#include "OnlineHelp.h"
#include "Shell.h"
#include "StarRating.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "customers/Tnew_beiwang.h"
#include "reports/ReportDesk.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kNoCompanies = QStringLiteral("请先创建公司信息");
const QString kCompanyDeleted = QStringLiteral("所属关系及相关信息已被成功删除！");

const QColor kKeyGreen(0x00, 0x80, 0x00);
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kLightGrey(0xe4, 0xe4, 0xe4);

// The company list's columns: cid 25, c1 180, c2 80.
constexpr int kCompanyListWidth = 25 + 180 + 80;

} // namespace

TFrame_fenzu::TFrame_fenzu(QWidget *parent) : QFrame(parent)
{
    setObjectName(ui::names::Frame_fenzu1);
    setAccessibleName(QStringLiteral("公司"));
    createLayout();
    createDeletePanels();
    connectActions();
}

void TFrame_fenzu::createLayout()
{
    m_titleStrip = new CompanyViewTitleStrip(this);
    m_toolbar = createToolbar();
    m_captionStrip = createCaptionStrip();

    m_content = new QWidget(this);
    auto *content = new QHBoxLayout(m_content);
    content->setContentsMargins(0, 0, 0, 0);
    content->setSpacing(6);
    content->addWidget(createCompanyPanel());

    auto *right = new QVBoxLayout;
    right->setSpacing(6);
    m_details = new CompanyViewDetails(m_content);
    right->addWidget(m_details);
    m_pages = new QTabWidget(m_content);
    m_description = new CompanyViewDescription(m_pages);
    m_description->setAccessibleName(QStringLiteral("描述"));
    m_pages->addTab(m_description, QStringLiteral("描述"));
    m_pages->addTab(createMemoPage(), QStringLiteral("备忘"));
    m_customerGrid = new ui::DbGrid(m_pages);
    m_customerGrid->setObjectName(QStringLiteral("DBGrid3"));
    m_customerGrid->setAccessibleName(QStringLiteral("现有客户"));
    m_pages->addTab(m_customerGrid, QStringLiteral("现有客户"));
    m_pages->addTab(createCreditPage(), QStringLiteral("信用"));
    right->addWidget(m_pages, 1);
    content->addLayout(right, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 4, 4);
    layout->setSpacing(0);
    layout->addWidget(m_titleStrip);
    layout->addWidget(m_toolbar);
    layout->addWidget(m_captionStrip);
    layout->addSpacing(4);
    layout->addWidget(m_content, 1);
}

QToolBar *TFrame_fenzu::createToolbar()
{
    // Its buttons have always been a little wider than their captions, and Tab reaches them.
    return ui::viewToolBar(
        this,
        {
            {"新公司", "创建新公司", QStyle::SP_FileIcon, [this] { newCompanyClick(); }},
            {"修 改", "修改选中公司的信息", QStyle::SP_FileDialogDetailedView, [this] { editCompanyClick(); }},
            {"删 除", "删除选中的公司", QStyle::SP_TrashIcon, [this] { deleteCompanyClick(); }, true},
            {"新备忘", "添加备忘", QStyle::SP_FileDialogInfoView, [this] { newMemoClick(); }, true},
            {"刷 新", "刷新数据", QStyle::SP_BrowserReload, [this] { refreshClick(); }},
            {"搜 索", "", QStyle::SP_FileDialogContentsView, [this] { searchClick(); }},
            {"报 表", "输出\\打印报表", QStyle::SP_DialogSaveButton, [this] { reportClick(); }, true},
            {"帮助", "帮助手册及版本信息", QStyle::SP_DialogHelpButton, [] { ui::startOnlineHelp(); }},
        },
        {.buttonWidth = 52, .tabStops = true});
}

QWidget *TFrame_fenzu::createCaptionStrip()
{
    auto *strip = new QFrame(this);
    strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *caption = new QLabel(QStringLiteral("公司"), strip);
    QFont bold = caption->font();
    bold.setBold(true);
    caption->setFont(bold);
    auto *layout = new QHBoxLayout(strip);
    layout->setContentsMargins(8, 3, 8, 3);
    layout->addWidget(caption);
    layout->addStretch();
    return strip;
}

QWidget *TFrame_fenzu::createCompanyPanel()
{
    m_companyGrid = new ui::DbGrid(m_content);
    m_companyGrid->setObjectName(QStringLiteral("DBGrid1"));
    m_companyGrid->setAccessibleName(QStringLiteral("公司"));
    m_companyGrid->setFixedWidth(kCompanyListWidth + 2 * m_companyGrid->frameWidth()
                                 + style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    m_companyGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return m_companyGrid;
}

QWidget *TFrame_fenzu::createMemoPage()
{
    auto *page = new QWidget(this);
    m_memoNew = new QPushButton(QStringLiteral("新备忘"), page);
    m_memoDelete = new QPushButton(QStringLiteral("删除"), page);
    m_memoNew->setIcon(style()->standardIcon(QStyle::SP_FileDialogDetailedView));
    m_memoDelete->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    m_memoGrid = new ui::DbGrid(page);
    m_memoGrid->setObjectName(QStringLiteral("DBGrid2"));
    m_memoGrid->setAccessibleName(QStringLiteral("备忘"));

    auto *bar = new QHBoxLayout;
    bar->setSpacing(6);
    bar->addWidget(m_memoNew);
    bar->addWidget(m_memoDelete);
    bar->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(bar);
    layout->addWidget(m_memoGrid, 1);
    return page;
}

QWidget *TFrame_fenzu::createCreditPage()
{
    auto *page = new QWidget(this);
    page->setAutoFillBackground(true);
    QPalette white = page->palette();
    white.setColor(QPalette::Window, Qt::white);
    page->setPalette(white);
    m_creditEnquiry = new QPushButton(QStringLiteral("查 询"), page);
    auto *row = new QHBoxLayout;
    row->setSpacing(16);
    row->addWidget(new CompanyViewCreditPicture(page));
    row->addWidget(m_creditEnquiry, 0, Qt::AlignBottom);
    row->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 16, 16, 16);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

void TFrame_fenzu::createDeletePanels()
{
    m_companyPanel = new ui::DeletePanel(
        QStringLiteral("删除公司"), {QStringLiteral("如要删除,相关数据也将同时清除。"), QStringLiteral("您确定要继续?")}, this);
    m_companyPanel->setObjectName(QStringLiteral("companyDeletePanel"));
    m_memoPanel = new ui::DeletePanel(QStringLiteral("删除备忘"), {QStringLiteral("您确定要继续?")}, this);
    m_memoPanel->setObjectName(QStringLiteral("memoDeletePanel"));
}

void TFrame_fenzu::connectActions()
{
    connect(m_memoNew, &QPushButton::clicked, this, &TFrame_fenzu::newMemoClick);
    connect(m_memoDelete, &QPushButton::clicked, this, &TFrame_fenzu::deleteMemoClick);
    connect(m_creditEnquiry, &QPushButton::clicked, this, [] { ui::openLink(ui::kCreditEnquiry); });
    connect(m_pages, &QTabWidget::currentChanged, this, &TFrame_fenzu::pageChanged);

    connect(m_companyPanel, &ui::DeletePanel::deleteRequested, this, &TFrame_fenzu::deleteCompany);
    connect(m_companyPanel, &ui::DeletePanel::cancelled, this, [this] { closePanel(m_companyPanel); });
    connect(m_memoPanel, &ui::DeletePanel::deleteRequested, this, &TFrame_fenzu::deleteMemo);
    connect(m_memoPanel, &ui::DeletePanel::cancelled, this, [this] { closePanel(m_memoPanel); });
}

void TFrame_fenzu::bindData(TData_in &data)
{
    m_data = &data;
    data::StandingQuery &companies = data.atc2_all();

    ui::GridOptions list;
    list.titles = false;
    m_companyGrid->bind(&companies, {{"cid", "编号", 25, Qt::AlignCenter, Qt::white, kKeyGreen},
                                     {"c1", "公司名称", 180},
                                     {"c2", "英文名称", 80}},
                        list);
    m_details->bind(&companies);
    m_description->bind(&companies, QStringLiteral("c13"));
    m_memoGrid->bind(&data.vtv3_all(), {{"j4", "记录", 400},
                                        {"j2", "日期", 100, Qt::AlignCenter, {}, kLightGrey}});
    m_customerGrid->bind(&data.atc1_all(), {{"a1", "中文名", 60},
                                            {"a12", "称呼", 0, Qt::AlignLeft | Qt::AlignVCenter, kGrey},
                                            {"a2", "英文名", 60, Qt::AlignLeft | Qt::AlignVCenter, kGrey},
                                            {"a13", "部门", 100, Qt::AlignLeft | Qt::AlignVCenter, kGrey}},
                         list);

    // The list shows the current company: on every move and every change of
    // what it lists.
    connect(&companies, &data::StandingQuery::currentRowChanged, this, &TFrame_fenzu::showCurrentCompany);
    connect(&companies, &QAbstractItemModel::dataChanged, this, &TFrame_fenzu::showCurrentCompany);
    if (isVisible())
        showCurrentCompany(); // otherwise when it is shown

    if (ui::Shell *shell = ui::Shell::instance())
        shell->registerListGrid(m_companyGrid);
}

void TFrame_fenzu::showDescriptionPage()
{
    m_pages->setCurrentIndex(int(Page::Description));
}

TFrame_fenzu::Page TFrame_fenzu::currentPage() const
{
    return Page(m_pages->currentIndex());
}

void TFrame_fenzu::showEvent(QShowEvent *event)
{
    QFrame::showEvent(event);
    if (m_data)
        showCurrentCompany();
}

bool TFrame_fenzu::hasCompanies()
{
    if (m_data && !m_data->atc2_all().isEmpty())
        return true;
    ui::MessageBox::information(this, kNoCompanies);
    return false;
}

// Whenever the list shows the current company anew, the description comes to
// the front, so that the memo and customer pages are loaded again when they
// are next opened. A rating other than "1" to "5" shows no star.
void TFrame_fenzu::showCurrentCompany()
{
    showDescriptionPage();
    m_details->rating()->setRating(m_data->atc2_all().field(QStringLiteral("c17")));
}

void TFrame_fenzu::pageChanged(int index)
{
    if (Page(index) == Page::Memos)
        loadMemos();
    else if (Page(index) == Page::Customers)
        loadCustomers();
}

void TFrame_fenzu::loadMemos()
{
    const QString cid = m_data->atc2_all().field(QStringLiteral("cid"));
    ui::guarded(this, [&] { m_data->vtv3_all().filter(data::companyMemos(cid)); });
}

// atc1_all keeps this company's customers until a view that lists all
// customers reloads it.
void TFrame_fenzu::loadCustomers()
{
    const QString cid = m_data->atc2_all().field(QStringLiteral("cid"));
    ui::guarded(this, [&] { m_data->atc1_all().filter(data::companyCustomers(cid)); });
}

void TFrame_fenzu::newCompanyClick()
{
    ui::openWindow(ui::names::Tnew_gongsi);
}

void TFrame_fenzu::editCompanyClick()
{
    if (hasCompanies())
        ui::openWindow(ui::names::Tedit_gongsi);
}

void TFrame_fenzu::deleteCompanyClick()
{
    if (!hasCompanies())
        return;
    holdForPanel(true);
    m_companyPanel->popUp(m_content, m_data->atc2_all());
}

void TFrame_fenzu::newMemoClick()
{
    if (!hasCompanies())
        return;
    const data::StandingQuery &companies = m_data->atc2_all();
    if (auto *memo = ui::Windows::get<Tnew_beiwang>(ui::names::Tnew_beiwang))
        memo->setCompanyMode(companies.field(QStringLiteral("c1")), companies.field(QStringLiteral("cid")));
    ui::openWindow(ui::names::Tnew_beiwang);
}

void TFrame_fenzu::refreshClick()
{
    ui::guarded(this, [this] { m_data->atc2_all().reset(); });
    showDescriptionPage();
}

void TFrame_fenzu::searchClick()
{
    if (hasCompanies())
        ui::openWindow(ui::names::Tfind_gongsi);
}

void TFrame_fenzu::reportClick()
{
    // The report tests for rows itself, with the same message.
    reports::runReport(this, QStringLiteral("atc2_all"));
}

void TFrame_fenzu::deleteMemoClick()
{
    if (m_data->vtv3_all().isEmpty())
        return;
    holdForPanel(true);
    m_memoPanel->popUp(m_pages, m_data->vtv3_all());
}

void TFrame_fenzu::holdForPanel(bool held)
{
    if (ui::Shell *shell = ui::Shell::instance())
        shell->setNavigationEnabled(!held);
    for (QWidget *part : {m_titleStrip, static_cast<QWidget *>(m_toolbar), m_captionStrip, m_content})
        part->setEnabled(!held);
}

// The company the panel asked about and its memos go in one transaction:
// if any of it is refused, or that company is no longer the current one,
// both tables stay as they were and the panel stays up. Its customers keep
// pointing to the deleted key. The memos are read again, so that no view
// keeps showing the deleted ones.
void TFrame_fenzu::deleteCompany(const QString &cid)
{
    const bool deleted = ui::guarded(this, [&] {
        m_data->atc2_all().deleteConfirmed(cid, [](data::Connection &connection, const QString &key) {
            connection.execute(data::companyMemosDelete(key));
        });
    });
    if (!deleted)
        return;
    closePanel(m_companyPanel);
    ui::guarded(this, [this] { m_data->vtv3_all().reopen(); });
    ui::MessageBox::information(this, kCompanyDeleted);
}

void TFrame_fenzu::deleteMemo(const QString &jid)
{
    const bool deleted = ui::guarded(this, [&] { m_data->vtv3_all().deleteConfirmed(jid); });
    if (deleted)
        closePanel(m_memoPanel);
}

void TFrame_fenzu::closePanel(ui::DeletePanel *panel)
{
    panel->dismiss();
    holdForPanel(false);
}
