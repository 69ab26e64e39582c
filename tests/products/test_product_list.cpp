// The product list view over the whole program: its toolbar and columns,
// the detail window of a double click, the delete panel and the commands
// that need a product.
#include "DbGrid.h"
#include "DbNavigator.h"
#include "DeletePanel.h"
#include "FormParts.h"
#include "ProductFixture.h"
#include "Ta_main.h"
#include "products/TFrame_chanpin.h"

#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace products_test;

namespace {

const QString kNone = QStringLiteral("请先创建产品信息");

const Product kPrinter{"激光打印机", "办公设备", "打印", "黑白", "1200", "1500", "1800", "2026-03-01", "高速\n双面", "25", "在售"};
const Product kScanner{"扫描仪", "耗材", "扫描", "彩色", "300", "350", "420", "2026-03-02", "平板", "7", "停售"};
const Product kToner{"硒鼓", "耗材", "", "", "80", "90", "120", "2026-03-03", "", "40", "在售"};

} // namespace

class TestProductList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void toolbarAndColumns();
    void doubleClickShowsTheProductInFull_data();
    void doubleClickShowsTheProductInFull();
    void deleteRemovesTheConfirmedProductOnly();
    void emptyListRefusesItsCommands();
    void searchThatFoundNothingThenRefresh();

private:
    TFrame_chanpin &view() const { return *ui::Windows::get<TFrame_chanpin>(ui::names::Frame_chanpin1); }
    QStringList shown() const; // the names in the grid, top to bottom

    std::unique_ptr<Fixture> m_fixture;
};

void TestProductList::init()
{
    m_fixture = std::make_unique<Fixture>();
    m_fixture->addProducts({kPrinter, kScanner, kToner});
    m_fixture->main().showView(&view());
}

void TestProductList::cleanup()
{
    m_fixture.reset();
}

QStringList TestProductList::shown() const
{
    QAbstractItemModel *model = view().grid()->model();
    QStringList names;
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, m_fixture->data().vtv4_all().fieldIndex("o1")).data().toString();
    return names;
}

void TestProductList::toolbarAndColumns()
{
    QStringList buttons;
    auto *bar = view().findChild<QToolBar *>();
    for (QAction *a : bar->actions()) {
        auto *b = qobject_cast<QToolButton *>(bar->widgetForAction(a));
        buttons << (a->isSeparator() ? QStringLiteral("|") : b->text() + u'/' + b->toolTip());
    }
    QCOMPARE(buttons, (QStringList{"新 增/添加新产品信息", "|", "修 改/修改选中产品的信息", "删 除/删除所选产品", "|",
                                   "刷 新/", "搜 索/自定义条件搜索", "报 表/输出\\打印报表", "|",
                                   "帮 助/帮助手册及版本信息"}));
    QVERIFY(!view().findChild<ui::DbNavigator *>());

    QCOMPARE(shown(), (QStringList{"硒鼓", "扫描仪", "激光打印机"}));
    ui::DbGrid *grid = view().grid();
    const data::StandingQuery &products = m_fixture->data().vtv4_all();
    QStringList fields, titles, looks;
    bool white = true;
    for (const ui::GridColumn &column : grid->columns()) {
        fields << column.field;
        titles << column.title;
        const int width = column.width ? column.width : grid->horizontalHeader()->defaultSectionSize();
        QCOMPARE(grid->columnWidth(products.fieldIndex(column.field)), width);
        QCOMPARE(column.titleAlignment, Qt::AlignCenter);
        QCOMPARE(column.background, white ? QColor(Qt::white) : QColor(243, 243, 243));
        white = !white;
        if (column.bold || column.foreground.isValid())
            looks << column.field + (column.bold ? QStringLiteral(" bold") : QStringLiteral(" ") + column.foreground.name());
    }
    QCOMPARE(fields, (QStringList{"oid", "o11", "o1", "o10", "o2", "o3", "o4", "o5", "o6", "o7", "o8"}));
    QCOMPARE(titles, (QStringList{"编号", "状态", "名称", "库存量", "大类", "细类1", "细类2", "成本价", "销售底价",
                                  "销售标准价", "创建日期"}));
    QCOMPARE(looks, (QStringList{"o11 bold", "o7 #ff0000"}));
    QCOMPARE(grid->columns().front().width, 30);
    QCOMPARE(grid->columns().front().alignment, Qt::AlignCenter);
}

void TestProductList::doubleClickShowsTheProductInFull_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<Product>("product");
    QTest::newRow("first row") << 0 << kToner;
    QTest::newRow("last row") << 2 << kPrinter;
}

