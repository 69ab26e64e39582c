#include "DbGrid.h"
#include "Driving.h"
#include "MessageBox.h"
#include "NavigationBar.h"
#include "Program.h"
#include "StandingQuery.h"
#include "StarRating.h"
#include "Startup.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "Windows.h"
#include "Ta_about.h"
#include "activities/Clock.h"
#include "activities/ReminderPoll.h"

#include <map>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolButton>

using ui::MessageBox;

namespace {

const QString kCustomerTest = QStringLiteral("请先创建客户后才能使用此功能");

// The standing queries that the main window's commands test and reset.
const QStringList kCommandQueries{"atc1_all", "atc2_all", "vtv1_all", "vtv2_all", "vtv4_all", "utm1_all"};

// Counts the wheel messages that reach a grid's own handling.
class WheelCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Wheel)
            ++count;
        return false;
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void createsEveryWindowOnceInOrder();
    void everyWindowShowsTheProgramsIcon();
    void startUpReadsOnlyWhatItShows();
    void commandsOnANewDatabase_data();
    void commandsOnANewDatabase();
    void commandsSwitchViewsAndResetQueries_data();
    void commandsSwitchViewsAndResetQueries();
    void refusedResetAbandonsTheCommand_data();
    void refusedResetAbandonsTheCommand();
    void emptySearchResultRefusesUntilCustomersComeBack_data();
    void emptySearchResultRefusesUntilCustomersComeBack();
    void menusAndNavigationCanBeDisabled();
    void navigationBarCollapsesAndExpands();
    void wheelStepsOneRowPerMessage_data();
    void wheelStepsOneRowPerMessage();
    void closingAsksFirst_data();
    void closingAsksFirst();
    void onlineHelpStartsTheUpdateProgram();

private:
    Ta_main &main() const { return m_program->main(); }
    TData_in &data() const { return m_program->data(); }
    QString currentView() const { return main().currentView()->objectName(); }
    QWidget *frame(const QString &name) const { return main().findChild<QWidget *>(name); }
    void addCustomers(const QStringList &names);
    // Runs a navigation button ("公 司") or a menu item ("客户/刷新"). Returns
    // the class of the modal window it opened, which is closed again at once.
    QString run(const QString &command);

    std::unique_ptr<testing::Program> m_program;
};

void TestMainWindow::init()
{
    m_program = std::make_unique<testing::Program>();
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
}

void TestMainWindow::cleanup()
{
    m_program.reset();
}

void TestMainWindow::addCustomers(const QStringList &names)
{
    for (const QString &name : names)
        m_program->insert("atc1", {{"a1", name}});
    m_program->reload();
}

QString TestMainWindow::run(const QString &command)
{
    const qsizetype slash = command.indexOf(u'/');
    QToolButton *button = slash < 0 ? main().navigationButton(command) : nullptr;
    QAction *action = slash < 0 ? nullptr : main().menuAction(command.left(slash), command.mid(slash + 1));
    if (!button && !action) {
        QTest::qFail(qPrintable(QStringLiteral("no command ") + command), __FILE__, __LINE__);
        return {};
    }

    return testing::runModal([&] {
               if (button)
                   QTest::mouseClick(button, Qt::LeftButton);
               else
                   action->trigger();
           })
        .className();
}

