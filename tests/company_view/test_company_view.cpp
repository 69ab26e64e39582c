#include "DbGrid.h"
#include "DeletePanel.h"
#include "Driving.h"
#include "Links.h"
#include "MessageBox.h"
#include "NavigationBar.h"
#include "Program.h"
#include "StarRating.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "Windows.h"
#include "companies/TFrame_fenzu.h"

#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>

using ui::MessageBox;
using Page = TFrame_fenzu::Page;

namespace {

const QString kNoCompanies = QStringLiteral("请先创建公司信息");
const QString kCompanyDeleted = QStringLiteral("所属关系及相关信息已被成功删除！");

// Rows of the company list, newest first.
enum CompanyRow { Bing = 0, Yi = 1, Jia = 2 };

} // namespace

class TestCompanyView : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void buttons_data();
    void buttons();
    void detailsFollowTheCurrentCompany();
    void memoPageIsReloadedForEachCompany();
    void customerPageLeavesTheCustomerQueryFiltered();
    void deletingACompany_data();
    void deletingACompany();
    void refusedMemoDeleteKeepsTheCompany();
    void deletingAMemo_data();
    void deletingAMemo();
    void panelsHoldTheirRows_data();
    void panelsHoldTheirRows();
    void refreshListsAllCompaniesAgain();
    void creditEnquiryOpensTheCreditPage();
    void wheelStepsOnlyTheCompanyList();

private:
    Ta_main &main() const { return m_program->main(); }
    TData_in &data() const { return m_program->data(); }
    TFrame_fenzu *view() const { return main().Frame_fenzu1; }
    ui::DbGrid *grid(const QString &name) const { return view()->findChild<ui::DbGrid *>(name); }
    ui::DeletePanel *panel(const QString &name) const { return view()->findChild<ui::DeletePanel *>(name); }
    QTabWidget *pages() const { return view()->findChild<QTabWidget *>(); }
    QString shown(const QString &caption) const;
    QStringList memoTexts() const;
    QStringList companyNames() const;
    bool navigationEnabled() const;

    // Three companies (甲 cid 1, 乙 cid 2, 丙 cid 3), their memos, a customer
    // memo and customers of 甲 and 丙.
    void addCompanies();
    void selectCompany(int row);
    void openPage(const QString &title);

    std::unique_ptr<testing::Program> m_program;
};

void TestCompanyView::init()
{
    m_program = std::make_unique<testing::Program>();
    main().showView(view());
    QVERIFY(view()->isVisible());
}

void TestCompanyView::cleanup()
{
    m_program.reset();
}

void TestCompanyView::addCompanies()
{
    const testing::Row companies[] = {
        {{"c1", "甲公司"}, {"c2", "jia-tech"}, {"c3", "甲科"}, {"c4", "北京路1号"}, {"c5", "100000"},
         {"c6", "www.jia.cn"}, {"c7", "合作伙伴"}, {"c8", "机床"}, {"c9", "制造"}, {"c10", "大型"},
         {"c11", "12345678"}, {"c12", "87654321"}, {"c13", "三十年的老客户"}, {"c14", "010"}, {"c15", "021"},
         {"c16", "808"}, {"c17", "3"}},
        {{"c1", "乙公司"}, {"c2", "yi"}, {"c3", "乙"}, {"c4", ""}, {"c5", ""}, {"c6", ""}, {"c7", ""}, {"c8", ""},
         {"c9", ""}, {"c10", ""}, {"c11", "5550000"}, {"c12", ""}, {"c13", "乙的描述"}, {"c14", "0"}, {"c15", "0"},
         {"c16", ""}, {"c17", "9"}},
        {{"c1", "丙公司"}, {"c2", "bing"}, {"c3", "丙"}, {"c4", ""}, {"c5", ""}, {"c6", ""}, {"c7", ""}, {"c8", ""},
         {"c9", ""}, {"c10", ""}, {"c11", "6660000"}, {"c12", ""}, {"c13", ""}, {"c14", "0"}, {"c15", "0"},
         {"c16", ""}, {"c17", "5"}},
    };
    for (const testing::Row &company : companies)
        m_program->insert("atc2", company);
    const char *const memos[][6] = {{"0", "2024-01-02", "甲备忘一", "2", "1", "甲公司"},
                                    {"0", "2024-02-03", "甲备忘二", "2", "1", "甲公司"},
                                    {"0", "2024-03-04", "丙备忘", "2", "3", "丙公司"},
                                    {"1", "2024-04-05", "客户备忘", "1", "0", ""}};
    for (const auto &[j1, j2, j4, j5, j7, j9] : memos)
        m_program->insert("vtv3", {{"j1", j1}, {"j2", j2}, {"j4", j4}, {"j5", j5}, {"j6", "备忘"}, {"j7", j7}, {"j9", j9}});
    const char *const customers[][3] = {{"张三", "1", "甲公司"}, {"王五", "3", "丙公司"}, {"李四", "1", "甲公司"}, {"赵六", "", ""}};
    for (const auto &[a1, a14, a18] : customers)
        m_program->insert("atc1", {{"a1", a1}, {"a14", a14}, {"a18", a18}});
    m_program->reload();
}

