// The activity list view and the activity search over the whole program: the
// type filter, ending, deleting and searching, with rows on file.
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
#include "activities/TFrame_jihua.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace {

const QString kNone = QStringLiteral("请先创建销售活动");

// eid, e3, e5, e11, e15 of each activity on file, in key order.
struct Activity {
    const char *minute;
    const char *type;
    const char *name;
    const char *status;
};
const Activity kActivities[] = {
    {"2026-01-05 09:30", "拜访", "张三", "正常"},
    {"2026-02-01 10:00", "沟通", "李四", "正常"},
    {"2026-01-20 08:00", "拜访", "王五", "已结束"},
    {"2026-03-01 16:45", "计划", "100%'_\\张", "正常"},
};

} // namespace

class TestActivityList : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void listShowsEveryActivityLatestFirst();
    void typeFilter_data();
    void typeFilter();
    void endingOpensOnlyForAnActivityNotEnded();
    void deleteRemovesTheConfirmedActivityOnly();
    void emptyListRefusesItsCommands();
    void search_data();
    void search();
    void searchWithoutTypeDoesNothing();
    void dateIsAConditionOnlyOnceChanged();

private:
    TFrame_jihua &view() const { return *ui::Windows::get<TFrame_jihua>(ui::names::Frame_jihua1); }
    QStringList shown(const QString &column = QStringLiteral("eid")) const;
    // Runs 搜 索 of the view with the steps in the search window.
    void runSearch(const std::function<void(QDialog *)> &steps);

    std::unique_ptr<testing::Program> m_program;
};

void TestActivityList::init()
{
    m_program = std::make_unique<testing::Program>();
    for (const Activity &a : kActivities)
        m_program->insert("vtv1", {{"e2", "1"}, {"e3", a.minute}, {"e4", QString(a.minute).mid(11)}, {"e5", a.type},
                                   {"e6", "中"}, {"e7", ""}, {"e8", "1小时"}, {"e9", ""}, {"e11", a.name},
                                   {"e12", "E"}, {"e13", "先生"}, {"e15", a.status}});
    m_program->insert("atc1", {{"a1", "张三"}});
    m_program->reload();
    QTest::mouseClick(m_program->main().navigationButton("活 动"), Qt::LeftButton);
    QCOMPARE(m_program->main().currentView(), &view());
}

void TestActivityList::cleanup()
{
    m_program.reset();
}

QStringList TestActivityList::shown(const QString &column) const
{
    return testing::columnTexts(view().grid(), m_program->data().vtv1_all().fieldIndex(column));
}

void TestActivityList::runSearch(const std::function<void(QDialog *)> &steps)
{
    QVERIFY(testing::runModal([&] { testing::click(&view(), "搜 索"); }, steps));
}

// The ten columns with their titles, in their order, over every activity,
// latest scheduled first.
void TestActivityList::listShowsEveryActivityLatestFirst()
{
    QCOMPARE(shown(), (QStringList{"4", "2", "3", "1"}));
    ui::DbGrid *grid = view().grid();
    QStringList fields, titles;
    for (int visual = 0; visual < int(grid->columns().size()); ++visual) {
        fields << grid->columns()[size_t(visual)].field;
        titles << grid->columns()[size_t(visual)].title;
        const int logical = m_program->data().vtv1_all().fieldIndex(fields.last());
        QCOMPARE(grid->horizontalHeader()->visualIndex(logical), visual);
        QCOMPARE(grid->columnWidth(logical), grid->columns()[size_t(visual)].width);
    }
    QCOMPARE(fields, (QStringList{"eid", "e15", "e5", "e3", "e11", "e13", "e12", "e7", "e8", "e6"}));
    QCOMPARE(titles, (QStringList{"编号", "状态", "活动类型", "日期时间", "", " 客户", "", "目标", "持续时间", "优先级"}));
    QCOMPARE(view().typeFilter()->currentText(), QStringLiteral("全部"));
    // A notch of the wheel steps one activity down, the other way one up.
    data::StandingQuery &activities = m_program->data().vtv1_all();
    QCOMPARE(activities.currentRow(), 0);
    testing::turnWheel(grid->viewport(), QPoint(0, -120));
    QCOMPARE(activities.currentRow(), 1);
    testing::turnWheel(grid->viewport(), QPoint(0, 120));
    QCOMPARE(activities.currentRow(), 0);
    QCOMPARE(grid->verticalScrollBar()->value(), 0);
}

