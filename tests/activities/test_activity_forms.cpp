// The new- and end-activity windows, opened as the customer views open them,
// over a fresh installation; the new window reads its minute from a clock the
// tests set.
#include "Driving.h"
#include "MessageBox.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "Tone.h"
#include "WindowNames.h"
#include "Windows.h"
#include "activities/PopupNotifier.h"
#include "activities/Tnew_sell.h"
#include "customers/TFrame_lianxiren.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTimeEdit>

namespace {

// Every written column of each activity, e2 to e15, one line per activity in key order.
const QString kColumns = QStringLiteral("select e2||'|'||e3||'|'||e4||'|'||e5||'|'||e6||'|'||e7||'|'||e8||'|'||e9||'|'||"
                                        "e10||'|'||e11||'|'||e12||'|'||e13||'|'||e14||'|'||e15 from vtv1 order by eid");

class SetClock : public activities::Clock {
public:
    QDateTime at;
    QDateTime now() const override { return at; }
};

} // namespace

class TestActivityForms : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void savedAtOnceKeepsTheDefaults();
    void everyFieldAsChosen_data();
    void everyFieldAsChosen();
    void priorityAndDurationRefuseTyping();
    void goalButtonOpensTheEditorOfTheType_data();
    void goalButtonOpensTheEditorOfTheType();
    void refusedInsertKeepsTheWindowOpen();
    void endingChangesOnlyTheStatusOfThatActivity();

private:
    Tnew_sell *window() const { return ui::Windows::get<Tnew_sell>(ui::names::Tnew_sell); }
    // Opens the new-activity window through the customer list's 新活动.
    testing::Opened newActivity(const std::function<void(QDialog *)> &steps);
    QRadioButton *type(QDialog *w, const QString &name) const;

    std::unique_ptr<testing::Program> m_program;
    std::shared_ptr<SetClock> m_clock;
};

void TestActivityForms::init()
{
    m_program = std::make_unique<testing::Program>();
    m_program->insert("atc1", {{"a1", "张三"}, {"a2", "Zhang"}, {"a12", "先生"}, {"a14", "1"}});
    m_program->insert("vx3", {{"mc1", "电话回访"}});
    m_program->insert("vx4", {{"mc1", "上门演示"}});
    m_program->reload();
    m_clock = std::make_shared<SetClock>();
    m_clock->at = QDateTime(QDate(2026, 3, 5), QTime(9, 30, 41));
    window()->setClock(m_clock);
    ui::setTonesMuted(true);
}

void TestActivityForms::cleanup()
{
    m_program.reset();
}

testing::Opened TestActivityForms::newActivity(const std::function<void(QDialog *)> &steps)
{
    QWidget *list = ui::Windows::get<QWidget>(ui::names::Frame_liebiao1);
    return testing::runModal([&] { testing::click(list, "新活动"); }, steps);
}

QRadioButton *TestActivityForms::type(QDialog *w, const QString &name) const
{
    for (QRadioButton *b : w->findChildren<QRadioButton *>())
        if (b->text() == name)
            return b;
    return nullptr;
}

// Saved without touching a field: the minute the window was shown and the
// record's defaults, the notice, and the customer's activities in front.
void TestActivityForms::savedAtOnceKeepsTheDefaults()
{
    const testing::Opened opened = newActivity([&](QDialog *w) {
        QCOMPARE(testing::shownText(testing::field(w, "您选中的客户")), QStringLiteral("张三"));
        m_clock->at = m_clock->at.addSecs(120); // the minute is the one it was shown in
        testing::click(w, "确定");
    });
    QVERIFY(opened);
    QCOMPARE(opened.className(), QStringLiteral("Tnew_sell"));
    const QStringList defaults{"1", "2026-03-05 09:30", "09:30", "沟通", "中", "", "1小时",
                               "对此销售活动的一些描述......", "1", "张三", "Zhang", "先生", "0", "正常"};
    QCOMPARE(m_program->install().columnMain(kColumns), QStringList{defaults.join(u'|')});
    QCOMPARE(m_program->data().vtv1_all().count(), 1);
    const QList<activities::Notice *> notices = window()->notifier().notices();
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices.first()->title(), QStringLiteral("新销售活动"));
    QCOMPARE(notices.first()->text(), QStringLiteral("\n添加了新的沟通活动,努力！\n\n"));
    auto *detail = ui::Windows::get<TFrame_lianxiren>(ui::names::Frame_lianxiren1);
    QCOMPARE(m_program->main().currentView(), detail);
    QCOMPARE(detail->currentTab(), TFrame_lianxiren::Tab::Activities);
    QVERIFY(m_program->messages().isEmpty());
}

