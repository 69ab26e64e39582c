// The customer list: its commands and their refusals on an empty list, the
// double-click into the detail view, the three buttons that open a window for
// the current customer, and deleting a customer with everything that belongs
// to it.
#include "CustomerViewsFixture.h"

#include "DbGrid.h"
#include "DeletePanel.h"
#include "MessageBox.h"
#include "NavigationBar.h"
#include "StandingQuery.h"
#include "Statement.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "customers/TFrame_lianxiren.h"
#include "customers/TFrame_liebiao.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QScrollBar>

using testing::CustomerViews;
using Tab = TFrame_lianxiren::Tab;

namespace {

const QString kNoCustomers = QStringLiteral("请先创建客户信息");
const QString kDeleted = QStringLiteral("客户及其相关信息已被成功删除！");

// One wheel notch (or several at once) sent to a part of a grid.
void turnWheel(QWidget *part, int degrees = -120)
{
    testing::turnWheel(part, QPoint(0, degrees * 8));
}

QStringList queryTexts(TData_in &data)
{
    return {data.vtv1_all().text(), data.vtv2_all().text(), data.vtv3_all().text(), data.find_gongsi().text()};
}

} // namespace

class TestCustomerList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void commands_data();
    void commands();
    void refreshBringsBackEveryCustomer();
    void doubleClickOpensTheCustomer();
    void ratingOutsideOneToFiveShowsNoStar();
    void customerWithoutACompanyOpensCleanly();
    void windowsOpenedRightAfterStartAreForTheFirstCustomer_data();
    void windowsOpenedRightAfterStartAreForTheFirstCustomer();
    void buttonsOpenWindowsForTheCurrentCustomer_data();
    void buttonsOpenWindowsForTheCurrentCustomer();
    void deleteRemovesTheCustomerAndItsRows();
    void deleteIsAllOrNothing_data();
    void deleteIsAllOrNothing();
    void deletePanelHoldsItsCustomer();
    void deletePanelRefusesWhenTheCustomerMoved();
    void wheelStepsEveryRegisteredGrid_data();
    void wheelStepsEveryRegisteredGrid();
    void wheelOverTheScrollBarStepsWithoutScrolling();

private:
    ui::DeletePanel *panel() const { return m_views->list().findChild<ui::DeletePanel *>(); }
    void checkBrowsing(bool browsing) const;

    std::unique_ptr<CustomerViews> m_views;
};

void TestCustomerList::init()
{
    m_views = std::make_unique<CustomerViews>();
}

void TestCustomerList::cleanup()
{
    m_views.reset();
}

void TestCustomerList::commands_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("empty");        // after a search that found nobody
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("window");    // the modal window it opens
    QTest::addColumn<QString>("view");      // the view on show afterwards

    const QString list = "Frame_liebiao1", detail = "Frame_lianxiren1";
    for (const char *caption : {"删 除", "新活动", "新分析", "新备忘", "搜 索", "报 表"})
        QTest::newRow(caption) << caption << true << kNoCustomers << QString() << list;
    QTest::addRow("新客户 on an empty list") << "新客户" << true << QString() << "Tnew_lianxiren" << list;
    QTest::addRow("刷 新 on an empty list") << "刷 新" << true << QString() << QString() << list;
    QTest::newRow("新客户") << "新客户" << false << QString() << "Tnew_lianxiren" << list;
    QTest::newRow("搜 索") << "搜 索" << false << QString() << "Tfind_lianxiren" << list;
    QTest::newRow("报 表") << "报 表" << false << QString() << "reports::ReportOptions" << list;
    QTest::newRow("新备忘") << "新备忘" << false << QString() << "Tnew_beiwang" << detail;
}