QString TestCompanyView::shown(const QString &caption) const
{
    auto *label = testing::field<QLabel>(view(), caption);
    return label ? label->text() : QStringLiteral("<none>");
}

QStringList TestCompanyView::memoTexts() const
{
    const data::StandingQuery &memos = data().vtv3_all();
    QStringList texts;
    for (int row = 0; row < memos.count(); ++row)
        texts << memos.value(row, memos.fieldIndex("j4"));
    return texts;
}

QStringList TestCompanyView::companyNames() const
{
    return m_program->install().columnMain("select c1 from atc2 order by cid");
}

bool TestCompanyView::navigationEnabled() const
{
    bool enabled = main().navigationBar()->buttonPanel()->isEnabled();
    for (QMenu *menu : main().topMenus())
        enabled = enabled && menu->menuAction()->isEnabled();
    return enabled;
}

void TestCompanyView::selectCompany(int row)
{
    testing::clickRow(grid("DBGrid1"), row);
    QCOMPARE(data().atc2_all().currentRow(), row);
}

void TestCompanyView::openPage(const QString &title)
{
    QTabBar *bar = pages()->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        if (bar->tabText(i) == title) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
            QCOMPARE(pages()->currentIndex(), i);
            return;
        }
    }
    QFAIL(qPrintable("no page " + title));
}

void TestCompanyView::buttons_data()
{
    QTest::addColumn<bool>("companies");
    QTest::addColumn<QString>("page");    // empty: the toolbar
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message"); // the information shown, if any
    QTest::addColumn<QString>("window");  // the class of the modal window opened, if any

    const QString none;
    QTest::newRow("no companies: 新公司") << false << none << "新公司" << none << "Tnew_gongsi";
    QTest::newRow("no companies: 修 改") << false << none << "修 改" << kNoCompanies << none;
    QTest::newRow("no companies: 删 除") << false << none << "删 除" << kNoCompanies << none;
    QTest::newRow("no companies: 新备忘") << false << none << "新备忘" << kNoCompanies << none;
    QTest::newRow("no companies: 备忘/新备忘") << false << "备忘" << "新备忘" << kNoCompanies << none;
    QTest::newRow("no companies: 刷 新") << false << none << "刷 新" << none << none;
    QTest::newRow("no companies: 搜 索") << false << none << "搜 索" << kNoCompanies << none;
    QTest::newRow("no companies: 报 表") << false << none << "报 表" << kNoCompanies << none;
    QTest::newRow("no companies: 帮助") << false << none << "帮助" << none << none;
    QTest::newRow("新公司") << true << none << "新公司" << none << "Tnew_gongsi";
    QTest::newRow("修 改") << true << none << "修 改" << none << "Tedit_gongsi";
    QTest::newRow("新备忘") << true << none << "新备忘" << none << "Tnew_beiwang";
    QTest::newRow("备忘/新备忘") << true << "备忘" << "新备忘" << none << "Tnew_beiwang";
    QTest::newRow("搜 索") << true << none << "搜 索" << none << "Tfind_gongsi";
    QTest::newRow("报 表") << true << none << "报 表" << none << "reports::ReportOptions";
}

// Every button but 新公司, 刷 新 and 帮助 needs a company; without one it says
// so and opens nothing.
void TestCompanyView::buttons()
{
    QFETCH(bool, companies);
    QFETCH(QString, page);
    QFETCH(QString, caption);
    QFETCH(QString, message);
    QFETCH(QString, window);

    if (companies)
        addCompanies();
    QWidget *root = view();
    if (!page.isEmpty()) {
        openPage(page);
        root = pages()->currentWidget();
    }
    MessageBox::clearShown();

    const testing::Opened opened = testing::runModal([&] { testing::click(root, caption); });

    QCOMPARE(opened.className(), window);
    if (message.isEmpty())
        QVERIFY(MessageBox::shown().isEmpty());
    else
        QCOMPARE(MessageBox::lastText(), message);
    QVERIFY(!panel("companyDeletePanel")->isVisible());
    QVERIFY(navigationEnabled());
}