// Each window exists once, in the program's order of creation, under its
// instance name; windows of subsystems still to come take their own places in
// that order. The main window was made before the data module and is bound
// all the same.
void TestMainWindow::createsEveryWindowOnceInOrder()
{
    const QStringList order{"Ta_main", "Ta_about", "Tnew_gongsi", "Tnew_lianxiren", "Data_in", "Tnew_beiwang",
                            "Tnew_sell", "Tnew_fenxi", "Tover_sell", "Tover_fenxi", "Ta_gour", "Tedit_beiwang",
                            "Tlist_user", "Tedit_lianxiren", "Tedit_gongsi", "Tfind_jihua", "Tfind_lianxiren",
                            "Tfind_gongsi", "Tlist_goutong", "Tlist_jihua", "Tlist_baifang", "Tlist_gongsi",
                            "Tlist_fenxi", "Tlist_suoshu", "Tring", "Tring_list", "Tnew_chanpin", "Tlist_chanpin", "Tfind_fenxi",
                            "Tedit_chanpin", "Tnew_user", "Tover_user", "Tover_chanpin", "Tedit_worker",
                            "Tfind_chanpin", "Tfind_worker"};
    // What the program is made of today.
    const QStringList present{"Ta_main", "Ta_about", "Data_in", "Tnew_sell", "Tnew_fenxi", "Tover_sell", "Tover_fenxi", "Ta_gour", "Tlist_user",
                              "Tfind_jihua", "Tring", "Tring_list", "Tlist_goutong",
                              "Tlist_jihua", "Tlist_baifang", "Tlist_gongsi", "Tlist_fenxi", "Tlist_suoshu",
                              "Tlist_chanpin", "Tfind_fenxi", "Tnew_chanpin", "Tedit_chanpin", "Tover_chanpin", "Tfind_chanpin",
                              "Tnew_user", "Tover_user", "Tedit_worker", "Tfind_worker"};

    const QStringList made(m_program->startup().creationOrder().begin(), m_program->startup().creationOrder().end());
    QCOMPARE(made.first(), QStringLiteral("Ta_main"));
    qsizetype previous = -1;
    for (const QString &name : made) {
        const qsizetype place = order.indexOf(name);
        QVERIFY2(place > previous, qPrintable(name + QStringLiteral(" is out of place or made twice")));
        previous = place;
        QObject *window = ui::Windows::find(name);
        QVERIFY2(window, qPrintable(name));
        const QString className = name == QStringLiteral("Data_in") ? QStringLiteral("TData_in") : name;
        QCOMPARE(QString::fromLatin1(window->metaObject()->className()), className);
    }
    for (const QString &name : present)
        QVERIFY2(made.contains(name), qPrintable(name));
    QCOMPARE(ui::Windows::find("Ta_main"), &main());
    QCOMPARE(ui::Windows::find("Data_in"), &data());

    QVERIFY(main().isVisible());
    QVERIFY(main().isMaximized());
    QCOMPARE(main().windowTitle(), QStringLiteral("Talvero CRM"));
    QCOMPARE(currentView(), QStringLiteral("Frame_liebiao1"));
    auto *flag = main().findChild<QLineEdit *>(QStringLiteral("watts"));
    QVERIFY(flag);
    QCOMPARE(flag->text(), QStringLiteral("1"));
    QVERIFY(!flag->isVisible());
}

// Start-up reads the rows of the list it shows and of nothing the user has
// not opened yet; a view shown later reads its rows then and shows them as if
// they had been read at the start.
// One icon for the program and every window, drawn at each size a desktop asks for.
void TestMainWindow::everyWindowShowsTheProgramsIcon()
{
    const QIcon icon = QApplication::windowIcon();
    for (int pixels : {16, 32, 48, 64, 128, 256})
        QVERIFY2(icon.availableSizes().contains(QSize(pixels, pixels)), qPrintable(QString::number(pixels)));
    for (const QString &name : m_program->startup().creationOrder()) {
        if (auto *window = qobject_cast<QWidget *>(ui::Windows::find(name)))
            QVERIFY2(window->windowIcon().cacheKey() == icon.cacheKey(), qPrintable(name));
    }
}

