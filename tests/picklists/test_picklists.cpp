#include "DbGrid.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "PickListEditor.h"
#include "TData_in.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>
#include <memory>

namespace {

// A fresh installation with some entries and records put into the files
// before the data module opens them.
struct Fixture {
    testing::TempInstall install;
    std::unique_ptr<TData_in> data;

    // Entries in the order they were made: the oldest first, so the list shows them last.
    void fillList(const QString &list, const QStringList &texts) const
    {
        for (const QString &t : texts)
            install.execLookup(QStringLiteral("insert into %1 (mc1) values ('%2')").arg(list, t));
    }
    TData_in &open()
    {
        data = std::make_unique<TData_in>(QDir::current());
        return *data;
    }
    QStringList fileEntries(const QString &list) const
    {
        QStringList texts = install.columnLookup(QStringLiteral("select mc1 from %1").arg(list));
        texts.sort();
        return texts;
    }
};

std::unique_ptr<PickListEditor> makeEditor(const QString &name)
{
    if (name == "Tlist_suoshu") return std::make_unique<Tlist_suoshu>();
    if (name == "Tlist_goutong") return std::make_unique<Tlist_goutong>();
    if (name == "Tlist_baifang") return std::make_unique<Tlist_baifang>();
    if (name == "Tlist_jihua") return std::make_unique<Tlist_jihua>();
    if (name == "Tlist_gongsi") return std::make_unique<Tlist_gongsi>();
    if (name == "Tlist_fenxi") return std::make_unique<Tlist_fenxi>();
    if (name == "Tlist_chanpin") return std::make_unique<Tlist_chanpin>();
    if (name == "Tlist_user") return std::make_unique<Tlist_user>();
    return {};
}

// The entry texts in the order the list shows them.
QStringList shownEntries(const data::StandingQuery &list)
{
    QStringList texts;
    const int column = list.fieldIndex(QStringLiteral("mc1"));
    for (int row = 0; row < list.count(); ++row)
        texts << list.value(row, column);
    return texts;
}

QStringList items(const QComboBox &combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

// The cell editor the grid has open, if any (a closed one lingers hidden until deleted).
QLineEdit *openCell(ui::DbGrid *grid)
{
    for (QLineEdit *e : grid->viewport()->findChildren<QLineEdit *>()) {
        if (e->isVisible())
            return e;
    }
    return nullptr;
}

QModelIndex cellOf(ui::DbGrid *grid, int row)
{
    return grid->model()->index(row, grid->query()->fieldIndex(QStringLiteral("mc1")));
}

void clickRow(ui::DbGrid *grid, int row)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cellOf(grid, row)).center());
}

// Types over the text of the current cell, opening its editor with F2 unless
// one is open. False when no editor opened.
bool typeIntoCell(ui::DbGrid *grid, const QString &text)
{
    if (!openCell(grid))
        QTest::keyClick(grid, Qt::Key_F2);
    QLineEdit *cell = openCell(grid);
    if (!cell)
        return false;
    QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(cell, text);
    return true;
}

// A key as the user presses it in the grid: into the open cell editor, if any.
void pressKey(ui::DbGrid *grid, Qt::Key key)
{
    QLineEdit *cell = openCell(grid);
    QTest::keyClick(cell ? static_cast<QWidget *>(cell) : grid, key);
}

} // namespace

class TestPickLists : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void opensOnOneList_data();
    void opensOnOneList();
    void addedEntryIsOfferedEverywhere();
    void leavingARow_data();
    void leavingARow();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void recordKeepsTextOfChangedEntry_data();
    void recordKeepsTextOfChangedEntry();
    void sameTextTwiceIsListedTwice();
};

void TestPickLists::initTestCase()
{
    ui::MessageBox::setTestMode(true);
}

void TestPickLists::init()
{
    ui::MessageBox::clearShown();
    // The grid and the view must agree on which cell editor is open.
    QTest::failOnWarning(QRegularExpression("QAbstractItemView|editing failed"));
}