void TestActivityList::typeFilter_data()
{
    QTest::addColumn<QStringList>("typed"); // typed one after the other; each step filters or not
    QTest::addColumn<QStringList>("eids");
    QTest::newRow("visits, latest first") << QStringList{"拜访"} << QStringList{"3", "1"};
    QTest::newRow("visits, then all") << QStringList{"拜访", "全部"} << QStringList{"4", "2", "3", "1"};
    QTest::newRow("a part changes nothing") << QStringList{"计划", "拜"} << QStringList{"4"};
    QTest::newRow("completed, it filters") << QStringList{"计划", "拜", "拜访"} << QStringList{"3", "1"};
}

void TestActivityList::typeFilter()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, eids);
    QComboBox *filter = view().typeFilter();
    for (const QString &text : typed)
        testing::retype(filter, text);
    QCOMPARE(shown(), eids);
    // 刷 新 lists everything again; the filter keeps its text.
    const QString text = filter->currentText();
    testing::click(&view(), "刷 新");
    QCOMPARE(shown(), (QStringList{"4", "2", "3", "1"}));
    QCOMPARE(filter->currentText(), text);
}

// 结 束 and the double click hand the current activity to the end window,
// unless it has ended already.
void TestActivityList::endingOpensOnlyForAnActivityNotEnded()
{
    data::StandingQuery &activities = m_program->data().vtv1_all();
    QVERIFY(activities.moveTo(2)); // eid 3, ended
    QCOMPARE(testing::runModal([&] { testing::click(&view(), "结 束"); }).window, nullptr);
    QCOMPARE(testing::runModal([&] { testing::doubleClickRow(view().grid(), 2); }).window, nullptr);

    QVERIFY(activities.moveTo(1)); // eid 2
    QString sentence;
    QVERIFY(testing::runModal([&] { testing::doubleClickRow(view().grid(), 1); }, [&](QDialog *w) {
        sentence = testing::shownText(testing::field(w, "销售活动"));
        testing::click(w, "结束");
    }));
    QCOMPARE(sentence, QStringLiteral("与李四先生于2026-02-01 10:00 进行的销售活动."));
    QCOMPARE(m_program->install().columnMain("select e15 from vtv1 where eid = 2"), QStringList{"已结束"});
    QCOMPARE(shown("e15"), (QStringList{"正常", "已结束", "已结束", "正常"}));
}

// The panel disables the view and the main window's commands; its minus
// deletes the activity it asked about, and no other row of any table.
void TestActivityList::deleteRemovesTheConfirmedActivityOnly()
{
    Ta_main &main = m_program->main();
    QVERIFY(m_program->data().vtv1_all().moveTo(1)); // eid 2
    testing::click(&view(), "删 除");
    QCOMPARE(testing::partNotAs(main, view(), false), QString());
    testing::click(view().deletePanel(), "取 消");
    QCOMPARE(testing::partNotAs(main, view(), true), QString());
    QCOMPARE(m_program->install().countMain("vtv1"), 4);

    testing::click(&view(), "删 除");
    testing::click(view().deletePanel(), "删除");
    QCOMPARE(testing::partNotAs(main, view(), true), QString());
    QCOMPARE(m_program->messages(), QStringList{"销售活动已被成功删除！"});
    QCOMPARE(m_program->install().columnMain("select eid from vtv1 order by eid"), (QStringList{"1", "3", "4"}));
    QCOMPARE(m_program->install().countMain("atc1"), 1);
    QCOMPARE(shown(), (QStringList{"4", "3", "1"}));
}