void TestMainWindow::startUpReadsOnlyWhatItShows()
{
    m_program = std::make_unique<testing::Program>([](testing::TempInstall &install) {
        install.execMain("insert into atc2 (c1, c17) values ('东方公司', '3')");
        install.execMain("insert into atc2 (c1, c17) values ('西方公司', '5')");
        install.execMain("insert into atc1 (a1, a14) values ('张三', '1')");
        install.execMain("insert into vtv1 (e2, e3, e15) values ('1', '2026-01-05 09:30', '正常')");
        install.execMain("insert into vtv3 (j1, j4) values ('1', '备忘')");
    });
    QVERIFY(QTest::qWaitForWindowExposed(&main()));
    QTest::qWait(50); // idle after the first paint
    TData_in &d = data();
    QCOMPARE(d.atc1_all().reads(), 1);
    for (const data::StandingQuery *q : {&d.atc2_all(), &d.vtv1_all(), &d.vtv2_all(), &d.vtv3_all(), &d.vtv4_all(),
                                         &d.utm1_all()})
        QVERIFY2(q->reads() == 0, qPrintable(q->name()));

    QWidget *companies = frame(QStringLiteral("Frame_fenzu1"));
    main().showView(companies);
    QCOMPARE(d.atc2_all().reads(), 1);
    ui::DbGrid *grid = nullptr;
    for (ui::DbGrid *g : companies->findChildren<ui::DbGrid *>())
        grid = g->query() == &d.atc2_all() ? g : grid;
    QVERIFY(grid);
    QCOMPARE(grid->model(), &d.atc2_all());
    QCOMPARE(grid->model()->rowCount(), 2);
    QCOMPARE(grid->currentIndex().row(), 0);
    QCOMPARE(grid->currentIndex().siblingAtColumn(d.atc2_all().fieldIndex("c1")).data().toString(),
             QStringLiteral("西方公司"));
    QCOMPARE(companies->findChild<ui::StarRating *>()->stars(), 5);
    // The next company is one step away, as on any list.
    d.atc2_all().next();
    QCOMPARE(grid->currentIndex().row(), 1);
    QCOMPARE(companies->findChild<ui::StarRating *>()->stars(), 3);
    QCOMPARE(d.atc2_all().reads(), 1);
}

void TestMainWindow::commandsOnANewDatabase_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message"); // the information shown; empty: none
    QTest::addColumn<QString>("view");    // the view afterwards
    QTest::addColumn<QString>("reset");   // the query put back to its standing text
    QTest::addColumn<QString>("window");  // the modal window opened, once it is part of the program

    // Every command starts from the customer detail view, which no command shows.
    const QString unchanged = QStringLiteral("Frame_lianxiren1");
    QTest::newRow("customers button") << "客 户" << "" << "Frame_liebiao1" << "atc1_all" << "";
    for (const char *button : {"公 司", "活 动", "分 析", "产 品", "员 工"})
        QTest::newRow(button) << button << kCustomerTest << unchanged << "" << "";

    QTest::newRow("new customer") << "客户/新建客户" << "" << "Frame_liebiao1" << "" << "Tnew_lianxiren";
    QTest::newRow("new company") << "公司/新建公司" << "" << "Frame_fenzu1" << "" << "Tnew_gongsi";
    QTest::newRow("new product") << "产品/新建产品" << "" << "Frame_chanpin1" << "" << "Tnew_chanpin";
    QTest::newRow("new employee") << "员工/新建员工" << "" << "Frame_worker1" << "" << "Tnew_user";
    for (const char *menu : {"客户", "公司", "产品", "员工"}) {
        const QString command = QString::fromUtf8(menu) + QStringLiteral("/刷新");
        QTest::newRow(qPrintable(command)) << command << kCustomerTest << unchanged << "" << "";
    }

    const struct {
        const char *search;
        const char *report;
        const char *message;
    } own[] = {
        {"客户信息", "客户清单表", "请先创建客户信息"}, {"公司信息", "公司清单表", "请先创建公司信息"},
        {"销售活动", "销售活动表", "请先创建销售活动"}, {"销售分析", "销售分析表", "请先创建销售分析"},
        {"产品信息", "产品清单表", "请先创建产品信息"}, {"员工信息", "员工清单表", "请先创建员工档案"},
    };
    for (const auto &o : own) {
        const QString search = QStringLiteral("搜索/") + QString::fromUtf8(o.search);
        const QString report = QStringLiteral("报表/") + QString::fromUtf8(o.report);
        QTest::newRow(qPrintable(search)) << search << QString::fromUtf8(o.message) << unchanged << "" << "";
        QTest::newRow(qPrintable(report)) << report << QString::fromUtf8(o.message) << unchanged << "" << "";
    }

    QTest::newRow("about") << "帮助/关于&" << "" << unchanged << "" << "Ta_about";
    QTest::newRow("online help, not installed") << "帮助/在线帮助&" << "" << unchanged << "" << "";
}