void TestActivityForms::everyFieldAsChosen_data()
{
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QString>("goal");     // chosen in the drop-down of that type
    QTest::addColumn<QString>("backTo");   // a type chosen afterwards, or none
    QTest::addColumn<QStringList>("stored"); // e3 e4 e5 e6 e7 e8 e9 e10

    QTest::newRow("visit, every field") << "拜访" << "上门演示" << ""
                                        << QStringList{"2026-04-01 14:05", "14:05", "拜访", "高", "上门演示", "30天",
                                                       "第一行\n第二行", "2"};
    // The goal is the one of the type chosen last: the 沟通 list was emptied on show.
    QTest::newRow("visit, then communication again") << "拜访" << "上门演示" << "沟通"
                                                     << QStringList{"2026-04-01 14:05", "14:05", "沟通", "高", "",
                                                                    "30天", "第一行\n第二行", "1"};
    QTest::newRow("plan") << "计划" << "" << ""
                          << QStringList{"2026-04-01 14:05", "14:05", "计划", "高", "", "30天", "第一行\n第二行", "3"};
}

void TestActivityForms::everyFieldAsChosen()
{
    QFETCH(QString, typeName);
    QFETCH(QString, goal);
    QFETCH(QString, backTo);
    QFETCH(QStringList, stored);

    QVERIFY(newActivity([&](QDialog *w) {
        QTest::mouseClick(type(w, typeName), Qt::LeftButton);
        if (!goal.isEmpty())
            QVERIFY(testing::choose(testing::field<QComboBox>(w, "目 标:"), goal));
        if (!backTo.isEmpty())
            QTest::mouseClick(type(w, backTo), Qt::LeftButton);
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "优 先 级:"), "高"));
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "持续时间:"), "30天"));
        auto *date = testing::field<QDateEdit>(w, "日 期:");
        date->setDate(QDate(2026, 4, 1));
        auto *time = testing::field<QTimeEdit>(w, "时 间:");
        time->setTime(QTime(14, 5));
        auto *details = w->findChild<QTextEdit *>("Memo1");
        details->clear();
        testing::typeInto(details, "第一行\n第二行");
        testing::click(w, "确定");
    }));
    QStringList row = m_program->install().columnMain(
        "select e3 || '|' || e4 || '|' || e5 || '|' || e6 || '|' || e7 || '|' || e8 || '|' || e9 || '|' || e10 from vtv1");
    QCOMPARE(row.size(), 1);
    QCOMPARE(row.first().split(u'|'), stored);
}

// Typing into the priority and duration beeps and changes nothing; Backspace
// shortens what is shown, down to nothing, and that is what is stored.
void TestActivityForms::priorityAndDurationRefuseTyping()
{
    QVERIFY(newActivity([&](QDialog *w) {
        auto *priority = testing::field<QComboBox>(w, "优 先 级:");
        auto *duration = testing::field<QComboBox>(w, "持续时间:");
        const int tones = ui::toneCount();
        QTest::keyClicks(priority->lineEdit(), "x");
        QCOMPARE(priority->currentText(), QStringLiteral("中"));
        QCOMPARE(ui::toneCount(), tones + 1);
        QCOMPARE(ui::lastToneHertz(), 880);
        QCOMPARE(ui::lastToneMilliseconds(), 100);
        duration->lineEdit()->end(false);
        QTest::keyClick(duration->lineEdit(), Qt::Key_Backspace);
        QCOMPARE(duration->currentText(), QStringLiteral("1小"));
        priority->lineEdit()->end(false);
        QTest::keyClick(priority->lineEdit(), Qt::Key_Backspace);
        testing::click(w, "确定");
    }));
    QCOMPARE(m_program->install().columnMain("select e6 || '|' || e8 from vtv1"), QStringList{"|1小"});
}