// Deleting the last activity leaves an empty list: 删 除, 搜 索 and 报 表
// answer that there is none, 结 束 does nothing.
void TestActivityList::emptyListRefusesItsCommands()
{
    m_program->execute("delete from vtv1 where eid <> 1");
    testing::click(&view(), "刷 新");
    testing::click(&view(), "删 除");
    testing::click(view().deletePanel(), "删除");
    QCOMPARE(m_program->install().countMain("vtv1"), 0);
    ui::MessageBox::clearShown();
    for (const char *command : {"删 除", "搜 索", "报 表", "结 束"}) {
        QCOMPARE(testing::runModal([&] { testing::click(&view(), command); }).window, nullptr);
    }
    QCOMPARE(m_program->messages(), (QStringList{kNone, kNone, kNone}));
    QVERIFY(!view().deletePanel()->isVisible());
}

void TestActivityList::search_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("eids");
    QTest::newRow("visits, nothing else") << "拜访" << "" << QStringList{"3", "1"};
    QTest::newRow("one character of the name") << "拜访" << "五" << QStringList{"3"};
    QTest::newRow("quote, percent and underscore are themselves") << "计划" << "100%'_\\" << QStringList{"4"};
    QTest::newRow("a percent matches only a percent") << "沟通" << "%" << QStringList();
    QTest::newRow("an underscore only an underscore") << "拜访" << "_" << QStringList();
}

// The conditions are substrings, the typed text literal, newest key first;
// the list's filter keeps its text.
void TestActivityList::search()
{
    QFETCH(QString, type);
    QFETCH(QString, name);
    QFETCH(QStringList, eids);
    runSearch([&](QDialog *w) {
        auto *button = w->findChild<QRadioButton *>(); // every type button is there
        for (QRadioButton *b : w->findChildren<QRadioButton *>())
            button = b->text() == type ? b : button;
        QTest::mouseClick(button, Qt::LeftButton);
        testing::typeInto(testing::field(w, "客户名(中文):"), name);
        testing::click(w, "搜 索");
    });
    QCOMPARE(shown(), eids);
    QVERIFY(m_program->messages().isEmpty()); // nothing found says nothing
    QCOMPARE(view().typeFilter()->currentText(), QStringLiteral("全部"));
}

void TestActivityList::searchWithoutTypeDoesNothing()
{
    bool stillOpen = false;
    runSearch([&](QDialog *w) {
        testing::typeInto(testing::field(w, "客户名(中文):"), "张");
        testing::click(w, "搜 索");
        stillOpen = w->isVisible();
        w->reject();
    });
    QVERIFY(stillOpen);
    QCOMPARE(shown(), (QStringList{"4", "2", "3", "1"}));
}

// The picker shows today but is no condition until it is changed; the next
// showing forgets the day chosen.
void TestActivityList::dateIsAConditionOnlyOnceChanged()
{
    const auto searchVisits = [&](const QDate &day) {
        runSearch([&](QDialog *w) {
            for (QRadioButton *b : w->findChildren<QRadioButton *>())
                if (b->text() == QStringLiteral("拜访"))
                    QTest::mouseClick(b, Qt::LeftButton);
            auto *date = testing::field<QDateEdit>(w, "日 期:");
            QCOMPARE(date->date(), QDate::currentDate());
            if (day.isValid())
                date->setDate(day);
            testing::click(w, "搜 索");
        });
    };
    searchVisits(QDate(2026, 1, 20));
    QCOMPARE(shown(), QStringList{"3"});
    searchVisits(QDate());
    QCOMPARE(shown(), (QStringList{"3", "1"}));
}

QTEST_MAIN(TestActivityList)
#include "test_activity_list.moc"