// On a new database only the customer button, the new-record items and help do
// anything; every other command shows its message and leaves views and
// queries as they were.
void TestMainWindow::commandsOnANewDatabase()
{
    QFETCH(QString, command);
    QFETCH(QString, message);
    QFETCH(QString, view);
    QFETCH(QString, reset);
    QFETCH(QString, window);

    main().showView(frame(QStringLiteral("Frame_lianxiren1")));
    for (const QString &name : kCommandQueries) {
        data::StandingQuery &q = data().query(name);
        q.filter(QStringLiteral("select * from %1 where 1 = 1").arg(q.table()));
    }

    QCOMPARE(run(command), ui::Windows::find(window) ? window : QString());

    if (message.isEmpty()) {
        QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
    } else {
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Information);
        QCOMPARE(MessageBox::shown().first().text, message);
    }
    QCOMPARE(currentView(), view);
    for (const QString &name : kCommandQueries) {
        const data::StandingQuery &q = data().query(name);
        QVERIFY2(q.isOpen(), qPrintable(name));
        QCOMPARE(q.text() == q.standingText(), name == reset);
    }
}

void TestMainWindow::commandsSwitchViewsAndResetQueries_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("view");
    QTest::addColumn<bool>("showsBeforeReset");

    QTest::newRow("客 户") << "客 户" << "atc1_all" << "Frame_liebiao1" << true;
    QTest::newRow("公 司") << "公 司" << "atc2_all" << "Frame_fenzu1" << false;
    QTest::newRow("活 动") << "活 动" << "vtv1_all" << "Frame_jihua1" << false;
    QTest::newRow("分 析") << "分 析" << "vtv2_all" << "Frame_renwu1" << false;
    QTest::newRow("产 品") << "产 品" << "vtv4_all" << "Frame_chanpin1" << false;
    QTest::newRow("员 工") << "员 工" << "utm1_all" << "Frame_worker1" << false;
    QTest::newRow("refresh customers") << "客户/刷新" << "atc1_all" << "Frame_liebiao1" << true;
    QTest::newRow("refresh companies") << "公司/刷新" << "atc2_all" << "Frame_fenzu1" << false;
    QTest::newRow("refresh products") << "产品/刷新" << "vtv4_all" << "Frame_chanpin1" << false;
    QTest::newRow("refresh employees") << "员工/刷新" << "utm1_all" << "Frame_worker1" << false;
    QTest::newRow("search customers") << "搜索/客户信息" << "atc1_all" << "Frame_liebiao1" << true;
    QTest::newRow("search activities") << "搜索/销售活动" << "vtv1_all" << "Frame_jihua1" << false;
    QTest::newRow("search analyses") << "搜索/销售分析" << "vtv2_all" << "Frame_renwu1" << false;
    QTest::newRow("search products") << "搜索/产品信息" << "vtv4_all" << "Frame_chanpin1" << false;
}