void TestPickLists::opensOnOneList_data()
{
    QTest::addColumn<QString>("editor");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("given");   // the caption the opening button gives
    QTest::addColumn<QString>("caption"); // the caption the editor shows
    const struct {
        const char *editor, *list, *caption;
    } shared[] = {
        {"Tlist_suoshu", "vx1", "部门菜单"},       {"Tlist_suoshu", "vx2", "职务菜单"},
        {"Tlist_gongsi", "vx6", "所属行业菜单"},   {"Tlist_gongsi", "vx7", "销售规模菜单"},
        {"Tlist_gongsi", "vx8", "关系菜单"},       {"Tlist_fenxi", "vx10", "销售类型菜单"},
        {"Tlist_fenxi", "vx11", "销售进程菜单"},   {"Tlist_fenxi", "vx12", "竞争对手菜单"},
        {"Tlist_chanpin", "vx13", "产品大类菜单"}, {"Tlist_chanpin", "vx14", "产品细类1菜单"},
        {"Tlist_chanpin", "vx15", "产品细类2菜单"}, {"Tlist_chanpin", "vx16", "产品状态菜单"},
        {"Tlist_user", "vx17", "员工状态菜单"},    {"Tlist_user", "vx18", "员工部门菜单"},
        {"Tlist_user", "vx19", "员工职务菜单"},
    };
    for (const auto &s : shared)
        QTest::addRow("%s %s", s.editor, s.list) << s.editor << s.list << s.caption << s.caption;
    // The goal editors keep their own caption whatever the opener passes.
    QTest::newRow("Tlist_goutong") << "Tlist_goutong" << "vx3" << "" << "沟通菜单";
    QTest::newRow("Tlist_baifang") << "Tlist_baifang" << "vx4" << "部门菜单" << "拜访菜单";
    QTest::newRow("Tlist_jihua") << "Tlist_jihua" << "vx5" << "" << "计划菜单";
}

// The editor is reused: it is first opened on another of its lists, then on
// the one under test, which must be the only panel left showing.
void TestPickLists::opensOnOneList()
{
    QFETCH(QString, editor);
    QFETCH(QString, list);
    QFETCH(QString, given);
    QFETCH(QString, caption);

    Fixture f;
    TData_in &data = f.open();
    std::unique_ptr<PickListEditor> e = makeEditor(editor);
    QVERIFY(e);
    e->bindData(data);

    const QString other = e->lists().last() == list ? e->lists().first() : e->lists().last();
    e->prepare(other, QStringLiteral("previous caption"));
    e->show();
    QVERIFY(QTest::qWaitForWindowExposed(e.get()));
    e->prepare(list, given);
    QTest::qWait(0); // let the layout place the panel

    QCOMPARE(e->windowTitle(), caption);
    QCOMPARE(e->visibleList(), list);
    for (const QString &l : e->lists()) {
        QCOMPARE(e->panel(l)->isVisible(), l == list);
    }
    QWidget *panel = e->panel(list);
    QCOMPARE(panel->geometry(), e->rect());

    // The panel edits its own list: navigator and grid over the same query.
    ui::DbGrid *grid = e->grid(list);
    QVERIFY(grid->isVisible());
    QCOMPARE(grid->query(), &data.query(list));
    QVERIFY(!grid->horizontalHeader()->isVisible());
    QVERIFY(grid->verticalHeader()->isVisible());
    QVERIFY2(grid->verticalHeader()->width() >= 8, "the row indicator has no room for its mark");
    for (const char *hint : {"添加", "删除", "确定"}) {
        QAbstractButton *b = testing::button(panel, QString::fromUtf8(hint));
        QVERIFY2(b && b->isVisible(), hint);
    }
}

// The department editor, opened modally as from the new-customer window: an
// entry typed into a new row and confirmed is in the file at once and offered
// by every drop-down over the departments, and by no other list's.
void TestPickLists::addedEntryIsOfferedEverywhere()
{
    Fixture f;
    f.fillList("vx1", {"Purchasing", "Support"});
    f.fillList("vx2", {"Manager"});
    TData_in &data = f.open();

    ui::PickListCombo newCustomer, search, jobTitle;
    newCustomer.setList(&data.pickList(1));
    search.setList(&data.pickList(1));
    jobTitle.setList(&data.pickList(2));
    Tlist_suoshu editor;
    editor.bindData(data);
    const QStringList oldKeys = f.install.columnLookup("select mcid from vx1");

    bool walked = false;
    testing::whenModal([&] {
        auto leave = qScopeGuard([&] { if (editor.isVisible()) editor.done(-1); });
        QTRY_VERIFY(editor.isVisible());
        QCOMPARE(editor.windowTitle(), QStringLiteral("部门菜单"));
        QWidget *panel = editor.panel("vx1");
        testing::click(panel, "添加");
        QLineEdit *cell = nullptr;
        QTRY_VERIFY((cell = openCell(editor.grid("vx1"))));
        QTest::keyClicks(cell, "Sales");
        testing::click(panel, "确定");
        QVERIFY(editor.close());
        walked = true;
    });
    editor.openOn("vx1", QStringLiteral("部门菜单"));
    QVERIFY(walked);

    QCOMPARE(f.fileEntries("vx1"), QStringList({"Purchasing", "Sales", "Support"}));
    QCOMPARE(f.fileEntries("vx2"), QStringList({"Manager"}));
    const QStringList key = f.install.columnLookup("select mcid from vx1 where mc1 = 'Sales'");
    QCOMPARE(key.size(), 1);
    QVERIFY(!oldKeys.contains(key.first()));
    // The list holds the key the database gave, so the entry can be changed or deleted later.
    data::StandingQuery &departments = data.pickList(1);
    const int row = shownEntries(departments).indexOf("Sales");
    QVERIFY(row >= 0);
    QCOMPARE(departments.value(row, departments.fieldIndex("mcid")), key.first());
    QCOMPARE(departments.state(), data::StandingQuery::State::Browse);

    QVERIFY(newCustomer.findText("Sales") >= 0);
    QVERIFY(search.findText("Sales") >= 0);
    QCOMPARE(jobTitle.findText("Sales"), -1);
    QVERIFY(ui::MessageBox::shown().isEmpty());
}

