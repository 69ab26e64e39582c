// The analysis list view over the whole program: its columns, refresh,
// delete panel and the commands that need an analysis.
#include "DbGrid.h"
#include "DeletePanel.h"
#include "Driving.h"
#include "MessageBox.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "WindowNames.h"
#include "Windows.h"
#include "analyses/TFrame_renwu.h"

#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString kNone = QStringLiteral("请先创建销售分析");

} // namespace

class TestAnalysisList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listShowsEveryAnalysisNewestFirst();
    void refreshDropsAFilter();
    void deleteRemovesTheConfirmedAnalysisOnly();
    void emptyListRefusesItsCommands();

private:
    TFrame_renwu &view() const { return *ui::Windows::get<TFrame_renwu>(ui::names::Frame_renwu1); }
    QStringList shown() const;

    std::unique_ptr<testing::Program> m_program;
};

void TestAnalysisList::init()
{
    m_program = std::make_unique<testing::Program>();
    for (const char *customer : {"1", "2", "1"})
        m_program->insert("vtv2", {{"h1", customer}, {"h2", "打印机"}, {"h4", "2"}, {"h5", "100"}, {"h6", "200"},
                                   {"h9", "初步接触"}, {"h12", "张三"}});
    m_program->insert("atc1", {{"a1", "张三"}});
    m_program->reload();
    QTest::mouseClick(m_program->main().navigationButton("分 析"), Qt::LeftButton);
    QCOMPARE(m_program->main().currentView(), &view());
}

void TestAnalysisList::cleanup()
{
    m_program.reset();
}

QStringList TestAnalysisList::shown() const
{
    return testing::columnTexts(view().grid(), m_program->data().vtv2_all().fieldIndex("hid"));
}

void TestAnalysisList::listShowsEveryAnalysisNewestFirst()
{
    QCOMPARE(shown(), (QStringList{"3", "2", "1"}));
    ui::DbGrid *grid = view().grid();
    QStringList fields, titles;
    for (const ui::GridColumn &column : grid->columns()) {
        fields << column.field;
        titles << column.title;
        QCOMPARE(grid->columnWidth(m_program->data().vtv2_all().fieldIndex(column.field)), column.width);
    }
    QCOMPARE(fields, (QStringList{"hid", "h9", "h12", "h13", "h2", "h4", "h5", "h6", "h7", "h8"}));
    QCOMPARE(titles, (QStringList{"编号", "当前进度", "客户姓名", " ", "有意向的产品", "数量", "单价", "总计",
                                  "预计签单日", "概率"}));
    QVERIFY(testing::button(&view(), "第一条"));
}

void TestAnalysisList::refreshDropsAFilter()
{
    m_program->data().vtv2_all().filter("select * from vtv2 where h1 like 2 order by hid desc");
    QCOMPARE(shown(), QStringList{"2"});
    testing::click(&view(), "刷 新");
    QCOMPARE(shown(), (QStringList{"3", "2", "1"}));
}

// The panel disables the view and the main window's commands; its minus
// deletes the analysis it asked about, also from a filtered list.
void TestAnalysisList::deleteRemovesTheConfirmedAnalysisOnly()
{
    Ta_main &main = m_program->main();
    QCOMPARE(view().deletePanel()->objectName(), QStringLiteral("Panel15"));
    testing::click(&view(), "删 除");
    QCOMPARE(testing::partNotAs(main, view(), false), QString());
    testing::click(view().deletePanel(), "取 消");
    QCOMPARE(testing::partNotAs(main, view(), true), QString());
    QVERIFY(m_program->messages().isEmpty());

    m_program->data().vtv2_all().filter("select * from vtv2 where h1 like 1 order by hid desc");
    QVERIFY(m_program->data().vtv2_all().moveTo(1)); // hid 1
    testing::click(&view(), "删 除");
    testing::click(view().deletePanel(), "删除");
    QCOMPARE(testing::partNotAs(main, view(), true), QString());
    QCOMPARE(m_program->messages(), QStringList{"销售分析已被成功删除！"});
    QCOMPARE(m_program->install().columnMain("select hid from vtv2 order by hid"), (QStringList{"2", "3"}));
    QCOMPARE(shown(), QStringList{"3"});
}

// With no analysis on show, 删 除, 搜 索 and 报 表 say so; 跟 进 and the
// double click do nothing.
void TestAnalysisList::emptyListRefusesItsCommands()
{
    m_program->data().vtv2_all().filter("select * from vtv2 where h1 like 9 order by hid desc");
    for (const char *command : {"删 除", "搜 索", "报 表", "跟 进"})
        QCOMPARE(testing::runModal([&] { testing::click(&view(), command); }).window, nullptr);
    QCOMPARE(testing::runModal([&] { testing::doubleClickRow(view().grid(), 0); }).window, nullptr);
    QCOMPARE(m_program->messages(), (QStringList{kNone, kNone, kNone}));
    QVERIFY(!view().deletePanel()->isVisible());
}

QTEST_MAIN(TestAnalysisList)
#include "test_analysis_list.moc"