// With a customer on file the commands pass the customer test, whatever table
// they show: each puts its query back to the whole table and shows its view,
// before or after the reset as the command has it.
void TestMainWindow::commandsSwitchViewsAndResetQueries()
{
    QFETCH(QString, command);
    QFETCH(QString, query);
    QFETCH(QString, view);
    QFETCH(bool, showsBeforeReset);

    addCustomers({"张三"});
    m_program->insert("atc2", {{"c1", "东方公司"}});
    m_program->insert("vtv1", {{"e2", "1"}, {"e3", "2026-01-05 09:30"}, {"e5", "拜访"}});
    m_program->insert("vtv2", {{"h1", "1"}, {"h2", "打印机"}, {"h9", "初步接触"}});
    m_program->insert("vtv4", {{"o1", "打印机"}, {"o11", "在售"}});
    data::StandingQuery &q = data().query(query);
    // Filtered, but still holding the customer: the customer test passes.
    q.filter(QStringLiteral("select * from %1 where 1 = 1").arg(q.table()));
    main().showView(frame(QStringLiteral("Frame_lianxiren1")));

    QStringList viewAtReset;
    connect(&q, &data::StandingQuery::refreshed, this, [&] { viewAtReset << currentView(); });
    const QString opened = run(command);
    const std::map<QString, QString> searches{
        {"atc1_all", "Tfind_lianxiren"}, {"vtv1_all", "Tfind_jihua"}, {"vtv2_all", "Tfind_fenxi"},
        {"vtv4_all", "Tfind_chanpin"}};
    if (command.startsWith(QStringLiteral("搜索/")))
        QCOMPARE(opened, searches.at(query));

    QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
    QCOMPARE(currentView(), view);
    QCOMPARE(q.text(), q.standingText());
    QVERIFY(!viewAtReset.isEmpty());
    QCOMPARE(viewAtReset.first(), showsBeforeReset ? view : QStringLiteral("Frame_lianxiren1"));
    if (query != QStringLiteral("utm1_all"))
        QCOMPARE(q.count(), 1);
}

void TestMainWindow::refusedResetAbandonsTheCommand_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("table"); // made unreadable, so that its reset is refused

    QTest::newRow("公 司") << "公 司" << "atc2";
    QTest::newRow("活 动") << "活 动" << "vtv1";
    QTest::newRow("refresh employees") << "员工/刷新" << "utm1";
    QTest::newRow("search companies") << "搜索/公司信息" << "atc2";
}

// Where a reset is refused, the error is shown and the command stops there:
// the view on show stays and no search window opens.
void TestMainWindow::refusedResetAbandonsTheCommand()
{
    QFETCH(QString, command);
    QFETCH(QString, table);

    // The reminder's minute stands still, so that its poll (which reads the
    // activities too) has nothing to say while the table is gone.
    struct StillClock : activities::Clock {
        QDateTime at = QDateTime::currentDateTime();
        QDateTime now() const override { return at; }
    };
    ui::Windows::get<Ta_about>(QStringLiteral("Ta_about"))->reminder().setClock(std::make_shared<StillClock>());
    addCustomers({"张三"});
    m_program->insert("atc2", {{"c1", "东方公司"}});
    data().atc2_all().reset();
    main().showView(frame(QStringLiteral("Frame_lianxiren1")));
    m_program->execute(QStringLiteral("alter table %1 rename to gone").arg(table));

    QCOMPARE(run(command), QString());
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Error);
    QCOMPARE(currentView(), QStringLiteral("Frame_lianxiren1"));
}

void TestMainWindow::emptySearchResultRefusesUntilCustomersComeBack_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::newRow("公 司") << "公 司" << kCustomerTest;
    QTest::newRow("员 工") << "员 工" << kCustomerTest;
    QTest::newRow("refresh customers") << "客户/刷新" << kCustomerTest;
    QTest::newRow("refresh products") << "产品/刷新" << kCustomerTest;
    QTest::newRow("search customers") << "搜索/客户信息" << "请先创建客户信息";
}

// A customer search that found nothing leaves atc1_all empty: the commands
// that test it refuse until the customer button brings the customers back.
void TestMainWindow::emptySearchResultRefusesUntilCustomersComeBack()
{
    QFETCH(QString, command);
    QFETCH(QString, message);

    addCustomers({"张三", "李四"});
    data().atc1_all().filter("select * from atc1 where a1 like 'zzz' order by aid desc");
    QVERIFY(data().atc1_all().isEmpty());

    run(command);
    QCOMPARE(MessageBox::lastText(), message);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(currentView(), QStringLiteral("Frame_liebiao1"));
    QVERIFY(data().atc1_all().isEmpty());

    MessageBox::clearShown();
    run(QStringLiteral("客 户"));
    QCOMPARE(data().atc1_all().count(), 2);
    QCOMPARE(currentView(), QStringLiteral("Frame_liebiao1"));

    run(command);
    QVERIFY2(MessageBox::shown().isEmpty(), qPrintable(MessageBox::lastText()));
}

