#include "Ta_main.h"

#include "DbControls.h"
#include "FieldLink.h"
#include "HandOver.h"
#include "MessageBox.h"
#include "NavigationBar.h"
#include "OnlineHelp.h"
#include "TData_in.h"
#include "WheelStepper.h"
#include "WindowNames.h"
#include "activities/TFrame_jihua.h"
#include "analyses/TFrame_renwu.h"
#include "companies/TFrame_fenzu.h"
#include "customers/TFrame_lianxiren.h"
#include "customers/TFrame_liebiao.h"
#include "employees/TFrame_worker.h"
#include "products/TFrame_chanpin.h"
#include "BackupCommands.h"
#include "ExchangeCommands.h"
#include "reports/ReportDesk.h"

#include <QCloseEvent>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QStackedLayout>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kCustomerTestMessage = QStringLiteral("请先创建客户后才能使用此功能");

// Menu captions are stored with a trailing "&" that has no letter after it;
// it is not shown.
QString shown(const QString &caption)
{
    return caption.endsWith(u'&') ? caption.chopped(1) : caption;
}

} // namespace

Ta_main::Ta_main(QWidget *parent) : QMainWindow(parent), m_wheel(new ui::WheelStepper(this))
{
    setObjectName(ui::names::Ta_main);
    setWindowTitle(QStringLiteral("Talvero CRM"));
    QFont face(QStringLiteral("宋体"));
    face.setPixelSize(12);
    setFont(face);
    createLayout();
    createNavigation();
    createMenus();
    createStatusBar();
    ui::Shell::set(this);
}

Ta_main::~Ta_main()
{
    if (ui::Shell::instance() == this)
        ui::Shell::set(nullptr);
}

void Ta_main::createLayout()
{
    auto *centre = new QWidget(this);
    auto *row = new QHBoxLayout(centre);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_navigation = new app::NavigationBar(centre);
    row->addWidget(m_navigation);

    auto *area = new QWidget(centre);
    m_views = new QStackedLayout(area);
    Frame_liebiao1 = new TFrame_liebiao(area);
    Frame_lianxiren1 = new TFrame_lianxiren(area);
    Frame_fenzu1 = new TFrame_fenzu(area);
    Frame_jihua1 = new TFrame_jihua(area);
    Frame_renwu1 = new TFrame_renwu(area);
    Frame_chanpin1 = new TFrame_chanpin(area);
    Frame_worker1 = new TFrame_worker(area);
    for (QWidget *view : views()) {
        m_views->addWidget(view);
        ui::Windows::add(view->objectName(), view);
    }
    row->addWidget(area, 1);

    // The first-run flag, shown by a hidden field bound to the settings row.
    auto *firstRun = new QGroupBox(QStringLiteral("是否第一次运行"), centre);
    m_firstRunFlag = new ui::DbEdit(firstRun);
    m_firstRunFlag->setObjectName(QStringLiteral("watts"));
    firstRun->hide();

    setCentralWidget(centre);
}

void Ta_main::createNavigation()
{
    struct Button {
        const char *caption;
        QStyle::StandardPixmap icon;
        Route route;
    };
    const Button buttons[] = {
        {"客 户", QStyle::SP_FileDialogContentsView, {Test::None, "atc1_all", {}, Frame_liebiao1, true, {}}},
        {"公 司", QStyle::SP_ComputerIcon, {Test::Customers, "atc2_all", {}, Frame_fenzu1, false, {}}},
        {"活 动", QStyle::SP_FileDialogDetailedView, {Test::Customers, "vtv1_all", {}, Frame_jihua1, false, {}}},
        {"分 析", QStyle::SP_FileDialogInfoView, {Test::Customers, "vtv2_all", {}, Frame_renwu1, false, {}}},
        {"产 品", QStyle::SP_DriveCDIcon, {Test::Customers, "vtv4_all", {}, Frame_chanpin1, false, {}}},
        {"员 工", QStyle::SP_DirHomeIcon, {Test::Customers, "utm1_all", {}, Frame_worker1, false, {}}},
    };
    for (const Button &b : buttons) {
        QToolButton *button = m_navigation->addViewButton(QString::fromUtf8(b.caption), style()->standardIcon(b.icon));
        const Route route = b.route;
        connect(button, &QToolButton::clicked, this, [this, route] { go(route); });
    }
}

