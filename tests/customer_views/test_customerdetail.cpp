// The customer detail view: the header the list mirrors into it, the company
// and supplementary pages, the commands of its toolbar and tabs, ending and
// following up, the activity filter and deleting memos.
#include "CustomerViewsFixture.h"

#include "DbGrid.h"
#include "DeletePanel.h"
#include "Links.h"
#include "MessageBox.h"
#include "StandingQuery.h"
#include "StarRating.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "customers/CustomerDetailPages.h"
#include "customers/TFrame_lianxiren.h"
#include "customers/TFrame_liebiao.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

using testing::CustomerViews;
using Tab = TFrame_lianxiren::Tab;

class TestCustomerDetail : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startsOnTheCompanyTab();
    void headerShowsTheCustomerLastPainted();
    void companyTab_data();
    void companyTab();
    void commandsOpenWindowsForTheCustomerOnShow_data();
    void commandsOpenWindowsForTheCustomerOnShow();
    void backToTheList_data();
    void backToTheList();
    void endAndFollowUp_data();
    void endAndFollowUp();
    void activityFilter_data();
    void activityFilter();
    void deletingMemos();
    void refusedMemoDeleteKeepsThePanel();
    void memoPanelHoldsItsMemo();

private:
    TFrame_lianxiren &view() const { return m_views->detail(); }
    CustomerDetailPages *pages() const { return view().pages(); }
    QString shown(const QString &caption) const { return testing::shownText(testing::field(&view(), caption)); }
    ui::DeletePanel *panel() const { return view().findChild<ui::DeletePanel *>(); }
    void checkBrowsing(bool browsing) const;

    std::unique_ptr<CustomerViews> m_views;
};

void TestCustomerDetail::init()
{
    m_views = std::make_unique<CustomerViews>();
}

void TestCustomerDetail::cleanup()
{
    ui::setLinkOpener({});
    m_views.reset();
}

void TestCustomerDetail::startsOnTheCompanyTab()
{
    QCOMPARE(view().currentTab(), Tab::Company);
    QCOMPARE(pages()->tabText(pages()->currentIndex()), QStringLiteral("所属"));
    QStringList tabs;
    for (int i = 0; i < pages()->count(); ++i)
        tabs << pages()->tabText(i);
    QCOMPARE(tabs, (QStringList{"备忘", "活动", "分析", "所属", "补充信息", "信用"}));
    // Before any customer was opened, the grids' queries are the standing ones
    // and the company page is empty.
    QCOMPARE(m_views->data().vtv1_all().count(), 4);
    QCOMPARE(m_views->data().vtv3_all().count(), 5);
    QCOMPARE(shown("公司名称"), QString());
}

namespace {

// Caption, then what it shows for 张三 (every field filled) and for 李四 (most empty).
struct HeaderCase {
    const char *caption;
    const char *zhang;
    const char *li;
};
const HeaderCase kHeader[] = {
    {"中文名", "张三", "李四"},
    {"称呼", "先生", "女士"},
    {"英文名", "Zhang", "Li"},
    {"职务", "经理", ""},
    {"部门", "销售部", ""},
    {"手  机:", "0-13900000000", "-"},
    {"电  话:", "0-123 转 45", "- 转 "},
    {"传  真:", "010-777 转 8", "- 转 "},
    {"E-mail:", "z@x.cn", ""},
    {"编号", "1", "2"},
    {"公司编号:", "1", "2"},
    {"电   话2:", "021-456 转 9", "- 转 "},
    {"手   机2:", "0-138", "-"},
    {"家庭地址:", "北京路1号,100000", ","},
    {"Q Q:", "12345", ""},
    {"MSN:", "zs@msn", ""},
    {"描述", "老客户", ""},
};

} // namespace

// The list copies its current customer into the header when it paints; while
// the list is hidden the header keeps what it had.
void TestCustomerDetail::headerShowsTheCustomerLastPainted()
{
    auto showsEveryField = [this](const char *HeaderCase::*value) {
        for (const HeaderCase &c : kHeader)
            QCOMPARE(shown(QString::fromUtf8(c.caption)), QString::fromUtf8(c.*value));
    };
    m_views->selectCustomer("张三");
    showsEveryField(&HeaderCase::zhang);
    QCOMPARE(view().headerValues().value("a18"), QStringLiteral("甲公司"));

    m_views->main().showView(&view());
    QVERIFY(m_views->data().atc1_all().moveTo(m_views->listRow("李四")));
    QCoreApplication::processEvents(); // the hidden list does not paint
    showsEveryField(&HeaderCase::zhang);

    m_views->main().showView(&m_views->list());
    QTRY_COMPARE(shown("中文名"), QStringLiteral("李四"));
    showsEveryField(&HeaderCase::li);
}