// The system menu's data items are greyed at all times; the views switch the
// navigation buttons and the eight top-level menus off and on as a whole.
void TestMainWindow::menusAndNavigationCanBeDisabled()
{
    QStringList titles;
    for (QAction *a : main().menuBar()->actions())
        titles << a->text();
    QCOMPARE(titles, QStringList({"系统", "客户", "公司", "产品", "员工", "搜索", "报表", "帮助"}));
    for (QMenu *menu : main().topMenus()) {
        for (QAction *a : menu->findChildren<QAction *>())
            QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->text()));
    }

    auto *exchange = main().findChild<QMenu *>(QStringLiteral("数据交换&"));
    QVERIFY(exchange);
    const QStringList greyed{"连接掌上设备...&", "数据同步&"};
    auto checkSystemMenu = [&] {
        QVERIFY(exchange->menuAction()->isEnabled());
        for (const char *item : {"从Excel导入 &", "导出至Excel &"})
            QVERIFY(main().menuAction(QStringLiteral("系统&"), QString::fromUtf8(item))->isEnabled());
        for (const QString &item : greyed) {
            QAction *a = main().menuAction(QStringLiteral("系统&"), item);
            QVERIFY2(a, qPrintable(item));
            QVERIFY2(!a->isEnabled(), qPrintable(item));
        }
        QVERIFY(main().menuAction(QStringLiteral("系统&"), QStringLiteral("退出系统&"))->isEnabled());
    };
    checkSystemMenu();

    const QStringList buttons{"客 户", "公 司", "活 动", "分 析", "产 品", "员 工"};
    for (bool enabled : {false, true}) {
        main().setNavigationEnabled(enabled);
        for (const QString &caption : buttons)
            QCOMPARE(main().navigationButton(caption)->isEnabled(), enabled);
        QCOMPARE(main().topMenus().size(), 8);
        for (QMenu *menu : main().topMenus())
            QCOMPARE(menu->menuAction()->isEnabled(), enabled);
    }
    checkSystemMenu();
}

void TestMainWindow::navigationBarCollapsesAndExpands()
{
    app::NavigationBar *bar = main().navigationBar();
    QToolButton *collapse = bar->collapseStrip();
    QToolButton *expand = bar->expandStrip();
    QCOMPARE(bar->width(), 81);
    QVERIFY(collapse->isVisible());
    QVERIFY(!expand->isVisible());
    const int viewWidth = main().currentView()->width();

    QTest::mouseClick(collapse, Qt::LeftButton);
    QTRY_COMPARE(bar->width(), 13);
    QVERIFY(expand->isVisible());
    QVERIFY(!collapse->isVisible());
    QVERIFY(!bar->buttonPanel()->isVisible());
    QTRY_COMPARE(main().currentView()->width(), viewWidth + 81 - 13);

    QTest::mouseClick(expand, Qt::LeftButton);
    QTRY_COMPARE(bar->width(), 81);
    QVERIFY(collapse->isVisible());
    QVERIFY(!expand->isVisible());
    QVERIFY(bar->buttonPanel()->isVisible());
    QVERIFY(main().navigationButton(QStringLiteral("客 户"))->isVisible());
    QTRY_COMPARE(main().currentView()->width(), viewWidth);
}