void Ta_main::createMenus()
{
    QMenuBar *bar = menuBar();
    auto menu = [&](const QString &caption) {
        QMenu *m = bar->addMenu(shown(caption));
        m->setObjectName(caption);
        m_menus << m;
        return m;
    };
    auto item = [](QMenu *m, const QString &caption, std::function<void()> command) {
        QAction *a = m->addAction(shown(caption));
        a->setObjectName(caption);
        if (command)
            QObject::connect(a, &QAction::triggered, m, command);
        else
            a->setEnabled(false);
        return a;
    };

    QMenu *system = menu(QStringLiteral("系统&"));
    QMenu *exchange = system->addMenu(shown(QStringLiteral("数据交换&")));
    exchange->setObjectName(QStringLiteral("数据交换&"));
    item(exchange, QStringLiteral("从Excel导入 &"), [this] { app::importWhereAsked(this, ui::Windows::data()); });
    item(exchange, QStringLiteral("导出至Excel &"), [this] { app::exportWhereAsked(this, ui::Windows::data()); });
    item(system, QStringLiteral("连接掌上设备...&"), {});
    item(system, QStringLiteral("数据同步&"), {});
    item(system, QStringLiteral("备份数据&"), [this] { app::backUpWhereAsked(this, ui::Windows::data()); });
    item(system, QStringLiteral("恢复数据&"), [this] {
        // The restored data show in the customer list.
        if (app::restoreWhereAsked(this, ui::Windows::data()))
            showView(Frame_liebiao1);
    });
    system->addSeparator();
    item(system, QStringLiteral("退出系统&"), [this] { close(); });

    QMenu *customers = menu(QStringLiteral("客户"));
    item(customers, QStringLiteral("新建客户"), [this] { newRecord(Frame_liebiao1, ui::names::Tnew_lianxiren); });
    customers->addSeparator();
    item(customers, QStringLiteral("刷新"), [this] { go({Test::Customers, "atc1_all", {}, Frame_liebiao1, true, {}}); });

    QMenu *companies = menu(QStringLiteral("公司"));
    item(companies, QStringLiteral("新建公司"), [this] { newRecord(Frame_fenzu1, ui::names::Tnew_gongsi); });
    companies->addSeparator();
    item(companies, QStringLiteral("刷新"), [this] { go({Test::Customers, "atc2_all", {}, Frame_fenzu1, false, {}}); });

    QMenu *products = menu(QStringLiteral("产品"));
    item(products, QStringLiteral("新建产品"), [this] { newRecord(Frame_chanpin1, ui::names::Tnew_chanpin); });
    products->addSeparator();
    item(products, QStringLiteral("刷新"), [this] { go({Test::Customers, "vtv4_all", {}, Frame_chanpin1, false, {}}); });

    QMenu *employees = menu(QStringLiteral("员工"));
    item(employees, QStringLiteral("新建员工"), [this] { newRecord(Frame_worker1, ui::names::Tnew_user); });
    employees->addSeparator();
    item(employees, QStringLiteral("刷新"), [this] { go({Test::Customers, "utm1_all", {}, Frame_worker1, false, {}}); });

    struct Own {
        const char *search;
        const char *report;
        const char *query;
        const char *message;
        QWidget *view;
        const QString *searchWindow;
    };
    const Own own[] = {
        {"客户信息", "客户清单表", "atc1_all", "请先创建客户信息", Frame_liebiao1, &ui::names::Tfind_lianxiren},
        {"公司信息", "公司清单表", "atc2_all", "请先创建公司信息", Frame_fenzu1, &ui::names::Tfind_gongsi},
        {"销售活动", "销售活动表", "vtv1_all", "请先创建销售活动", Frame_jihua1, &ui::names::Tfind_jihua},
        {"销售分析", "销售分析表", "vtv2_all", "请先创建销售分析", Frame_renwu1, &ui::names::Tfind_fenxi},
        {"产品信息", "产品清单表", "vtv4_all", "请先创建产品信息", Frame_chanpin1, &ui::names::Tfind_chanpin},
        {"员工信息", "员工清单表", "utm1_all", "请先创建员工档案", Frame_worker1, &ui::names::Tfind_worker},
    };
    QMenu *search = menu(QStringLiteral("搜索"));
    QMenu *reports = menu(QStringLiteral("报表"));
    for (const Own &o : own) {
        // The customer search shows its view before the reset; the others after.
        const Route route{Test::Own, o.query, QString::fromUtf8(o.message), o.view, o.view == Frame_liebiao1,
                          *o.searchWindow};
        item(search, QString::fromUtf8(o.search), [this, route] { go(route); });
        const QString query = o.query;
        item(reports, QString::fromUtf8(o.report), [this, query] { report(query); });
    }

    QMenu *help = menu(QStringLiteral("帮助"));
    item(help, QStringLiteral("关于&"), [] { ui::openWindow(ui::names::Ta_about); });
    item(help, QStringLiteral("在线帮助&"), [] { ui::startOnlineHelp(); });
}

