// The employee list view over the whole program: its grid, its toolbar, the
// detail window on a double click, the delete panel and the commands that
// need an employee.
#include "DbGrid.h"
#include "DeletePanel.h"
#include "Driving.h"
#include "FormParts.h"
#include "EmployeeRows.h"
#include "MessageBox.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "WindowNames.h"
#include "Windows.h"
#include "employees/TFrame_worker.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString kNone = QStringLiteral("请先创建员工档案");

// 张三 with every shown column, 李四 and 王五 with a few.
const testing::Row kZhang{{"u1", "张三"},   {"u2", "Zhang"},       {"u4", "经理"},        {"u5", "销售部"},
                          {"u6", "汉"},     {"u7", "北京"},        {"u8", "110101199001011234"}, {"u9", "本科"},
                          {"u10", "北大"},  {"u11", "计算机"},     {"u12", "5"},          {"u13", "北京路1号"},
                          {"u14", "100000"}, {"u15", "010-1234567"}, {"u16", "13800001111"}, {"u17", "2008-02-18"},
                          {"u18", "2008-05-18"}, {"u19", "在职"},  {"u20", "男"},         {"u21", "第一行\n<b>第二行</b>"},
                          {"u22", "z@x.cn"}};

} // namespace

class TestEmployeeList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listShowsEveryEmployeeNewestFirst();
    void toolbarAndStrip();
    void doubleClickShowsTheDetails();
    void deleteRemovesTheConfirmedEmployeeOnly();
    void emptyListRefusesItsCommands();

private:
    TFrame_worker &view() const { return *ui::Windows::get<TFrame_worker>(ui::names::Frame_worker1); }
    data::StandingQuery &employees() const { return m_program->data().utm1_all(); }
    // The bar that holds the sunken title "员工管理".
    QWidget *titleBar() const
    {
        for (QLabel *label : view().findChildren<QLabel *>()) {
            if (label->text() == QStringLiteral("员工管理") && !qobject_cast<ui::TitleStrip *>(label))
                return label->parentWidget();
        }
        return nullptr;
    }
    QStringList shown() const;

    std::unique_ptr<testing::Program> m_program;
};

void TestEmployeeList::init()
{
    m_program = std::make_unique<testing::Program>();
    m_program->insert("atc1", {{"a1", "客户"}}); // the navigation bar needs a customer
    m_program->insert("utm1", testing::employee(kZhang));
    m_program->insert("utm1", testing::employee({{"u1", "李四"}, {"u20", "女"}, {"u19", "试用"}}));
    m_program->insert("utm1", testing::employee({{"u1", "王五"}, {"u20", "男"}, {"u19", "在职"}}));
    m_program->reload();
    QTest::mouseClick(m_program->main().navigationButton("员 工"), Qt::LeftButton);
    QCOMPARE(m_program->main().currentView(), &view());
}

void TestEmployeeList::cleanup()
{
    m_program.reset();
}

QStringList TestEmployeeList::shown() const
{
    return testing::columnTexts(view().grid(), employees().fieldIndex("uid"));
}

// Eleven columns with their titles centred, their widths, and grounds
// alternating from white, the last on the grid's own.
void TestEmployeeList::listShowsEveryEmployeeNewestFirst()
{
    QCOMPARE(shown(), (QStringList{"3", "2", "1"}));
    ui::DbGrid *grid = view().grid();
    QStringList fields, titles, widths, grounds;
    for (const ui::GridColumn &column : grid->columns()) {
        fields << column.field;
        titles << column.title;
        widths << QString::number(grid->columnWidth(employees().fieldIndex(column.field)));
        grounds << (column.background.isValid() ? column.background.name() : QStringLiteral("default"));
        QCOMPARE(column.titleAlignment, Qt::Alignment(Qt::AlignCenter));
    }
    QCOMPARE(fields, (QStringList{"uid", "u19", "u1", "u2", "u20", "u4", "u5", "u15", "u16", "u22", "u8"}));
    QCOMPARE(titles, (QStringList{"编号", "状态", "中文名", "英文名", "性别", "职务", "部门", "电话", "手机", "E-mail",
                                  "身份证号"}));
    QCOMPARE(widths, (QStringList{"50", "50", "80", "80", "50", "90", "90", "90", "110", "120", "120"}));
    QCOMPARE(grounds, (QStringList{"#ffffff", "#f3f3f3", "#ffffff", "#f3f3f3", "#ffffff", "#f3f3f3", "#ffffff",
                                   "#f3f3f3", "#ffffff", "#f3f3f3", "default"}));
    QCOMPARE(grid->columns().front().alignment, Qt::Alignment(Qt::AlignCenter));
}

// The buttons in order with their hints, separators after 删 除 and 报 表;
// the strip holds its bold caption and no record navigator.
void TestEmployeeList::toolbarAndStrip()
{
    QStringList bar;
    for (QAction *action : view().findChild<QToolBar *>()->actions()) {
        if (action->isSeparator()) {
            bar << QStringLiteral("|");
            continue;
        }
        auto *button = qobject_cast<QToolButton *>(view().findChild<QToolBar *>()->widgetForAction(action));
        bar << button->text() + u'=' + button->toolTip();
    }
    QCOMPARE(bar, (QStringList{"新员工=创建新员工档案", "编 辑=编辑所选员工档案", "删 除=删除所选员工档案", "|",
                               "刷 新=刷新数据", "搜 索=自定义条件搜索", "报 表=输出\\打印报表", "|",
                               "帮 助=帮助手册及版本信息"}));
    QVERIFY(!view().findChild<QWidget *>(QStringLiteral("DBNavigator1")));
    bool caption = false;
    for (QLabel *label : view().findChildren<QLabel *>())
        caption |= label->text() == QStringLiteral("员工管理") && label->styleSheet().contains("bold");
    QVERIFY(caption);
}