void TestCompanyView::detailsFollowTheCurrentCompany()
{
    addCompanies();
    auto *stars = testing::field<ui::StarRating>(view(), "级别");
    auto *description = testing::field<QTextEdit>(view(), "描述");
    QVERIFY(stars && description);

    selectCompany(Jia);
    const std::pair<const char *, QString> lines[] = {
        {"公司名称", "甲公司"},
        {"英文名称:", "jia-tech"},
        {"简    称:", "甲科"},
        {"总    机:", "010-12345678"},
        {"传    真:", "021-87654321 转 808"},
        {"地    址:", "北京路1号,100000"},
        {"网    站:", "www.jia.cn"},
        {"关    系:", "合作伙伴"},
        {"主要产品:", "机床"},
        {"所属行业:", "制造"},
        {"销售规模:", "大型"},
        {"编号", "1"},
    };
    for (const auto &[caption, value] : lines)
        QCOMPARE(shown(caption), value);
    QCOMPARE(description->toPlainText(), QStringLiteral("三十年的老客户"));
    QVERIFY(description->isReadOnly());
    QCOMPARE(stars->stars(), 3);

    // 乙's rating "9" is no rating: no star, never 甲's three.
    selectCompany(Yi);
    QCOMPARE(shown("公司名称"), QStringLiteral("乙公司"));
    QCOMPARE(shown("传    真:"), QStringLiteral("0- 转 "));
    QCOMPARE(description->toPlainText(), QStringLiteral("乙的描述"));
    QCOMPARE(stars->stars(), 0);

    selectCompany(Bing);
    QCOMPARE(shown("编号"), QStringLiteral("3"));
    QCOMPARE(stars->stars(), 5);

    // A change of the current row's values shows at once, as an edit does.
    data::StandingQuery &companies = data().atc2_all();
    companies.edit();
    companies.setField("c17", "2");
    companies.setField("c3", "丙丙");
    companies.post();
    QCOMPARE(stars->stars(), 2);
    QCOMPARE(shown("简    称:"), QStringLiteral("丙丙"));
}

// Another company brings 描述 to the front, so that 备忘 is loaded again for
// the company now current.
void TestCompanyView::memoPageIsReloadedForEachCompany()
{
    addCompanies();
    selectCompany(Jia);
    openPage("备忘");
    QCOMPARE(data().vtv3_all().text(), QStringLiteral("select * from vtv3 where j5 like '2' and j7 like 1 order by jid desc"));
    QCOMPARE(memoTexts(), (QStringList{"甲备忘二", "甲备忘一"}));
    ui::DbGrid *memos = grid("DBGrid2");
    QVERIFY(memos->isVisible());
    QCOMPARE(memos->model()->rowCount(), 2);

    selectCompany(Bing);
    QCOMPARE(view()->currentPage(), Page::Description);
    openPage("备忘");
    QCOMPARE(data().vtv3_all().text(), QStringLiteral("select * from vtv3 where j5 like '2' and j7 like 3 order by jid desc"));
    QCOMPARE(memoTexts(), QStringList{"丙备忘"});
}

void TestCompanyView::customerPageLeavesTheCustomerQueryFiltered()
{
    addCompanies();
    selectCompany(Jia);
    openPage("现有客户");
    const QString statement = QStringLiteral("select * from atc1 where a14 like 1 order by aid desc");
    data::StandingQuery &customers = data().atc1_all();
    QCOMPARE(customers.text(), statement);
    QCOMPARE(customers.count(), 2);
    QCOMPARE(customers.value(0, customers.fieldIndex("a1")), QStringLiteral("李四"));
    QVERIFY(grid("DBGrid3")->isVisible());

    // Moving on to another company leaves the customer query as it is.
    selectCompany(Yi);
    QCOMPARE(view()->currentPage(), Page::Description);
    QCOMPARE(customers.text(), statement);
    QCOMPARE(customers.count(), 2);
}

void TestCompanyView::deletingACompany_data()
{
    QTest::addColumn<QString>("press");
    QTest::addColumn<QStringList>("companies");
    QTest::addColumn<QStringList>("memos");
    QTest::addColumn<QString>("message");

    const QStringList all{"甲公司", "乙公司", "丙公司"};
    const QStringList allMemos{"甲备忘一", "甲备忘二", "丙备忘", "客户备忘"};
    QTest::newRow("minus") << "删除" << QStringList{"乙公司", "丙公司"} << QStringList{"丙备忘", "客户备忘"}
                           << kCompanyDeleted;
    QTest::newRow("cancel") << "取 消" << all << allMemos << QString();
}