void Ta_main::createStatusBar()
{
    const int widths[] = {80, 100, 500, 50};
    for (int i = 0; i < 4; ++i) {
        auto *panel = new QLabel(statusBar());
        panel->setFixedWidth(widths[i]);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (i == 1) {
            panel->setText(QStringLiteral("V2.08.0429"));
            panel->setAlignment(Qt::AlignCenter);
        }
        statusBar()->addWidget(panel);
    }
}

void Ta_main::bindData(TData_in &data)
{
    m_firstRunFlag->bind(&data.ptp1_all(), QStringLiteral("watts"));
    for (QWidget *view : views()) {
        if (auto *bound = dynamic_cast<ui::DataBound *>(view))
            bound->bindData(data);
    }
}

QList<QWidget *> Ta_main::views() const
{
    return {Frame_liebiao1, Frame_lianxiren1, Frame_fenzu1, Frame_jihua1, Frame_renwu1, Frame_chanpin1, Frame_worker1};
}

void Ta_main::showView(QWidget *view)
{
    m_views->setCurrentWidget(view);
}

QWidget *Ta_main::currentView() const
{
    return m_views->currentWidget();
}

void Ta_main::setNavigationEnabled(bool enabled)
{
    m_navigation->buttonPanel()->setEnabled(enabled);
    for (QMenu *m : std::as_const(m_menus))
        m->menuAction()->setEnabled(enabled);
}

bool Ta_main::navigationEnabled() const
{
    return m_navigation->buttonPanel()->isEnabled();
}

QAction *Ta_main::menuAction(const QString &menu, const QString &item) const
{
    for (QMenu *m : m_menus) {
        if (m->objectName() != menu)
            continue;
        const auto actions = m->findChildren<QAction *>();
        for (QAction *a : actions) {
            if (a->objectName() == item)
                return a;
        }
    }
    return nullptr;
}

QToolButton *Ta_main::navigationButton(const QString &caption) const
{
    const auto buttons = m_navigation->buttonPanel()->findChildren<QToolButton *>();
    for (QToolButton *b : buttons) {
        if (b->text() == caption)
            return b;
    }
    return nullptr;
}

void Ta_main::registerListGrid(ui::DbGrid *grid)
{
    m_wheel->registerGrid(grid);
}

bool Ta_main::passes(Test test, const QString &query, const QString &message)
{
    if (test == Test::None)
        return true;
    TData_in &data = ui::Windows::data();
    const bool customers = test == Test::Customers;
    if (!(customers ? data.atc1_all() : data.query(query)).isEmpty())
        return true;
    ui::MessageBox::information(this, customers ? kCustomerTestMessage : message);
    return false;
}

void Ta_main::go(const Route &route)
{
    if (!passes(route.test, route.query, route.emptyMessage))
        return;
    auto showIt = [&] {
        showView(route.view);
        if (route.view == Frame_fenzu1)
            Frame_fenzu1->showDescriptionPage();
    };
    if (route.showBeforeReset)
        showIt();
    const bool reset = ui::guarded(this, [&] {
        ui::Windows::data().query(route.query).reset();
    });
    // A refused reset abandons the command where it failed.
    if (!reset)
        return;
    if (!route.showBeforeReset)
        showIt();
    if (!route.window.isEmpty())
        ui::openWindow(route.window);
}

void Ta_main::newRecord(QWidget *view, const QString &window)
{
    showView(view);
    ui::openWindow(window);
}

void Ta_main::report(const QString &query)
{
    // The same report as the 报 表 button of the query's view.
    reports::runReport(this, query);
}

void Ta_main::firstRunCheck()
{
    // The flag's field is never on screen, so it shows the settings row
    // only when asked to.
    if (ui::FieldLink *link = m_firstRunFlag->link())
        link->refresh();
    if (m_firstRunFlag->text() != QStringLiteral("0"))
        return;
    const bool written = ui::guarded(this, [&] {
        ui::Windows::data().Con_data().execute(QStringLiteral("update ptp1 set watts=:a"), {{":a", "1"}});
    });
    if (written)
        ui::openWindow(ui::names::Ta_gour);
}

void Ta_main::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    showView(Frame_liebiao1);
    emit firstShown();
    // The guide comes over the main window once it is up.
    QTimer::singleShot(0, this, &Ta_main::firstRunCheck);
}

void Ta_main::closeEvent(QCloseEvent *event)
{
    if (ui::MessageBox::question(this, QStringLiteral("退出"), QStringLiteral("确认退出吗?")))
        event->accept();
    else
        event->ignore();
}