void TestPickLists::leavingARow_data()
{
    // The list starts as Beta (current), Alpha. "edit" types over Beta;
    // "insert" adds a row above it. Steps: click (the last row), post, Enter, Esc.
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("file");  // sorted
    QTest::addColumn<QStringList>("shown"); // as the list shows them afterwards

    const QStringList unchanged{"Alpha", "Beta"};
    QTest::newRow("changed row, moved off") << "edit" << "Gamma" << QStringList{"click"}
                                            << QStringList{"Alpha", "Gamma"} << QStringList{"Gamma", "Alpha"};
    QTest::newRow("changed row, posted") << "edit" << "Gamma" << QStringList{"post"}
                                         << QStringList{"Alpha", "Gamma"} << QStringList{"Gamma", "Alpha"};
    QTest::newRow("new row, moved off") << "insert" << "Gamma" << QStringList{"click"}
                                        << QStringList{"Alpha", "Beta", "Gamma"}
                                        << QStringList{"Gamma", "Beta", "Alpha"};
    QTest::newRow("empty new row, moved off") << "insert" << "" << QStringList{"click"} << unchanged
                                              << QStringList{"Beta", "Alpha"};
    QTest::newRow("changed cell, Esc") << "edit" << "Gamma" << QStringList{"Esc", "click"} << unchanged
                                       << QStringList{"Beta", "Alpha"};
    QTest::newRow("changed cell, Enter, Esc") << "edit" << "Gamma" << QStringList{"Enter", "Esc", "click"}
                                              << unchanged << QStringList{"Beta", "Alpha"};
    QTest::newRow("new row, Esc twice") << "insert" << "Gamma" << QStringList{"Esc", "Esc", "click"} << unchanged
                                        << QStringList{"Beta", "Alpha"};
}

void TestPickLists::leavingARow()
{
    QFETCH(QString, start);
    QFETCH(QString, typed);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, file);
    QFETCH(QStringList, shown);

    Fixture f;
    f.fillList("vx1", {"Alpha", "Beta"});
    TData_in &data = f.open();
    Tlist_suoshu editor;
    editor.bindData(data);
    editor.prepare("vx1", QStringLiteral("部门菜单"));
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    ui::DbGrid *grid = editor.grid("vx1");
    QWidget *panel = editor.panel("vx1");

    if (start == "edit") {
        QVERIFY(typeIntoCell(grid, typed)); // Beta is current from the start: F2 and type
    } else {
        testing::click(panel, "添加");
        QTRY_VERIFY(openCell(grid));
        QTest::keyClicks(openCell(grid), typed);
    }
    QCOMPARE(f.fileEntries("vx1"), QStringList({"Alpha", "Beta"})); // nothing written while typing

    for (const QString &step : steps) {
        if (step == "click")
            clickRow(grid, grid->model()->rowCount() - 1);
        else if (step == "post")
            testing::click(panel, "确定");
        else
            pressKey(grid, step == "Esc" ? Qt::Key_Escape : Qt::Key_Return);
    }

    QCOMPARE(f.fileEntries("vx1"), file);
    QCOMPARE(shownEntries(data.pickList(1)), shown);
    QCOMPARE(data.pickList(1).state(), data::StandingQuery::State::Browse);
    QVERIFY(ui::MessageBox::shown().isEmpty());
}

void TestPickLists::deleteAsksFirst_data()
{
    QTest::addColumn<bool>("fromKeyboard");
    QTest::addColumn<bool>("ok");
    QTest::newRow("navigator, cancel") << false << false;
    QTest::newRow("navigator, ok") << false << true;
    QTest::newRow("Ctrl+Delete, cancel") << true << false;
    QTest::newRow("Ctrl+Delete, ok") << true << true;
}