// The panel holds everything else; the minus deletes 甲 and its memos only.
// Its customers keep pointing to the deleted key.
void TestCompanyView::deletingACompany()
{
    QFETCH(QString, press);
    QFETCH(QStringList, companies);
    QFETCH(QStringList, memos);
    QFETCH(QString, message);

    addCompanies();
    selectCompany(Jia);
    testing::click(view(), "删 除");
    ui::DeletePanel *confirm = panel("companyDeletePanel");
    QVERIFY(confirm->isVisible());
    QStringList texts;
    for (QLabel *label : confirm->findChildren<QLabel *>())
        texts << label->text();
    QCOMPARE(texts, (QStringList{"删除公司", "如要删除,相关数据也将同时清除。\n您确定要继续?", "点击减号删除"}));
    QVERIFY(!navigationEnabled());
    QVERIFY(!view()->findChild<QToolBar *>()->isEnabled());
    QVERIFY(!grid("DBGrid1")->isEnabled());
    QVERIFY(!pages()->isEnabled());
    QVERIFY(MessageBox::shown().isEmpty());

    testing::click(confirm, press);
    QCOMPARE(companyNames(), companies);
    QCOMPARE(m_program->install().columnMain("select j4 from vtv3 order by jid"), memos);
    QCOMPARE(m_program->install().columnMain("select a14 from atc1 order by aid"), (QStringList{"1", "3", "1", ""}));
    QCOMPARE(data().atc2_all().count(), companies.size());
    QCOMPARE(data().vtv3_all().count(), memos.size()); // no deleted memo stays on screen
    QCOMPARE(MessageBox::shown().isEmpty() ? QString() : MessageBox::lastText(), message);
    QVERIFY(!confirm->isVisible());
    QVERIFY(navigationEnabled());
    QVERIFY(view()->findChild<QToolBar *>()->isEnabled());
    QVERIFY(grid("DBGrid1")->isEnabled());
}

// A refused memo delete takes the company delete back with it: both tables
// stay as they were, the error is shown and the panel stays up.
void TestCompanyView::refusedMemoDeleteKeepsTheCompany()
{
    addCompanies();
    m_program->execute("create trigger keep_memos before delete on vtv3 "
                        "begin select raise(abort, 'memos are kept'); end");
    selectCompany(Jia);
    testing::click(view(), "删 除");
    ui::DeletePanel *confirm = panel("companyDeletePanel");
    testing::click(confirm, "删除");

    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().last().kind, MessageBox::Kind::Error);
    QVERIFY2(MessageBox::lastText().contains("memos are kept"), qPrintable(MessageBox::lastText()));
    QCOMPARE(companyNames(), (QStringList{"甲公司", "乙公司", "丙公司"}));
    QCOMPARE(m_program->install().countMain("vtv3"), 4);
    QCOMPARE(data().atc2_all().count(), 3);
    QCOMPARE(data().atc2_all().field("c1"), QStringLiteral("甲公司"));
    QVERIFY(confirm->isVisible());
    QVERIFY(!navigationEnabled());

    testing::click(confirm, "取 消");
    QVERIFY(!confirm->isVisible());
    QVERIFY(navigationEnabled());
    QCOMPARE(companyNames().size(), 3);
}

void TestCompanyView::deletingAMemo_data()
{
    QTest::addColumn<int>("company");
    QTest::addColumn<QString>("press"); // on the panel; empty when no panel comes up
    QTest::addColumn<QStringList>("memos");

    QTest::newRow("minus deletes the selected memo")
        << int(Jia) << "删除" << QStringList{"甲备忘二", "丙备忘", "客户备忘"};
    QTest::newRow("cancel") << int(Jia) << "取 消" << QStringList{"甲备忘一", "甲备忘二", "丙备忘", "客户备忘"};
    QTest::newRow("no memos: nothing happens")
        << int(Yi) << QString() << QStringList{"甲备忘一", "甲备忘二", "丙备忘", "客户备忘"};
}