// Commands that need a customer refuse with one message while atc1_all holds
// none (whatever the table holds); the others go ahead.
void TestCustomerList::commands()
{
    QFETCH(QString, caption);
    QFETCH(bool, empty);
    QFETCH(QString, message);
    QFETCH(QString, window);
    QFETCH(QString, view);

    TData_in &data = m_views->data();
    if (empty)
        data.atc1_all().filter("select * from atc1 where a1 like 'nobody' order by aid desc");
    const QStringList before = queryTexts(data);

    const QString opened = testing::runModal([&] { testing::click(&m_views->list(), caption); }).className();

    QCOMPARE(opened, window);
    QCOMPARE(m_views->messages(), message.isEmpty() ? QStringList() : QStringList{message});
    if (!message.isEmpty())
        QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Information);
    QCOMPARE(m_views->main().currentView()->objectName(), view);
    if (view == QStringLiteral("Frame_liebiao1")) // the detail view loads its customer
        QCOMPARE(queryTexts(data), before);
    QVERIFY(!panel()->isVisible());
    QCOMPARE(m_views->window("Tnew_sell").opened + m_views->window("Tnew_fenxi").opened, 0);
}

// 刷 新 puts the standing text back; a double-click on an empty list does nothing.
void TestCustomerList::refreshBringsBackEveryCustomer()
{
    TData_in &data = m_views->data();
    data.atc1_all().filter("select * from atc1 where a1 like 'nobody' order by aid desc");
    const QStringList before = queryTexts(data);
    QTest::mouseDClick(m_views->listGrid()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(m_views->main().currentView(), &m_views->list());
    QCOMPARE(queryTexts(data), before);

    testing::click(&m_views->list(), "刷 新");
    QCOMPARE(data.atc1_all().text(), QStringLiteral("select * from atc1 order by aid DESC"));
    QCOMPARE(data.atc1_all().count(), 4);
    QCOMPARE(m_views->messages(), QStringList());
}

// The double-click narrows the activities, analyses and memos to the customer
// and the company query to its company, shows its stars, and keeps the tab.
void TestCustomerList::doubleClickOpensTheCustomer()
{
    TData_in &data = m_views->data();
    TFrame_lianxiren &detail = m_views->detail();
    detail.showTab(Tab::Supplement);

    m_views->openCustomer("张三");
    QCOMPARE(queryTexts(data), (QStringList{"select * from vtv1 where e2 like 1 order by eid desc",
                                            "select * from vtv2 where h1 like 1 order by hid desc",
                                            "select * from vtv3 where j5 like '1' and j1 like 1 order by jid desc",
                                            "select * from atc2 where cid like 1 "}));
    QCOMPARE(data.vtv1_all().count(), 2);
    QCOMPARE(data.vtv2_all().count(), 1);
    QCOMPARE(data.vtv3_all().count(), 3);
    QCOMPARE(data.find_gongsi().field("c1"), QStringLiteral("甲公司"));
    QCOMPARE(detail.stars(), 3);
    QCOMPARE(detail.shownCustomer(), QStringLiteral("1"));
    QCOMPARE(detail.currentTab(), Tab::Supplement);

    m_views->openCustomer("李四");
    QCOMPARE(data.vtv1_all().text(), QStringLiteral("select * from vtv1 where e2 like 2 order by eid desc"));
    QCOMPARE(data.vtv3_all().count(), 1);
    QCOMPARE(data.find_gongsi().field("c1"), QStringLiteral("乙公司"));
    QCOMPARE(detail.stars(), 5);
    QCOMPARE(m_views->messages(), QStringList());
}

// A rating other than "1" to "5" shows no star, never the stars of the
// customer opened before.
void TestCustomerList::ratingOutsideOneToFiveShowsNoStar()
{
    m_views->openCustomer("李四");
    QCOMPARE(m_views->detail().stars(), 5);
    m_views->openCustomer("王五"); // a11 "x"
    QCOMPARE(m_views->detail().shownCustomer(), QStringLiteral("3"));
    QCOMPARE(m_views->detail().stars(), 0);
}

// A customer whose company key is empty opens with an empty company tab,
// not with an engine error.
void TestCustomerList::customerWithoutACompanyOpensCleanly()
{
    m_views->insert("atc1", {{"a1", "孙七"}, {"a11", "2"}, {"a14", ""}});
    testing::click(&m_views->list(), "刷 新");
    m_views->openCustomer("孙七");
    QCOMPARE(m_views->messages(), QStringList());
    TData_in &data = m_views->data();
    QCOMPARE(data.find_gongsi().text(), QStringLiteral("select * from atc2 where cid like null "));
    QCOMPARE(data.find_gongsi().count(), 0);
    QCOMPARE(data.vtv1_all().text(), QStringLiteral("select * from vtv1 where e2 like 5 order by eid desc"));
    QCOMPARE(m_views->detail().stars(), 2);
}

void TestCustomerList::windowsOpenedRightAfterStartAreForTheFirstCustomer_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("window");
    QTest::newRow("新活动") << "新活动" << "Tnew_sell";
    QTest::newRow("新分析") << "新分析" << "Tnew_fenxi";
    QTest::newRow("新备忘") << "新备忘" << "Tnew_beiwang";
}

