// The new- and end-activity windows, opened as the customer views open them,
// over a fresh installation; the new window reads its minute from a clock the
// tests set.
#include "DbGrid.h"
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
#include "customers/TFrame_liebiao.h"

#include <QApplication>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRadioButton>
#include <QTest>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolBar>
#include <QtTest/qtestspontaneevent.h>

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
    void pickerChangesOnlyItsPart_data();
    void pickerChangesOnlyItsPart();
    void goalsOfTheOtherTypesKeptForTheNextShowing();
    void shownAgainByTheWindowSystemKeepsWhatWasChosen();
    void opensForTheCurrentCustomer_data();
    void opensForTheCurrentCustomer();
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
    // What one column of the activities holds, in key order.
    QStringList stored(const QString &column) const;

    std::unique_ptr<testing::Program> m_program;
    std::shared_ptr<SetClock> m_clock;
};

void TestActivityForms::init()
{
    m_program = std::make_unique<testing::Program>(testing::Rows{
        {"atc1", {{"a1", "张三"}, {"a2", "Zhang"}, {"a12", "先生"}, {"a14", "1"}}},
        {"vx3", {{"mc1", "电话回访"}}},
        {"vx4", {{"mc1", "上门演示"}}},
    });
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

QStringList TestActivityForms::stored(const QString &column) const
{
    return m_program->install().columnMain(QStringLiteral("select ") + column + QStringLiteral(" from vtv1 order by eid"));
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
    QTest::addColumn<QStringList>("types"); // chosen in turn, each "type" or "type:goal of its drop-down"
    QTest::addColumn<QStringList>("columns"); // e3 e4 e5 e6 e7 e8 e9 e10 as stored

    QTest::newRow("visit") << QStringList{"拜访:上门演示"}
                           << QStringList{"2026-04-01 14:05", "14:05", "拜访", "高", "上门演示", "30天",
                                          "第一行\n第二行", "2"};
    // The goal is the one of the type chosen last: the 沟通 list was emptied on show.
    QTest::newRow("visit, then communication again")
        << QStringList{"拜访:上门演示", "沟通"}
        << QStringList{"2026-04-01 14:05", "14:05", "沟通", "高", "", "30天", "第一行\n第二行", "1"};
    QTest::newRow("communication goal kept over a visit")
        << QStringList{"沟通:电话回访", "拜访:上门演示", "沟通"}
        << QStringList{"2026-04-01 14:05", "14:05", "沟通", "高", "电话回访", "30天", "第一行\n第二行", "1"};
    QTest::newRow("plan") << QStringList{"计划"}
                          << QStringList{"2026-04-01 14:05", "14:05", "计划", "高", "", "30天", "第一行\n第二行", "3"};
}

void TestActivityForms::everyFieldAsChosen()
{
    QFETCH(QStringList, types);
    QFETCH(QStringList, columns);

    QVERIFY(newActivity([&](QDialog *w) {
        for (const QString &step : types) {
            const QStringList typeAndGoal = step.split(u':');
            QTest::mouseClick(type(w, typeAndGoal.first()), Qt::LeftButton);
            if (typeAndGoal.size() > 1)
                QVERIFY(testing::choose(testing::field<QComboBox>(w, "目 标:"), typeAndGoal.last()));
        }
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
    QStringList row = stored(QStringLiteral("e3||'|'||e4||'|'||e5||'|'||e6||'|'||e7||'|'||e8||'|'||e9||'|'||e10"));
    QCOMPARE(row.size(), 1);
    QCOMPARE(row.first().split(u'|'), columns);
    // The customer the list showed when the program had just started.
    QCOMPARE(stored("e2||'|'||e11||'|'||e12||'|'||e13"), QStringList{"1|张三|Zhang|先生"});
}

void TestActivityForms::pickerChangesOnlyItsPart_data()
{
    QTest::addColumn<QString>("picker");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("e3");
    QTest::addColumn<QString>("e4");
    QTest::newRow("time only") << "时 间:" << "14:05" << "2026-03-05 14:05" << "14:05";
    QTest::newRow("date only") << "日 期:" << "2026-04-01" << "2026-04-01 09:30" << "09:30";
}

// The part of the other picker stays the one of the minute the window was shown.
void TestActivityForms::pickerChangesOnlyItsPart()
{
    QFETCH(QString, picker);
    QFETCH(QString, typed);
    QFETCH(QString, e3);
    QFETCH(QString, e4);
    QVERIFY(newActivity([&](QDialog *w) {
        auto *edit = testing::field<QDateTimeEdit>(w, picker);
        edit->setFocus();
        const QStringList parts = typed.split(QRegularExpression(QStringLiteral("[-:]")));
        for (int section = 0; section < parts.size(); ++section) { // each part selected, then typed over
            edit->setSelectedSection(edit->sectionAt(section));
            QTest::keyClicks(edit, parts.at(section));
        }
        QCOMPARE(edit->text(), typed);
        m_clock->at = m_clock->at.addDays(3);
        testing::click(w, "确定");
    }));
    QCOMPARE(stored("e3||'|'||e4"), QStringList{e3 + u'|' + e4});
}

// Every showing empties the goal of 沟通; the goals of 拜访 and 计划 stay as
// they were last chosen. Nothing is written on 取消.
void TestActivityForms::goalsOfTheOtherTypesKeptForTheNextShowing()
{
    QVERIFY(newActivity([&](QDialog *w) {
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "目 标:"), "电话回访"));
        QTest::mouseClick(type(w, "拜访"), Qt::LeftButton);
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "目 标:"), "上门演示"));
        testing::click(w, "取消");
    }));
    QVERIFY(stored("eid").isEmpty());
    QVERIFY(newActivity([&](QDialog *w) {
        QVERIFY(type(w, "沟通")->isChecked());
        QCOMPARE(testing::shownText(testing::field(w, "目 标:")), QString());
        QTest::mouseClick(type(w, "拜访"), Qt::LeftButton);
        QCOMPARE(testing::shownText(testing::field(w, "目 标:")), QStringLiteral("上门演示"));
        testing::click(w, "确定");
    }));
    QCOMPARE(stored("e5||e7"), QStringList{"拜访上门演示"});
}