void TestCompanyView::deletingAMemo()
{
    QFETCH(int, company);
    QFETCH(QString, press);
    QFETCH(QStringList, memos);

    addCompanies();
    selectCompany(company);
    openPage("备忘");
    QWidget *memoPage = pages()->currentWidget();
    if (company == Jia) {
        testing::clickRow(grid("DBGrid2"), 1); // the older memo
        QCOMPARE(data().vtv3_all().field("j4"), QStringLiteral("甲备忘一"));
    }
    MessageBox::clearShown();
    testing::click(memoPage, "删除");

    ui::DeletePanel *confirm = panel("memoDeletePanel");
    QCOMPARE(confirm->isVisible(), !press.isEmpty());
    QCOMPARE(navigationEnabled(), press.isEmpty());
    if (!press.isEmpty()) {
        QCOMPARE(confirm->findChildren<QLabel *>().first()->text(), QStringLiteral("删除备忘"));
        QVERIFY(!pages()->isEnabled());
        testing::click(confirm, press);
    }
    QCOMPARE(m_program->install().columnMain("select j4 from vtv3 order by jid"), memos);
    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(!confirm->isVisible());
    QVERIFY(navigationEnabled());
    QVERIFY(pages()->isEnabled());
    QCOMPARE(companyNames().size(), 3);
}

void TestCompanyView::panelsHoldTheirRows_data()
{
    QTest::addColumn<QString>("panelName");
    QTest::addColumn<QString>("query");
    QTest::newRow("company") << "companyDeletePanel" << "atc2_all";
    QTest::newRow("memo") << "memoDeletePanel" << "vtv3_all";
}

// While a panel is up the wheel over the company list moves nothing; should
// the row asked about stop being current by any other path, the minus button
// deletes nothing, says why and leaves the panel up.
void TestCompanyView::panelsHoldTheirRows()
{
    QFETCH(QString, panelName);
    QFETCH(QString, query);

    addCompanies();
    selectCompany(Jia);
    const bool memo = panelName == "memoDeletePanel";
    if (memo)
        openPage("备忘");
    testing::click(memo ? pages()->currentWidget() : static_cast<QWidget *>(view()), memo ? "删除" : "删 除");
    ui::DeletePanel *confirm = panel(panelName);
    QVERIFY(confirm->isVisible());

    testing::turnWheel(grid("DBGrid1")->viewport(), {0, -120});
    testing::turnWheel(grid("DBGrid1")->viewport(), {0, 120});
    QCOMPARE(data().atc2_all().currentRow(), int(Jia));

    data::StandingQuery &rows = data().query(query);
    rows.moveTo(rows.currentRow() == 0 ? 1 : 0);
    testing::click(confirm, "删除");
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().last().kind, MessageBox::Kind::Error);
    QCOMPARE(companyNames().size(), 3);
    QCOMPARE(m_program->install().countMain("vtv3"), 4);
    QVERIFY(confirm->isVisible());
    testing::click(confirm, "取 消");
    QVERIFY(navigationEnabled());
}

// After a search narrowed the list, 刷 新 lists every company again.
void TestCompanyView::refreshListsAllCompaniesAgain()
{
    addCompanies();
    data().atc2_all().filter("select * from atc2 where c1 like '%乙%' order by cid desc");
    QCOMPARE(grid("DBGrid1")->model()->rowCount(), 1);
    openPage("备忘");

    testing::click(view(), "刷 新");
    QCOMPARE(data().atc2_all().text(), QStringLiteral("select * from atc2 order by cid DESC"));
    QCOMPARE(grid("DBGrid1")->model()->rowCount(), 3);
    QCOMPARE(data().atc2_all().field("c1"), QStringLiteral("丙公司"));
    QCOMPARE(view()->currentPage(), Page::Description);
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestCompanyView::creditEnquiryOpensTheCreditPage()
{
    QList<QUrl> opened;
    ui::setLinkOpener([&](const QUrl &url) { opened << url; });
    openPage("信用");
    testing::click(pages()->currentWidget(), "查 询");
    ui::setLinkOpener([](const QUrl &) {});
    QCOMPARE(opened, QList<QUrl>{ui::kCreditEnquiry});
}

// One wheel message moves the current company by one row; the memo grid
// keeps its ordinary wheel and its current row.
void TestCompanyView::wheelStepsOnlyTheCompanyList()
{
    addCompanies();
    data::StandingQuery &companies = data().atc2_all();
    QVERIFY(companies.moveTo(0));
    testing::turnWheel(grid("DBGrid1")->viewport(), {0, -360});
    QCOMPARE(companies.currentRow(), 1);
    QCOMPARE(view()->currentPage(), Page::Description);
    testing::turnWheel(grid("DBGrid1")->viewport(), {0, 120});
    QCOMPARE(companies.currentRow(), 0);

    selectCompany(Jia);
    openPage("备忘");
    QCOMPARE(data().vtv3_all().currentRow(), 0);
    testing::turnWheel(grid("DBGrid2")->viewport(), {0, -120});
    QCOMPARE(data().vtv3_all().currentRow(), 0);
    QCOMPARE(view()->currentPage(), Page::Memos);
}

QTEST_MAIN(TestCompanyView)
#include "test_company_view.moc"