// The user picks Alpha, the second of two entries, and deletes it.
void TestPickLists::deleteAsksFirst()
{
    QFETCH(bool, fromKeyboard);
    QFETCH(bool, ok);

    Fixture f;
    f.fillList("vx1", {"Alpha", "Beta"});
    TData_in &data = f.open();
    ui::PickListCombo newCustomer, search;
    newCustomer.setList(&data.pickList(1));
    search.setList(&data.pickList(1));
    Tlist_suoshu editor;
    editor.bindData(data);
    editor.prepare("vx1", QStringLiteral("部门菜单"));
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    ui::DbGrid *grid = editor.grid("vx1");
    clickRow(grid, 1);
    QCOMPARE(data.pickList(1).currentRow(), 1);

    ui::MessageBox::setNextAnswer(ok);
    if (fromKeyboard)
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
    else
        testing::click(editor.panel("vx1"), "删除");

    QCOMPARE(ui::MessageBox::shown().size(), 1);
    QCOMPARE(ui::MessageBox::shown().first().text, QStringLiteral("Delete record?"));
    const QStringList left = ok ? QStringList{"Beta"} : QStringList{"Alpha", "Beta"};
    QCOMPARE(f.fileEntries("vx1"), left);
    QCOMPARE(shownEntries(data.pickList(1)).size(), left.size());
    for (const ui::PickListCombo *combo : {&newCustomer, &search})
        QCOMPARE(combo->findText("Alpha") >= 0, !ok);
}

void TestPickLists::recordKeepsTextOfChangedEntry_data()
{
    QTest::addColumn<bool>("deleteIt"); // else it is renamed
    QTest::newRow("entry deleted") << true;
    QTest::newRow("entry renamed") << false;
}

// A customer's department field shows the entry whose text the record holds.
// Once no entry has that text, the field shows none, and the record keeps it.
void TestPickLists::recordKeepsTextOfChangedEntry()
{
    QFETCH(bool, deleteIt);

    Fixture f;
    f.fillList("vx1", {"Other", "Sales", "Support"});
    f.install.execMain("insert into atc1 (a1, a13) values ('Wang', 'Sales')");
    TData_in &data = f.open();
    ui::PickListCombo department;
    department.setList(&data.pickList(1));
    department.bind(&data.atc1_all(), "a13");
    department.show(); // a field off screen shows nothing yet
    QCOMPARE(department.text(), QStringLiteral("Sales"));

    Tlist_suoshu editor;
    editor.bindData(data);
    editor.prepare("vx1", QStringLiteral("部门菜单"));
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    ui::DbGrid *grid = editor.grid("vx1");
    clickRow(grid, shownEntries(data.pickList(1)).indexOf("Sales"));
    if (deleteIt) {
        testing::click(editor.panel("vx1"), "删除");
    } else {
        QVERIFY(typeIntoCell(grid, "Retail"));
        testing::click(editor.panel("vx1"), "确定");
    }
    QVERIFY(!shownEntries(data.pickList(1)).contains("Sales"));

    QCOMPARE(department.currentIndex(), -1);
    QCOMPARE(department.text(), QString());
    QCOMPARE(data.atc1_all().field("a13"), QStringLiteral("Sales"));
    QCOMPARE(data.atc1_all().state(), data::StandingQuery::State::Browse);
    QCOMPARE(f.install.columnMain("select a13 from atc1"), QStringList{"Sales"});
}

// A second "Sales" is added beside the first; both are offered, and picking
// either puts the same text into the record.
void TestPickLists::sameTextTwiceIsListedTwice()
{
    Fixture f;
    f.fillList("vx1", {"Sales", "Other"});
    f.install.execMain("insert into atc1 (a1, a13) values ('Wang', 'Other')");
    TData_in &data = f.open();
    ui::PickListCombo department;
    department.setList(&data.pickList(1));
    department.bind(&data.atc1_all(), "a13");
    department.show();

    Tlist_suoshu editor;
    editor.bindData(data);
    editor.prepare("vx1", QStringLiteral("部门菜单"));
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    testing::click(editor.panel("vx1"), "添加");
    QTRY_VERIFY(openCell(editor.grid("vx1")));
    QTest::keyClicks(openCell(editor.grid("vx1")), "Sales");
    testing::click(editor.panel("vx1"), "确定");

    QCOMPARE(f.fileEntries("vx1"), QStringList({"Other", "Sales", "Sales"}));
    QCOMPARE(items(department), QStringList({"Sales", "Other", "Sales"}));
    QCOMPARE(department.text(), QStringLiteral("Other"));

    // Home, Down, End: the first Sales, Other, the second Sales.
    for (auto [key, text] : {std::pair{Qt::Key_Home, "Sales"}, {Qt::Key_Down, "Other"}, {Qt::Key_End, "Sales"}}) {
        QTest::keyClick(&department, key);
        QCOMPARE(department.text(), QString::fromLatin1(text));
        QCOMPARE(data.atc1_all().field("a13"), QString::fromLatin1(text));
    }
    data.atc1_all().post();
    QCOMPARE(f.install.columnMain("select a13 from atc1"), QStringList{"Sales"});
}

QTEST_MAIN(TestPickLists)
#include "test_picklists.moc"