// The detail window shows every column the list hands over, the remarks as
// text in a grey box that takes no typing, and neither department nor position.
void TestEmployeeList::doubleClickShowsTheDetails()
{
    QVERIFY(employees().moveTo(1)); // the row clicked is the one shown, whatever was current
    const testing::Opened detail = testing::runModal([&] { testing::doubleClickRow(view().grid(), 2); }, [&](QDialog *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("员工详细信息"));
        const QList<std::pair<const char *, const char *>> values{
            {"中文名:", "u1"},   {"英文名:", "u2"},   {"性  别:", "u20"},   {"民  族:", "u6"},   {"籍    贯:", "u7"},
            {"状  态:", "u19"},  {"身份证号:", "u8"}, {"学    历:", "u9"},  {"毕业学校:", "u10"}, {"所学专业:", "u11"},
            {"工作年限:", "u12"}, {"入司时间:", "u17"}, {"转正时间:", "u18"}, {"居住地:", "u13"}, {"邮 编:", "u14"},
            {"电  话:", "u15"},  {"手 机:", "u16"},   {"E-mail:", "u22"}};
        for (const auto &[caption, column] : values) {
            const QString expected = [&] {
                for (const auto &[c, v] : kZhang) {
                    if (c == QLatin1String(column))
                        return v.toString();
                }
                return QString();
            }();
            QCOMPARE(testing::shownText(testing::field(w, caption)), expected);
        }
        auto *remarks = qobject_cast<QPlainTextEdit *>(testing::field(w, "备注"));
        QVERIFY(remarks && remarks->isReadOnly());
        QCOMPARE(remarks->toPlainText(), QStringLiteral("第一行\n<b>第二行</b>"));
        QVERIFY(remarks->palette().color(QPalette::Base) != QColor(Qt::white));
        for (QLabel *label : w->findChildren<QLabel *>()) {
            QVERIFY(!label->text().contains("经理") && !label->text().contains("销售部"));
            QVERIFY(!label->text().startsWith("部") && !label->text().startsWith("职"));
        }
        QVERIFY(w->findChildren<QAbstractButton *>().isEmpty());
    });
    QVERIFY(detail);
    QCOMPARE(detail.className(), QStringLiteral("Tover_user"));
}

// The panel says what it deletes and disables the view and the main window's
// commands; 取消 deletes nothing, the minus the employee it asked about.
void TestEmployeeList::deleteRemovesTheConfirmedEmployeeOnly()
{
    Ta_main &main = m_program->main();
    testing::click(&view(), "删 除");
    QCOMPARE(testing::partNotAs(main, view(), false), QString());
    QStringList texts;
    for (QLabel *label : view().deletePanel()->findChildren<QLabel *>())
        texts << label->text();
    QVERIFY(texts.contains("删除员工"));
    QVERIFY(texts.join('\n').contains("此操作会清除此员工全部信息。"));
    QVERIFY(texts.join('\n').contains("您确定要继续?"));
    // The whole view but the panel: the picture strip and the title bar too.
    QVERIFY(!view().findChild<ui::TitleStrip *>()->isEnabled());
    QVERIFY(!titleBar()->isEnabled());
    testing::click(view().deletePanel(), "取消");
    QCOMPARE(testing::partNotAs(main, view(), true), QString());
    QVERIFY(view().findChild<ui::TitleStrip *>()->isEnabled());
    QVERIFY(titleBar()->isEnabled());
    QVERIFY(m_program->messages().isEmpty());
    QCOMPARE(m_program->install().countMain("utm1"), 3);

    testing::clickRow(view().grid(), 1); // 李四
    testing::click(&view(), "删 除");
    testing::click(view().deletePanel(), "删除");
    QCOMPARE(testing::partNotAs(main, view(), true), QString());
    QCOMPARE(m_program->messages(), QStringList{"员工已被成功删除！"});
    QCOMPARE(m_program->install().columnMain("select u1 from utm1 order by uid"), (QStringList{"张三", "王五"}));
    QCOMPARE(shown(), (QStringList{"3", "1"}));
}

// With no employee on file, 编 辑, 搜 索, 报 表 and 删 除 say so and the
// double click does nothing; 新员工 still opens its window.
void TestEmployeeList::emptyListRefusesItsCommands()
{
    m_program->execute("delete from utm1");
    testing::click(&view(), "刷 新");
    QCOMPARE(shown(), QStringList());
    for (const char *command : {"编 辑", "搜 索", "报 表", "删 除"})
        QCOMPARE(testing::runModal([&] { testing::click(&view(), command); }).window, nullptr);
    QCOMPARE(testing::runModal([&] { testing::doubleClickRow(view().grid(), 0); }).window, nullptr);
    QCOMPARE(m_program->messages(), (QStringList{kNone, kNone, kNone, kNone}));
    QVERIFY(!view().deletePanel()->isVisible());
    QCOMPARE(testing::runModal([&] { testing::click(&view(), "新员工"); }).className(), QStringLiteral("Tnew_user"));
}

QTEST_MAIN(TestEmployeeList)
#include "test_employee_list.moc"