// The detail window shows the double-clicked product, description included;
// the grid stays on that row.
void TestProductList::doubleClickShowsTheProductInFull()
{
    QFETCH(int, row);
    QFETCH(Product, product);
    const char *captions[] = {"名 称:", "大 类:", "细类1:", "细类2:", "  成 本 价:￥", "  销售底价:￥", "销售标准价:￥",
                              "创建日期:", "描述", "库 存 量:  ", "状 态:"};
    QStringList seen;
    const testing::Opened opened = testing::runModal([&] { testing::doubleClickRow(view().grid(), row); },
                                                     [&](QDialog *w) {
                                                         QCOMPARE(w->windowTitle(), QStringLiteral("产品详细信息"));
                                                         for (const char *caption : captions)
                                                             seen << testing::shownText(testing::field(w, caption));
                                                     });
    QVERIFY(opened);
    QCOMPARE(opened.className(), QStringLiteral("Tover_chanpin"));
    QCOMPARE(seen, product);
    QCOMPARE(m_fixture->data().vtv4_all().currentRow(), row);
    QCOMPARE(view().grid()->currentIndex().row(), row);
}

// The panel warns and disables the view and the main window's commands; its
// minus deletes the product it asked about, also from a search result, and
// the analyses naming it stay.
void TestProductList::deleteRemovesTheConfirmedProductOnly()
{
    m_fixture->insert("vtv2", {{"h1", "1"}, {"h2", "扫描仪"}, {"h12", "张三"}});
    Ta_main &main = m_fixture->main();
    testing::click(&view(), "删 除");
    QCOMPARE(testing::partNotAs(main, view(), false), QString());
    QStringList texts;
    for (QLabel *l : view().deletePanel()->findChildren<QLabel *>())
        texts << l->text();
    QCOMPARE(texts, (QStringList{"删除产品", "此操作会清除此产品全部信息。\n您确定要继续?", "点击减号删除"}));
    // Only the toolbar and the grid: the title bar and the picture strip stay usable.
    QVERIFY(view().findChild<ui::TitleStrip *>()->isEnabled());
    for (QLabel *l : view().findChildren<QLabel *>()) {
        if (l->text() == QStringLiteral("在售产品"))
            QVERIFY(l->isEnabled());
    }
    testing::click(view().deletePanel(), "取消");
    QCOMPARE(testing::partNotAs(main, view(), true), QString());
    QVERIFY(m_fixture->messages().isEmpty());
    QCOMPARE(m_fixture->install().countMain("vtv4"), 3);

    m_fixture->data().vtv4_all().filter("select * from vtv4 where o2 = '耗材' order by oid desc");
    QVERIFY(m_fixture->data().vtv4_all().moveTo(1)); // the scanner
    testing::click(&view(), "删 除");
    testing::click(view().deletePanel(), "删除");
    QCOMPARE(testing::partNotAs(main, view(), true), QString());
    QCOMPARE(m_fixture->messages(), QStringList{"产品已被成功删除！"});
    QCOMPARE(m_fixture->names(), (QStringList{"激光打印机", "硒鼓"}));
    QCOMPARE(shown(), QStringList{"硒鼓"});
    QCOMPARE(m_fixture->install().columnMain("select h2 from vtv2"), QStringList{"扫描仪"});
}

// With no product on show, 修 改, 删 除, 搜 索 and 报 表 say so and the double
// click does nothing; 新 增 opens the new-product window all the same.
void TestProductList::emptyListRefusesItsCommands()
{
    m_fixture->execute("delete from vtv4");
    m_fixture->data().vtv4_all().reset();
    for (const char *command : {"修 改", "删 除", "搜 索", "报 表"})
        QCOMPARE(testing::runModal([&] { testing::click(&view(), command); }).window, nullptr);
    QCOMPARE(testing::runModal([&] { testing::doubleClickRow(view().grid(), 0); }).window, nullptr);
    QCOMPARE(m_fixture->messages(), (QStringList{kNone, kNone, kNone, kNone}));
    QVERIFY(!view().deletePanel()->isVisible());
    QCOMPARE(testing::runModal([&] { testing::click(&view(), "新 增"); }).className(), QStringLiteral("Tnew_chanpin"));
}

// A search that found nothing leaves an empty list although products exist:
// 修 改 refuses until 刷 新 lists every product again.
void TestProductList::searchThatFoundNothingThenRefresh()
{
    const testing::Opened search = testing::runModal([&] { testing::click(&view(), "搜 索"); }, [&](QDialog *w) {
        testing::typeInto(testing::field(w, "名 称:"), "没有这个");
        testing::click(w, "搜 索");
    });
    QCOMPARE(search.className(), QStringLiteral("Tfind_chanpin"));
    QCOMPARE(m_fixture->messages(), QStringList{"没有找到记录"});
    QCOMPARE(shown(), QStringList());
    QCOMPARE(testing::runModal([&] { testing::click(&view(), "修 改"); }).window, nullptr);
    QCOMPARE(m_fixture->messages().last(), kNone);
    testing::click(&view(), "刷 新");
    QCOMPARE(shown(), (QStringList{"硒鼓", "扫描仪", "激光打印机"}));
    QCOMPARE(testing::runModal([&] { testing::click(&view(), "修 改"); }).className(), QStringLiteral("Tedit_chanpin"));
}

QTEST_MAIN(TestProductList)
#include "test_product_list.moc"