void TestMainWindow::wheelStepsOneRowPerMessage_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QPoint>("angle");
    QTest::addColumn<int>("messages");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("passedOn"); // to the grid's own wheel handling

    QTest::newRow("three notches towards the user") << 0 << QPoint(0, -360) << 1 << 1 << false;
    QTest::newRow("two messages") << 0 << QPoint(0, -360) << 2 << 2 << false;
    QTest::newRow("one notch away") << 2 << QPoint(0, 120) << 1 << 1 << false;
    QTest::newRow("zero distance goes back") << 2 << QPoint(0, 0) << 1 << 1 << false;
    QTest::newRow("past the last row") << 3 << QPoint(0, -120) << 1 << 3 << false;
    QTest::newRow("before the first row") << 0 << QPoint(0, 120) << 1 << 0 << false;
    QTest::newRow("sideways") << 1 << QPoint(-120, 0) << 1 << 1 << true;
}

// Over a registered list grid each wheel message moves the shared current row
// by one, whatever its distance, and the grid does not scroll by itself.
void TestMainWindow::wheelStepsOneRowPerMessage()
{
    QFETCH(int, from);
    QFETCH(QPoint, angle);
    QFETCH(int, messages);
    QFETCH(int, to);
    QFETCH(bool, passedOn);

    addCustomers({"甲", "乙", "丙", "丁"});
    data::StandingQuery &customers = data().atc1_all();
    ui::DbGrid grid;
    grid.bind(&customers, {ui::GridColumn{"a1", "名", 50}});
    WheelCounter reached;
    grid.viewport()->installEventFilter(&reached); // sees what the main window lets through
    main().registerListGrid(&grid);
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    QVERIFY(customers.moveTo(from));

    for (int n = 0; n < messages; ++n)
        testing::turnWheel(grid.viewport(), angle);
    QCOMPARE(customers.currentRow(), to);
    QCOMPARE(grid.currentIndex().row(), to);
    QCOMPARE(reached.count, passedOn ? messages : 0);
}

void TestMainWindow::closingAsksFirst_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<bool>("ok");
    QTest::newRow("close box, cancel") << false << false;
    QTest::newRow("close box, OK") << false << true;
    QTest::newRow("menu, cancel") << true << false;
    QTest::newRow("menu, OK") << true << true;
}

// Closing asks; Cancel keeps the window, its view and its current record.
void TestMainWindow::closingAsksFirst()
{
    QFETCH(bool, byMenu);
    QFETCH(bool, ok);

    addCustomers({"甲", "乙", "丙"});
    main().showView(frame(QStringLiteral("Frame_worker1")));
    QVERIFY(data().atc1_all().moveTo(1));

    MessageBox::setNextAnswer(ok);
    if (byMenu)
        run(QStringLiteral("系统&/退出系统&"));
    else
        main().close();

    QCOMPARE(MessageBox::shown().size(), 1);
    const MessageBox::Shown asked = MessageBox::shown().first();
    QCOMPARE(asked.kind, MessageBox::Kind::Question);
    QCOMPARE(asked.title, QStringLiteral("退出"));
    QCOMPARE(asked.text, QStringLiteral("确认退出吗?"));
    QCOMPARE(main().isVisible(), !ok);
    if (!ok) {
        QCOMPARE(currentView(), QStringLiteral("Frame_worker1"));
        QCOMPARE(data().atc1_all().currentRow(), 1);
        QCOMPARE(data().atc1_all().count(), 3);
    }
}

// The help program is whatever sits at Update/Update.exe in the working folder;
// it is started there, with the working folder as its own, and not waited for.
// (Without it nothing at all happens: see the commands on a new database.)
void TestMainWindow::onlineHelpStartsTheUpdateProgram()
{
    QVERIFY(QDir::current().mkdir(QStringLiteral("Update")));
    QFile program(QStringLiteral("Update/Update.exe"));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\n: > started.marker\n");
    program.close();
    QVERIFY(program.setPermissions(program.permissions() | QFile::ExeOwner));

    run(QStringLiteral("帮助/在线帮助&"));
    QTRY_VERIFY(QFile::exists(m_program->install().path(QStringLiteral("started.marker"))));
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(currentView(), QStringLiteral("Frame_liebiao1"));
}

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