// The program started over files that hold customers; nothing was clicked
// yet: the window is for the customer the list shows first (赵六, the
// newest), and a memo written there is his.
void TestCustomerList::windowsOpenedRightAfterStartAreForTheFirstCustomer()
{
    QFETCH(QString, caption);
    QFETCH(QString, window);
    QCOMPARE(m_views->data().atc1_all().field("a1"), QStringLiteral("赵六"));

    const testing::Opened opened = testing::runModal([&] { testing::click(&m_views->list(), caption); },
                                                     [&](QDialog *w) {
                                                         testing::typeInto(testing::field(w, "备忘内容"), "初次拜访");
                                                         testing::click(w, "确定");
                                                     });

    QCOMPARE(m_views->detail().headerValues().value("a1"), QStringLiteral("赵六"));
    if (window == "Tnew_beiwang") {
        QVERIFY(opened);
        QCOMPARE(m_views->install().columnMain("select j1||'|'||j5||'|'||j4 from vtv3 where j4='初次拜访'"),
                 QStringList{"4|1|初次拜访"});
        return;
    }
    const testing::StandInWindow &standIn = m_views->window(window);
    QCOMPARE(standIn.opened, 1);
    QCOMPARE(QStringList({standIn.customer.aid, standIn.customer.a1, standIn.customer.a2, standIn.customer.a12}),
             QStringList({"4", "赵六", "", ""}));
}

void TestCustomerList::buttonsOpenWindowsForTheCurrentCustomer_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<Tab>("tab");
    QTest::addColumn<QString>("window"); // a stand-in, or the real memo window

    QTest::newRow("新活动") << "新活动" << Tab::Activities << "Tnew_sell";
    QTest::newRow("新分析") << "新分析" << Tab::Analyses << "Tnew_fenxi";
    QTest::newRow("新备忘") << "新备忘" << Tab::Memos << "Tnew_beiwang";
}

// After 张三 was opened, the list moves on to 李四: the window is for 李四,
// and header and tabs alike show 李四, never 张三's rows under 李四's name.
void TestCustomerList::buttonsOpenWindowsForTheCurrentCustomer()
{
    QFETCH(QString, caption);
    QFETCH(Tab, tab);
    QFETCH(QString, window);

    TData_in &data = m_views->data();
    m_views->openCustomer("张三");
    m_views->detail().showTab(Tab::Credit);
    m_views->selectCustomer("李四");

    const QString opened = testing::runModal([&] { testing::click(&m_views->list(), caption); }).className();

    QCOMPARE(m_views->main().currentView(), &m_views->detail());
    QCOMPARE(m_views->detail().currentTab(), tab);
    QCOMPARE(m_views->detail().headerValues().value("a1"), QStringLiteral("李四"));
    QCOMPARE(queryTexts(data), (QStringList{"select * from vtv1 where e2 like 2 order by eid desc",
                                            "select * from vtv2 where h1 like 2 order by hid desc",
                                            "select * from vtv3 where j5 like '1' and j1 like 2 order by jid desc",
                                            "select * from atc2 where cid like 2 "}));
    QCOMPARE(data.vtv3_all().field("j4"), QStringLiteral("李四备忘"));
    QCOMPARE(m_views->detail().shownCustomer(), QStringLiteral("2"));
    QCOMPARE(m_views->detail().stars(), 5);
    if (window == "Tnew_beiwang") {
        QCOMPARE(opened, window);
        return;
    }
    QCOMPARE(opened, QString());
    const testing::StandInWindow &standIn = m_views->window(window);
    QCOMPARE(standIn.opened, 1);
    QCOMPARE(QStringList({standIn.customer.aid, standIn.customer.a1, standIn.customer.a2, standIn.customer.a12}),
             QStringList({"2", "李四", "Li", "女士"}));
}