void TestCustomerDetail::companyTab_data()
{
    QTest::addColumn<QString>("customer");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("texts");

    const QStringList captions{"公司名称", "英文名称", "简    称", "总    机", "传    真",
                               "地    址", "网    站", "描    述", "公司编号:"};
    QTest::newRow("company 1") << "张三" << captions
                               << QStringList{"甲公司", "Jia Co", "甲", "010-8888", "020-6666 转 1", "上海,徐汇",
                                              "www.jia.cn", "做软件", "1"};
    QTest::newRow("deleted company") << "赵六" << QStringList{"公司名称", "英文名称", "网    站", "描    述", "公司编号:"}
                                     << QStringList{"", "", "", "", "99"};
}

// The company page shows the company the double-click loaded into
// find_gongsi; a company that is gone leaves it empty.
void TestCustomerDetail::companyTab()
{
    QFETCH(QString, customer);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, texts);

    m_views->openCustomer("李四");
    m_views->openCustomer(customer);
    for (qsizetype i = 0; i < captions.size(); ++i)
        QCOMPARE(shown(captions[i]), texts[i]);
}

void TestCustomerDetail::commandsOpenWindowsForTheCustomerOnShow_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("onTab"); // the button of the tab page, not of the toolbar
    QTest::addColumn<Tab>("tab");    // the tab on show afterwards
    QTest::addColumn<QString>("window");

    QTest::newRow("toolbar 新活动") << "新活动" << false << Tab::Activities << "Tnew_sell";
    QTest::newRow("toolbar 新分析") << "新分析" << false << Tab::Analyses << "Tnew_fenxi";
    QTest::newRow("toolbar 新备忘") << "新备忘" << false << Tab::Memos << "Tnew_beiwang";
    QTest::newRow("tab 新活动") << "新活动" << true << Tab::Activities << "Tnew_sell";
    QTest::newRow("tab 新分析") << "新分析" << true << Tab::Analyses << "Tnew_fenxi";
    QTest::newRow("tab 新备忘") << "新备忘" << true << Tab::Memos << "Tnew_beiwang";
    QTest::newRow("修 改") << "修 改" << false << Tab::Credit << "Tedit_lianxiren";
}

// The windows get the customer of the header; no query is reloaded.
void TestCustomerDetail::commandsOpenWindowsForTheCustomerOnShow()
{
    QFETCH(QString, caption);
    QFETCH(bool, onTab);
    QFETCH(Tab, tab);
    QFETCH(QString, window);

    TData_in &data = m_views->data();
    m_views->openCustomer("李四");
    view().showTab(onTab ? tab : Tab::Credit);
    const QStringList texts{data.vtv1_all().text(), data.vtv2_all().text(), data.vtv3_all().text()};
    QWidget *root = onTab ? pages()->currentWidget() : view().findChild<QToolBar *>();

    const QString opened = testing::runModal([&] { testing::click(root, caption); }).className();

    QCOMPARE(view().currentTab(), tab);
    QCOMPARE(m_views->main().currentView(), &view());
    QCOMPARE(QStringList({data.vtv1_all().text(), data.vtv2_all().text(), data.vtv3_all().text()}), texts);
    if (window != "Tnew_sell" && window != "Tnew_fenxi") {
        QCOMPARE(opened, window);
        return;
    }
    const testing::StandInWindow &standIn = m_views->window(window);
    QCOMPARE(standIn.opened, 1);
    QCOMPARE(QStringList({standIn.customer.aid, standIn.customer.a1, standIn.customer.a2, standIn.customer.a12}),
             QStringList({"2", "李四", "Li", "女士"}));
}

void TestCustomerDetail::backToTheList_data()
{
    QTest::addColumn<QString>("caption");
    QTest::newRow("toolbar") << "回列表";
    QTest::newRow("header") << "回 列 表";
}

void TestCustomerDetail::backToTheList()
{
    QFETCH(QString, caption);
    TData_in &data = m_views->data();
    m_views->openCustomer("张三");
    const QStringList texts{data.atc1_all().text(), data.vtv1_all().text(), data.find_gongsi().text()};
    testing::click(&view(), caption);
    QCOMPARE(m_views->main().currentView(), &m_views->list());
    QCOMPARE(QStringList({data.atc1_all().text(), data.vtv1_all().text(), data.find_gongsi().text()}), texts);
}

