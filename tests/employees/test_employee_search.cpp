// The employee search over the whole program: each criterion a substring of
// its column with typed text taken literally, the dates only once their
// pickers changed, and the list after a search that found nothing.
#include "DbGrid.h"
#include "Driving.h"
#include "EmployeeRows.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "WindowNames.h"
#include "Windows.h"
#include "employees/TFrame_worker.h"

#include <QDateEdit>
#include <QTest>
#include <QToolButton>

class TestEmployeeSearch : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void criteriaMatchSubstrings_data();
    void criteriaMatchSubstrings();
    void aDateCountsOnceItsPickerChanged();
    void nothingFoundLeavesTheListEmptyUntilRefreshed();

private:
    TFrame_worker &view() const { return *ui::Windows::get<TFrame_worker>(ui::names::Frame_worker1); }
    QStringList shown() const;
    // Opens the search from the list's 搜 索, runs the steps, then 搜 索.
    void search(const std::function<void(QDialog *)> &steps);

    std::unique_ptr<testing::Program> m_program;
};

void TestEmployeeSearch::init()
{
    m_program = std::make_unique<testing::Program>();
    m_program->insert("atc1", {{"a1", "客户"}});
    m_program->insert("utm1", testing::employee({{"u1", "张三"}, {"u20", "男"}, {"u15", "010-1234"},
                                                 {"u17", "2020-01-02"}, {"u18", "2020-03-04"}}));
    m_program->insert("utm1", testing::employee({{"u1", "李四"}, {"u20", "女"}, {"u15", "021-5678"},
                                                 {"u17", "2021-05-06"}}));
    m_program->insert("utm1", testing::employee({{"u1", "O'Neil"}, {"u20", "男"}, {"u15", "999"}}));
    m_program->insert("utm1", testing::employee({{"u1", "500强"}, {"u20", "女"}}));
    m_program->insert("utm1", testing::employee({{"u1", "50%强"}, {"u20", "男"}, {"u15", "1"}}));
    m_program->reload();
    QTest::mouseClick(m_program->main().navigationButton("员 工"), Qt::LeftButton);
    QCOMPARE(m_program->main().currentView(), &view());
}

void TestEmployeeSearch::cleanup()
{
    m_program.reset();
}

QStringList TestEmployeeSearch::shown() const
{
    return testing::columnTexts(view().grid(), m_program->data().utm1_all().fieldIndex("uid"));
}

void TestEmployeeSearch::search(const std::function<void(QDialog *)> &steps)
{
    const testing::Opened opened = testing::runModal([&] { testing::click(&view(), "搜 索"); }, [&](QDialog *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("搜索员工"));
        steps(w);
        testing::click(w, "搜 索");
        QVERIFY(!w->isVisible());
    });
    QVERIFY(opened);
}

void TestEmployeeSearch::criteriaMatchSubstrings_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("nothing typed: everyone, newest first") << "中文名:" << "" << QStringList{"5", "4", "3", "2", "1"};
    QTest::newRow("sex 男") << "性  别:" << "男" << QStringList{"5", "3", "1"};
    QTest::newRow("telephone 1 anywhere") << "电  话:" << "1" << QStringList{"5", "2", "1"};
    QTest::newRow("a quote is a quote") << "中文名:" << "O'Neil" << QStringList{"3"};
    QTest::newRow("a % is a %") << "中文名:" << "50%" << QStringList{"5"};
    QTest::newRow("English name, stored empty") << "英文名:" << "" << QStringList{"5", "4", "3", "2", "1"};
}

void TestEmployeeSearch::criteriaMatchSubstrings()
{
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    search([&](QDialog *w) { testing::typeInto(testing::field(w, caption), typed); });
    QCOMPARE(shown(), found);
    QVERIFY(m_program->messages().isEmpty());
}

// A date chosen in its picker restricts the search while the other date
// stays free; opened again, the window forgets the condition but its picker
// keeps the date it showed.
void TestEmployeeSearch::aDateCountsOnceItsPickerChanged()
{
    search([&](QDialog *w) { testing::field<QDateEdit>(w, "入司时间:")->setDate(QDate(2020, 1, 2)); });
    QCOMPARE(shown(), QStringList{"1"});
    testing::click(&view(), "刷 新");
    search([&](QDialog *w) {
        QCOMPARE(testing::field<QDateEdit>(w, "入司时间:")->date(), QDate(2020, 1, 2));
        testing::typeInto(testing::field(w, "性  别:"), "女");
    });
    QCOMPARE(shown(), (QStringList{"4", "2"}));
}

// "没有找到记录"; the list then holds nothing, so 编 辑 refuses until 刷 新
// lists everyone again.
void TestEmployeeSearch::nothingFoundLeavesTheListEmptyUntilRefreshed()
{
    search([&](QDialog *w) { testing::typeInto(testing::field(w, "中文名:"), "无此人"); });
    QCOMPARE(shown(), QStringList());
    QCOMPARE(testing::runModal([&] { testing::click(&view(), "编 辑"); }).window, nullptr);
    QCOMPARE(m_program->messages(), (QStringList{"没有找到记录", "请先创建员工档案"}));
    testing::click(&view(), "刷 新");
    QCOMPARE(shown(), (QStringList{"5", "4", "3", "2", "1"}));
}

QTEST_MAIN(TestEmployeeSearch)
#include "test_employee_search.moc"