void TestCustomerList::checkBrowsing(bool browsing) const
{
    Ta_main &main = m_views->main();
    QCOMPARE(main.navigationButton("公 司")->isEnabled(), browsing);
    for (QMenu *menu : main.topMenus())
        QCOMPARE(menu->menuAction()->isEnabled(), browsing);
    QCOMPARE(m_views->list().findChild<QToolBar *>()->isEnabled(), browsing);
    QCOMPARE(m_views->listGrid()->isEnabled(), browsing);
    QCOMPARE(testing::button(&m_views->list(), "第一条")->isEnabled(), browsing);
    QCOMPARE(panel()->isVisible(), !browsing);
}

// Three memos, two activities and one analysis go with 张三; the company memo
// (j1 "0") and the other customers' rows stay. The memo, activity and
// analysis lists are read again: none of the deleted rows stays on screen.
void TestCustomerList::deleteRemovesTheCustomerAndItsRows()
{
    testing::TempInstall &db = m_views->install();
    TData_in &data = m_views->data();
    m_views->openCustomer("张三");
    testing::click(&m_views->detail(), "回列表");
    m_views->selectCustomer("张三");

    testing::click(&m_views->list(), "删 除");
    checkBrowsing(false);
    QCOMPARE(ui::MessageBox::shown().size(), 0);
    QCOMPARE(m_views->list().findChild<QLineEdit *>("deleteKey")->text(), QStringLiteral("1"));
    testing::click(panel(), "删除");

    checkBrowsing(true);
    QCOMPARE(m_views->messages(), QStringList{kDeleted});
    QCOMPARE(db.columnMain("select a1 from atc1 order by aid"), (QStringList{"李四", "王五", "赵六"}));
    QCOMPARE(db.columnMain("select j4 from vtv3 order by jid"), (QStringList{"李四备忘", "公司备忘"}));
    QCOMPARE(db.columnMain("select e2 from vtv1 order by eid"), (QStringList{"2", "3"}));
    QCOMPARE(db.columnMain("select h1 from vtv2 order by hid"), QStringList{"2"});
    QCOMPARE(data.atc1_all().count(), 3);
    for (data::StandingQuery *rows : {&data.vtv1_all(), &data.vtv2_all(), &data.vtv3_all()})
        QCOMPARE(rows->count(), 0); // they held 张三's rows
    for (ui::DbGrid *grid : m_views->detail().findChildren<ui::DbGrid *>())
        QCOMPARE(grid->model()->rowCount(), 0);
}

void TestCustomerList::deleteIsAllOrNothing_data()
{
    QTest::addColumn<QString>("refusing"); // the table whose delete the database refuses
    for (const char *table : {"atc1", "vtv3", "vtv1", "vtv2"})
        QTest::newRow(table) << table;
}

// When any of the four deletes is refused, the error is shown, every table
// stays as it was and the panel stays up until 取 消.
void TestCustomerList::deleteIsAllOrNothing()
{
    QFETCH(QString, refusing);
    testing::TempInstall &db = m_views->install();
    const QStringList tables{"atc1", "vtv3", "vtv1", "vtv2"};
    QMap<QString, int> before;
    for (const QString &t : tables)
        before[t] = db.countMain(t);
    m_views->execute("create trigger refuse before delete on " + refusing + " begin select raise(abort, 'refused'); end");
    m_views->selectCustomer("张三");

    testing::click(&m_views->list(), "删 除");
    testing::click(panel(), "删除");

    QCOMPARE(ui::MessageBox::shown().size(), 1);
    QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Error);
    QVERIFY(ui::MessageBox::lastText().contains("refused"));
    for (const QString &t : tables)
        QCOMPARE(db.countMain(t), before[t]);
    QCOMPARE(m_views->data().atc1_all().count(), 4);
    checkBrowsing(false);

    testing::click(panel(), "取 消");
    checkBrowsing(true);
    for (const QString &t : tables)
        QCOMPARE(db.countMain(t), before[t]);
}

void TestCustomerList::wheelStepsEveryRegisteredGrid_data()
{
    QTest::addColumn<QString>("grid");
    QTest::newRow("customers") << "DBGrid1";
    QTest::newRow("memos") << "memoGrid";
    QTest::newRow("activities") << "activityGrid";
    QTest::newRow("analyses") << "analysisGrid";
}