// Shown again by the window system (the program minimized and restored while
// the window is open): what was chosen stays, the minute too.
void TestActivityForms::shownAgainByTheWindowSystemKeepsWhatWasChosen()
{
    QVERIFY(newActivity([&](QDialog *w) {
        QTest::mouseClick(type(w, "拜访"), Qt::LeftButton);
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "目 标:"), "上门演示"));
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "优 先 级:"), "高"));
        auto *details = w->findChild<QTextEdit *>("Memo1");
        details->clear();
        testing::typeInto(details, "带样品");
        m_clock->at = m_clock->at.addSecs(3600);
        QShowEvent restored;
        QSpontaneKeyEvent::setSpontaneous(&restored);
        QApplication::instance()->notify(w, &restored);
        testing::click(w, "确定");
    }));
    QCOMPARE(stored("e3||'|'||e5||'|'||e6||'|'||e7||'|'||e9||'|'||e10"),
             QStringList{"2026-03-05 09:30|拜访|高|上门演示|带样品|2"});
}

void TestActivityForms::opensForTheCurrentCustomer_data()
{
    QTest::addColumn<bool>("fromDetail"); // the detail view's toolbar, else the customer list
    QTest::newRow("customer list 新活动") << false;
    QTest::newRow("detail view 新活动") << true;
}

// The window is for the customer chosen in the list, not the first one, and
// shows the names as they are stored.
void TestActivityForms::opensForTheCurrentCustomer()
{
    QFETCH(bool, fromDetail);
    m_program->insert("atc1", {{"a1", "<b>李</b>四"}, {"a2", "<i>Li</i>"}, {"a12", "女士"}, {"a14", "1"}});
    m_program->insert("atc1", {{"a1", "王五"}, {"a2", "Wang"}, {"a12", "先生"}, {"a14", "1"}});
    m_program->reload(); // newest first: 王五, 李四, 张三
    TFrame_liebiao *list = m_program->main().Frame_liebiao1;
    testing::clickRow(list->grid(), 1);
    QCOMPARE(m_program->data().atc1_all().field("a1"), QStringLiteral("<b>李</b>四"));
    const auto command = [&] {
        if (!fromDetail) {
            testing::click(list, "新活动");
            return;
        }
        testing::doubleClickRow(list->grid(), 1);
        TFrame_lianxiren *detail = m_program->main().Frame_lianxiren1;
        QCOMPARE(m_program->main().currentView(), detail);
        testing::click(detail->findChild<QToolBar *>(), "新活动");
    };

    QStringList shown;
    QVERIFY(testing::runModal(command, [&](QDialog *w) {
        for (const QLabel *label : w->findChild<QGroupBox *>()->findChildren<QLabel *>()) {
            QCOMPARE(label->textFormat(), Qt::PlainText);
            shown << label->text();
        }
        testing::click(w, "确定");
    }));
    QCOMPARE(shown, (QStringList{"<b>李</b>四", "女士", "<i>Li</i>"}));
    QCOMPARE(stored("e2||'|'||e11||'|'||e12||'|'||e13"), QStringList{"2|<b>李</b>四|<i>Li</i>|女士"});
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
    QStringList shown;

    QVERIFY(testing::runModal([&] { ui::openForRow(ui::names::Tover_sell, activities); }, [&](QDialog *w) {
        QCOMPARE(testing::shownText(testing::field(w, "销售活动")),
                 QStringLiteral("与张三先生于2026-01-05 09:30 进行的销售活动."));
        QCOMPARE(testing::field<QLabel>(w, "销售活动")->textFormat(), Qt::PlainText);
        for (const char *caption : {"活动类型:", "目    标:", "持续时间:", "优 先 级:"})
            shown << testing::shownText(testing::field(w, caption));
        auto *details = w->findChild<QTextEdit *>("Memo1");
        QVERIFY(details->isReadOnly());
        QCOMPARE(details->toPlainText(), QStringLiteral("带<b>样品</b>"));
        testing::click(w, "取消");
    }));
    QCOMPARE(shown, (QStringList{"拜访", "上门演示", "1小时", "高"}));
    QCOMPARE(m_program->install().columnMain(kColumns), before);
    QVERIFY(m_program->messages().isEmpty());

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