void TestCustomerDetail::endAndFollowUp_data()
{
    QTest::addColumn<QString>("customer");
    QTest::addColumn<int>("row");            // of the grid
    QTest::addColumn<QString>("activity");  // the key Tover_sell gets; empty: nothing opens
    QTest::addColumn<QString>("analysis");  // the key Tover_fenxi gets

    QTest::newRow("open activity") << "张三" << 1 << "1" << "1";
    QTest::newRow("ended activity") << "张三" << 0 << "" << "1";
    QTest::newRow("no activities, no analyses") << "赵六" << 0 << "" << "";
}

// 结束 and a double-click on the activity grid hand over the selected activity
// unless there is none or it has ended; 跟进 and a double-click on the
// analysis grid hand over the selected analysis unless there is none.
void TestCustomerDetail::endAndFollowUp()
{
    QFETCH(QString, customer);
    QFETCH(int, row);
    QFETCH(QString, activity);
    QFETCH(QString, analysis);

    m_views->openCustomer(customer);
    testing::StandInWindow &end = m_views->window("Tover_sell");
    testing::StandInWindow &followUp = m_views->window("Tover_fenxi");
    const int opens = activity.isEmpty() ? 0 : 2, followUps = analysis.isEmpty() ? 0 : 2;

    view().showTab(Tab::Activities);
    if (row > 0)
        testing::clickRow(pages()->activityGrid(), row);
    testing::click(pages()->currentWidget(), "结束");
    testing::doubleClickRow(pages()->activityGrid(), row);
    QCOMPARE(end.opened, opens);
    QCOMPARE(end.rowKey, activity);

    view().showTab(Tab::Analyses);
    testing::click(pages()->currentWidget(), "跟进");
    testing::doubleClickRow(pages()->analysisGrid(), 0);
    QCOMPARE(followUp.opened, followUps);
    QCOMPARE(followUp.rowKey, analysis);
    QCOMPARE(m_views->messages(), QStringList());
}

void TestCustomerDetail::activityFilter_data()
{
    QTest::addColumn<QString>("opened"); // the customer double-clicked first, if any
    QTest::addColumn<QString>("typed");  // typed into the drop-down
    QTest::addColumn<QString>("chosen"); // then chosen from the list
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("all customers, 沟通")
        << "" << "" << "沟通" << "select * from vtv1 where e5 like '%沟通%' order by e3 desc" << QStringList{"4", "1"};
    QTest::newRow("all customers, 计划 then 全部")
        << "" << "" << "计划|全部" << "select * from vtv1 order by e3 desc" << QStringList{"4", "2", "3", "1"};
    QTest::newRow("张三, 沟通") << "张三" << "" << "沟通"
                              << "select * from vtv1 where e5 like '%沟通%' and e2 like 1 order by e3 desc"
                              << QStringList{"1"};
    QTest::newRow("张三, 计划") << "张三" << "" << "计划"
                              << "select * from vtv1 where e5 like '%计划%' and e2 like 1 order by e3 desc"
                              << QStringList{};
    QTest::newRow("张三, 拜访 then 全部") << "张三" << "" << "拜访|全部"
                                    << "select * from vtv1 where e2 like 1 order by e3 desc" << QStringList{"2", "1"};
    QTest::newRow("typed 沟 changes nothing")
        << "张三" << "沟" << "" << "select * from vtv1 where e2 like 1 order by eid desc" << QStringList{"2", "1"};
}

// The drop-down on the 活动 tab filters the activities of the customer on
// show; before any customer was opened, the whole activity table.
void TestCustomerDetail::activityFilter()
{
    QFETCH(QString, opened);
    QFETCH(QString, typed);
    QFETCH(QString, chosen);
    QFETCH(QString, statement);
    QFETCH(QStringList, keys);

    if (!opened.isEmpty())
        m_views->openCustomer(opened);
    m_views->main().showView(&view());
    view().showTab(Tab::Activities);
    QComboBox *type = pages()->activityType();
    QCOMPARE(type->currentText(), QStringLiteral("全部"));
    QVERIFY(type->isEditable());
    if (!typed.isEmpty()) {
        // Chinese arrives through the input method.
        type->lineEdit()->selectAll();
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QApplication::sendEvent(type->lineEdit(), &commit);
        QCOMPARE(type->currentText(), typed);
    }
    for (const QString &item : chosen.split(u'|', Qt::SkipEmptyParts))
        type->setCurrentIndex(type->findText(item));

    const data::StandingQuery &activities = m_views->data().vtv1_all();
    QCOMPARE(activities.text(), statement);
    QStringList shownKeys;
    for (int row = 0; row < activities.count(); ++row)
        shownKeys << activities.value(row, activities.fieldIndex("eid"));
    QCOMPARE(shownKeys, keys);
    QCOMPARE(m_views->messages(), QStringList());
}