// One wheel message towards the user moves the grid's current row by one.
void TestCustomerList::wheelStepsEveryRegisteredGrid()
{
    QFETCH(QString, grid);
    // Every list view has a DBGrid1: the customers' is the list's own.
    auto *g = grid == "DBGrid1" ? m_views->listGrid() : m_views->main().findChild<ui::DbGrid *>(grid);
    QVERIFY(g);
    if (grid != "DBGrid1")
        m_views->main().showView(&m_views->detail());
    data::StandingQuery *query = g->query();
    QVERIFY(query->count() >= 2);
    QCOMPARE(query->currentRow(), 0);
    testing::turnWheel(g->viewport(), QPoint(0, -360));
    QCOMPARE(query->currentRow(), 1);
}

// While the panel is up the wheel moves nothing, over any part of the grid,
// and the minus button deletes the customer the panel asked about.
void TestCustomerList::deletePanelHoldsItsCustomer()
{
    testing::TempInstall &db = m_views->install();
    data::StandingQuery &customers = m_views->data().atc1_all();
    m_views->selectCustomer("张三");
    const int row = customers.currentRow();

    testing::click(&m_views->list(), "删 除");
    ui::DbGrid *grid = m_views->listGrid();
    for (QWidget *part : {grid->viewport(), static_cast<QWidget *>(grid->verticalScrollBar()), static_cast<QWidget *>(grid)}) {
        turnWheel(part);
        turnWheel(part, 120);
        QCOMPARE(customers.currentRow(), row);
    }
    testing::click(panel(), "删除");

    QCOMPARE(m_views->messages(), QStringList{kDeleted});
    QCOMPARE(db.columnMain("select a1 from atc1 order by aid"), (QStringList{"李四", "王五", "赵六"}));
}

// Should the current row move by any other path while the panel is up, the
// minus button deletes nothing and says why; 取 消 still closes the panel.
void TestCustomerList::deletePanelRefusesWhenTheCustomerMoved()
{
    testing::TempInstall &db = m_views->install();
    data::StandingQuery &customers = m_views->data().atc1_all();
    m_views->selectCustomer("张三");
    testing::click(&m_views->list(), "删 除");
    QCOMPARE(m_views->list().findChild<QLineEdit *>("deleteKey")->text(), QStringLiteral("1"));

    customers.moveTo(m_views->listRow("李四"));
    testing::click(panel(), "删除");

    QCOMPARE(ui::MessageBox::shown().size(), 1);
    QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Error);
    QVERIFY(ui::MessageBox::lastText().contains("已不是当前记录"));
    QCOMPARE(db.countMain("atc1"), 4);
    QCOMPARE(db.countMain("vtv3"), 5);
    checkBrowsing(false);
    testing::click(panel(), "取 消");
    checkBrowsing(true);
    QCOMPARE(db.countMain("atc1"), 4);
}

// Over the scroll bar, too, one wheel message moves exactly one row and the
// grid does not scroll by itself.
void TestCustomerList::wheelOverTheScrollBarStepsWithoutScrolling()
{
    data::Transaction batch(m_views->data().Con_data());
    for (int i = 0; i < 200; ++i)
        m_views->insert("atc1", {{"a1", QStringLiteral("客户%1").arg(i)}});
    batch.commit();
    testing::click(&m_views->list(), "刷 新");
    ui::DbGrid *grid = m_views->listGrid();
    QTRY_VERIFY(grid->verticalScrollBar()->maximum() > 0);
    data::StandingQuery &customers = m_views->data().atc1_all();
    QCOMPARE(customers.currentRow(), 0);

    turnWheel(grid->verticalScrollBar(), -360);
    QCOMPARE(customers.currentRow(), 1);
    QCOMPARE(grid->verticalScrollBar()->value(), 0);
    turnWheel(grid->horizontalScrollBar());
    QCOMPARE(customers.currentRow(), 2);
    turnWheel(grid->verticalScrollBar(), 120);
    QCOMPARE(customers.currentRow(), 1);
    QCOMPARE(grid->verticalScrollBar()->value(), 0);
}

QTEST_MAIN(TestCustomerList)
#include "test_customerlist.moc"