void TestActivityForms::goalButtonOpensTheEditorOfTheType_data()
{
    QTest::addColumn<QString>("typeName");
    QTest::addColumn<QString>("editor");
    QTest::newRow("沟通") << "沟通" << "Tlist_goutong";
    QTest::newRow("拜访") << "拜访" << "Tlist_baifang";
    QTest::newRow("计划") << "计划" << "Tlist_jihua";
}

void TestActivityForms::goalButtonOpensTheEditorOfTheType()
{
    QFETCH(QString, typeName);
    QFETCH(QString, editor);
    QString opened;
    QVERIFY(newActivity([&](QDialog *w) {
        QTest::mouseClick(type(w, typeName), Qt::LeftButton);
        opened = testing::runModal([&] { testing::click(w, "编辑目标"); }).className();
        testing::click(w, "取消");
    }));
    QCOMPARE(opened, editor);
    QVERIFY(m_program->install().columnMain("select eid from vtv1").isEmpty());
}

// A write the file refuses is shown, nothing is written, nothing announced,
// and the window stays open with what was typed.
void TestActivityForms::refusedInsertKeepsTheWindowOpen()
{
    m_program->execute("create trigger refuse before insert on vtv1 begin select raise(abort, 'refused'); end");
    bool stillOpen = false;
    QVERIFY(newActivity([&](QDialog *w) {
        testing::click(w, "确定");
        stillOpen = w->isVisible();
        testing::click(w, "取消");
    }));
    QVERIFY(stillOpen);
    QCOMPARE(m_program->messages().size(), 1);
    QVERIFY(m_program->messages().first().contains("refused"));
    QVERIFY(window()->notifier().notices().isEmpty());
    QVERIFY(m_program->install().columnMain("select eid from vtv1").isEmpty());
}

// 结束 sets the status of the activity the window was opened for and of no
// other, leaving every other column; 取消 writes nothing.
void TestActivityForms::endingChangesOnlyTheStatusOfThatActivity()
{
    for (const char *minute : {"2026-01-05 09:30", "2026-01-06 10:00"})
        m_program->insert("vtv1", {{"e2", "1"}, {"e3", minute}, {"e4", "09:30"}, {"e5", "拜访"}, {"e6", "高"},
                                   {"e7", "上门演示"}, {"e8", "1小时"}, {"e9", "带<b>样品</b>"}, {"e10", "2"},
                                   {"e11", "张三"}, {"e12", "Zhang"}, {"e13", "先生"}, {"e14", "0"}, {"e15", "正常"}});
    m_program->reload(); // latest first: eid 2 current
    const QStringList before = m_program->install().columnMain(kColumns);
    data::StandingQuery &activities = m_program->data().vtv1_all();
    QVERIFY(activities.moveTo(1)); // eid 1

    QVERIFY(testing::runModal([&] { ui::openForRow(ui::names::Tover_sell, activities); }, [&](QDialog *w) {
        QCOMPARE(testing::shownText(testing::field(w, "销售活动")),
                 QStringLiteral("与张三先生于2026-01-05 09:30 进行的销售活动."));
        QCOMPARE(testing::shownText(testing::field(w, "目    标:")), QStringLiteral("上门演示"));
        testing::click(w, "取消");
    }));
    QCOMPARE(m_program->install().columnMain(kColumns), before);

    QVERIFY(testing::runModal([&] { ui::openForRow(ui::names::Tover_sell, activities); }, [&](QDialog *w) {
        activities.moveTo(0); // the list moved meanwhile: the window still ends its own activity
        testing::click(w, "结束");
    }));
    QCOMPARE(m_program->install().columnMain("select eid || e15 from vtv1 order by eid"),
             (QStringList{"1已结束", "2正常"}));
    QStringList expected = before;
    expected[0].replace(QStringLiteral("|正常"), QStringLiteral("|已结束"));
    QCOMPARE(m_program->install().columnMain(kColumns), expected);
    QCOMPARE(m_program->messages(), QStringList{"成功结束销售活动"});
}

QTEST_MAIN(TestActivityForms)
#include "test_activity_forms.moc"