void TestCustomerDetail::checkBrowsing(bool browsing) const
{
    Ta_main &main = m_views->main();
    QCOMPARE(main.navigationButton("客 户")->isEnabled(), browsing);
    for (QMenu *menu : main.topMenus())
        QCOMPARE(menu->menuAction()->isEnabled(), browsing);
    QCOMPARE(view().findChild<QToolBar *>()->isEnabled(), browsing);
    QCOMPARE(testing::button(&view(), "回 列 表")->isEnabled(), browsing);
    QCOMPARE(pages()->isEnabled(), browsing);
    QCOMPARE(panel()->isVisible(), !browsing);
}

// The minus button deletes the current memo at once, without a message;
// on an empty memo grid only 取消 is offered.
void TestCustomerDetail::deletingMemos()
{
    testing::TempInstall &db = m_views->install();
    m_views->openCustomer("李四");
    view().showTab(Tab::Memos);
    QWidget *memoPage = pages()->currentWidget();

    testing::click(memoPage, "删除");
    checkBrowsing(false);
    QVERIFY(testing::button(panel(), "取消"));
    QVERIFY(panel()->minusButton()->isEnabled());
    testing::click(panel(), "删除");
    checkBrowsing(true);
    QCOMPARE(m_views->messages(), QStringList());
    QCOMPARE(db.columnMain("select j4 from vtv3 order by jid"),
             (QStringList{"张三备忘一", "张三备忘二", "张三备忘三", "公司备忘"}));
    QCOMPARE(pages()->memoGrid()->model()->rowCount(), 0);

    testing::click(memoPage, "删除");
    checkBrowsing(false);
    QVERIFY(!panel()->minusButton()->isEnabled());
    testing::click(panel(), "取消");
    checkBrowsing(true);
    QCOMPARE(db.countMain("vtv3"), 4);
}

void TestCustomerDetail::refusedMemoDeleteKeepsThePanel()
{
    testing::TempInstall &db = m_views->install();
    m_views->execute("create trigger refuse before delete on vtv3 begin select raise(abort, 'refused'); end");
    m_views->openCustomer("张三");
    view().showTab(Tab::Memos);

    testing::click(pages()->currentWidget(), "删除");
    testing::click(panel(), "删除");
    QCOMPARE(ui::MessageBox::shown().size(), 1);
    QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Error);
    checkBrowsing(false);
    QCOMPARE(db.countMain("vtv3"), 5);
    testing::click(panel(), "取消");
    checkBrowsing(true);
}

// While the panel is up the wheel over the memo grid moves nothing; should
// the current memo change by another path, the minus button deletes nothing.
void TestCustomerDetail::memoPanelHoldsItsMemo()
{
    testing::TempInstall &db = m_views->install();
    data::StandingQuery &memos = m_views->data().vtv3_all();
    m_views->openCustomer("张三");
    view().showTab(Tab::Memos);
    const QString asked = memos.field("j4");

    testing::click(pages()->currentWidget(), "删除");
    ui::DbGrid *grid = pages()->memoGrid();
    testing::turnWheel(grid->viewport(), QPoint(0, -120));
    QCOMPARE(memos.field("j4"), asked);

    memos.next();
    testing::click(panel(), "删除");
    QCOMPARE(ui::MessageBox::shown().size(), 1);
    QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Error);
    QCOMPARE(db.countMain("vtv3"), 5);
    checkBrowsing(false);
    testing::click(panel(), "取消");

    memos.prior();
    testing::click(pages()->currentWidget(), "删除");
    testing::click(panel(), "删除");
    checkBrowsing(true);
    QCOMPARE(db.countMain("vtv3"), 4);
    QVERIFY(!db.columnMain("select j4 from vtv3").contains(asked));
}

QTEST_MAIN(TestCustomerDetail)
#include "test_customerdetail.moc"
