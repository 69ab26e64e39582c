// The activity reminder over the whole program: which activities are
// announced when, one reminder window at a time, what the window and its
// notice show, and where closing it leads. The time comes from a clock the
// tests set; a tick is the poll the timer would run.
#include "AudioOut.h"
#include "Driving.h"
#include "activities/PopupNotifier.h"
#include "Program.h"
#include "activities/ReminderPoll.h"
#include "Sound.h"
#include "TData_in.h"
#include "Ta_about.h"
#include "Ta_main.h"
#include "activities/Tring.h"
#include "WindowNames.h"
#include "Windows.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

namespace {

const QString kDay = QStringLiteral("2024-01-05 ");

// A wall clock that shows what the test sets.
class SetClock : public activities::Clock {
public:
    QDateTime at;
    QDateTime now() const override { return at; }
};

QDateTime timeOf(const QString &time)
{
    const QString format = time.count(u':') == 1 ? QStringLiteral("yyyy-MM-dd HH:mm") : QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");
    QString text = kDay + time;
    if (time.count(u':') == 2 && !time.contains(u'.'))
        text += QStringLiteral(".000");
    return QDateTime::fromString(text, format);
}

Tring *openReminder()
{
    auto *ring = qobject_cast<Tring *>(QApplication::activeModalWidget());
    return ring && ring->isVisible() ? ring : nullptr;
}

QString sentenceIn(Tring *ring)
{
    return testing::shownText(testing::field(ring, QStringLiteral("提醒")));
}

} // namespace

class TestReminders : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void lateTickLooksAtTheMinutesItSkipped();
    void longStretchIsLookedAtAsWell();
    void nextTickComesJustAfterTheMinuteTurns_data();
    void nextTickComesJustAfterTheMinuteTurns();
    void clockSetBackAnnouncesNothingTwice();
    void everyActivityOfAMinuteOneWindowAtATime();
    void dueWhileAWindowIsOpenComesAfterIt();
    void endedActivityIsNotAnnounced();
    void windowShowsTheActivityAndLeadsToTheList_data();
    void windowShowsTheActivityAndLeadsToTheList();
    void announcedWithoutSoundFileOrAudioDevice_data();
    void announcedWithoutSoundFileOrAudioDevice();
    void noticeIsClickedAwayWhileTheWindowIsOpen();
    void announcedWhileTheAboutWindowIsOpen();

private:
    activities::ReminderPoll &poll() const;
    qint64 activity(const QString &time, const QString &name, const QVariant &status = QStringLiteral("正常"));
    // Runs a command and answers every reminder window it brings up, one
    // after the other: `inside` runs in the window, then `closeWith` closes
    // it. Returns the sentences of the windows in the order they came.
    QStringList answer(const std::function<void()> &command, const std::function<void(Tring *)> &inside = {},
                       const QString &closeWith = QStringLiteral("确定"));
    // The clock set to that time of the day, one tick, every window answered.
    QStringList tick(const QString &time, const std::function<void(Tring *)> &inside = {});
    static QString said(const QString &time, const QString &name);

    std::unique_ptr<testing::Program> m_program;
    std::shared_ptr<SetClock> m_clock;
};

void TestReminders::init()
{
    m_program = std::make_unique<testing::Program>();
    m_clock = std::make_shared<SetClock>();
    m_clock->at = timeOf(QStringLiteral("09:29:50"));
    poll().setClock(m_clock);
}

void TestReminders::cleanup()
{
    ui::audio::setOutputAbsent(false);
    m_program.reset();
}

activities::ReminderPoll &TestReminders::poll() const
{
    return ui::Windows::get<Ta_about>(ui::names::Ta_about)->reminder();
}

qint64 TestReminders::activity(const QString &time, const QString &name, const QVariant &status)
{
    return m_program->insert("vtv1", {{"e2", "1"}, {"e3", kDay + time}, {"e4", time}, {"e5", "拜访"}, {"e11", name},
                                      {"e13", "先生"}, {"e7", "签合同"}, {"e15", status}});
}

QStringList TestReminders::answer(const std::function<void()> &command, const std::function<void(Tring *)> &inside,
                                  const QString &closeWith)
{
    QStringList sentences;
    bool busy = false;
    QTimer watch;
    watch.setInterval(0);
    connect(&watch, &QTimer::timeout, this, [&] {
        Tring *ring = busy ? nullptr : openReminder();
        if (!ring)
            return;
        busy = true;
        sentences << sentenceIn(ring);
        if (inside)
            inside(ring);
        if (ring->isVisible())
            testing::click(ring, closeWith);
        busy = false;
    });
    watch.start();
    command();
    watch.stop();
    return sentences;
}

QStringList TestReminders::tick(const QString &time, const std::function<void(Tring *)> &inside)
{
    m_clock->at = timeOf(time);
    return answer([this] { poll().poll(); }, inside);
}

QString TestReminders::said(const QString &time, const QString &name)
{
    return QStringLiteral("将在") + kDay + time + QStringLiteral("对") + name + QStringLiteral("先生进行销售活动。");
}

// A tick that comes late looks at every minute since the last one; one that
// comes early looks at none. The minute the program started in is looked at
// by the first tick, the minutes before it never.
void TestReminders::lateTickLooksAtTheMinutesItSkipped()
{
    activity("09:28", "戊");
    activity("09:29", "甲");
    activity("09:30", "乙");
    activity("09:31", "丙");
    activity("09:32", "丁");
    QCOMPARE(tick("09:30:02"), (QStringList{said("09:29", "甲"), said("09:30", "乙")}));
    QCOMPARE(tick("09:30:59.950"), QStringList());
    QCOMPARE(tick("09:32:05"), (QStringList{said("09:31", "丙"), said("09:32", "丁")}));
    QCOMPARE(tick("09:33:00.100"), QStringList());
}

// Ticks that stop for a day (the computer slept) leave no minute of the
// stretch unlooked at when they come again.
void TestReminders::longStretchIsLookedAtAsWell()
{
    activity("09:45", "甲");
    activity("23:59", "乙");
    activity("10:0", "丙"); // not a minute
    m_program->insert("vtv1", {{"e3", "2024-01-06 08:00"}, {"e11", "丁"}, {"e13", "先生"}, {"e15", "正常"}});
    m_program->insert("vtv1", {{"e3", "2024-01-06 09:01"}, {"e11", "戊"}, {"e13", "先生"}, {"e15", "正常"}});
    QCOMPARE(tick("09:30:02"), QStringList());
    m_clock->at = QDateTime::fromString("2024-01-06 09:00:05", "yyyy-MM-dd HH:mm:ss");
    QCOMPARE(answer([this] { poll().poll(); }),
             (QStringList{said("09:45", "甲"), said("23:59", "乙"),
                          QStringLiteral("将在2024-01-06 08:00对丁先生进行销售活动。")}));
    m_clock->at = QDateTime::fromString("2024-01-06 09:01:00", "yyyy-MM-dd HH:mm:ss");
    QCOMPARE(answer([this] { poll().poll(); }), QStringList{QStringLiteral("将在2024-01-06 09:01对戊先生进行销售活动。")});
}

void TestReminders::nextTickComesJustAfterTheMinuteTurns_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<int>("milliseconds"); // to the next tick
    QTest::newRow("early in the minute") << "09:30:02.250" << 57850;
    QTest::newRow("as the minute turns") << "09:30:00.000" << 60100;
    QTest::newRow("a tick come early") << "09:30:59.950" << 150;
}

// The ticks follow the wall clock: each comes just after a minute begins,
// however late or early the one before it came.
void TestReminders::nextTickComesJustAfterTheMinuteTurns()
{
    QFETCH(QString, now);
    QFETCH(int, milliseconds);
    QCOMPARE(tick(now), QStringList());
    QVERIFY(poll().timer().isActive());
    QCOMPARE(poll().timer().interval(), milliseconds);
}

// Set back, the clock brings minutes round again; what they announced is
// not announced again, what was scheduled for them since is.
void TestReminders::clockSetBackAnnouncesNothingTwice()
{
    activity("09:30", "甲");
    activity("09:31", "乙");
    QCOMPARE(tick("09:30:02"), QStringList{said("09:30", "甲")});
    QCOMPARE(tick("09:31:01"), QStringList{said("09:31", "乙")});
    QCOMPARE(tick("09:29:40"), QStringList());
    QCOMPARE(tick("09:30:00.100"), QStringList());
    activity("09:31", "丙");
    QCOMPARE(tick("09:31:00.100"), QStringList{said("09:31", "丙")});
    QCOMPARE(tick("09:32:00.100"), QStringList());
}

// Three activities of one minute: each is announced, with its sound and its
// notice, in one reminder window after the other, in the order of eid.
void TestReminders::everyActivityOfAMinuteOneWindowAtATime()
{
    activity("09:30", "张三");
    activity("09:31", "赵六");
    activity("09:30", "李四");
    activity("09:30", "王五");
    const int soundsBefore = ui::soundCount();
    QList<int> notices;
    const QStringList shown =
        tick("09:30:02", [&](Tring *) { notices << poll().notifier().notices().size(); });
    QCOMPARE(shown, (QStringList{said("09:30", "张三"), said("09:30", "李四"), said("09:30", "王五")}));
    QCOMPARE(notices, (QList<int>{1, 2, 3}));
    QCOMPARE(ui::soundCount(), soundsBefore + 3);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

// The minute after comes while the reminder window is still open: its
// activity waits, and is announced once the window is closed.
void TestReminders::dueWhileAWindowIsOpenComesAfterIt()
{
    activity("09:30", "甲");
    activity("09:31", "乙");
    QStringList inner;
    const QStringList shown = tick("09:30:02", [&](Tring *ring) {
        if (sentenceIn(ring) != said("09:30", "甲"))
            return;
        // The tick of 09:31 runs inside the open window and opens no other.
        m_clock->at = timeOf("09:31:00.100");
        poll().poll();
        inner << sentenceIn(ring);
        QCOMPARE(openReminder(), ring);
    });
    QCOMPARE(inner, QStringList{said("09:30", "甲")});
    QCOMPARE(shown, (QStringList{said("09:30", "甲"), said("09:31", "乙")}));
    QCOMPARE(tick("09:32:00.100"), QStringList());
}

// An activity ended before its minute is not announced; one without any
// status is.
void TestReminders::endedActivityIsNotAnnounced()
{
    activity("09:30", "甲");
    activity("09:30", "乙", QStringLiteral("已结束"));
    activity("09:30", "丙", QVariant());
    QCOMPARE(tick("09:30:02"), (QStringList{said("09:30", "甲"), said("09:30", "丙")}));
}

void TestReminders::windowShowsTheActivityAndLeadsToTheList_data()
{
    QTest::addColumn<QString>("closeWith");
    QTest::newRow("确定") << "确定";
    QTest::newRow("the close picture") << "关闭";
}

// The window and the notice show the stored texts as they are; either close
// control leads to the activity list as it stands, read again by nothing.
void TestReminders::windowShowsTheActivityAndLeadsToTheList()
{
    QFETCH(QString, closeWith);
    m_program->insert("vtv1", {{"e3", "2024-01-05 09:30"}, {"e11", "<b>张</b>三"}, {"e13", "女士"},
                               {"e7", "签<i>合同</i>"}, {"e8", "2小时"}, {"e6", "高"}, {"e5", "拜访"},
                               {"e9", "第一行\n<a href='x'>第二行</a>"}, {"e15", "正常"}});
    TData_in &data = m_program->data();
    data.vtv1_all().filter(QStringLiteral("select * from vtv1 where e5 like '%沟通%' order by e3 desc"));
    const QString listText = data.vtv1_all().text();
    QSignalSpy reloads(&data.vtv1_all(), &data::StandingQuery::refreshed);
    Ta_main &main = m_program->main();
    QCOMPARE(main.currentView()->objectName(), QStringLiteral("Frame_liebiao1"));

    QStringList values;
    QRect geometry;
    Qt::WindowFlags flags;
    const QStringList shown = answer([this] { m_clock->at = timeOf("09:30:02"); poll().poll(); }, [&](Tring *ring) {
        for (const char *caption : {"目    标:", "持续时间:", "优 先 级:"})
            values << testing::shownText(testing::field(ring, QString::fromUtf8(caption)));
        QTextEdit *details = nullptr;
        for (QGroupBox *group : ring->findChildren<QGroupBox *>()) {
            if (group->title() == QStringLiteral("详细"))
                details = group->findChild<QTextEdit *>();
        }
        values << (details ? details->toPlainText() : QStringLiteral("<no details>"));
        QVERIFY(details && details->isReadOnly());
        geometry = ring->geometry();
        flags = ring->windowFlags();
    }, closeWith);

    QCOMPARE(shown, QStringList{QStringLiteral("将在2024-01-05 09:30对<b>张</b>三女士进行销售活动。")});
    QCOMPARE(values, (QStringList{"签<i>合同</i>", "2小时", "高", "第一行\n<a href='x'>第二行</a>"}));
    QCOMPARE(geometry.size(), QSize(Tring::clientWidth, Tring::clientHeight));
    QVERIFY(flags & Qt::FramelessWindowHint);

    QCOMPARE(main.currentView()->objectName(), QStringLiteral("Frame_jihua1"));
    QCOMPARE(reloads.count(), 0);
    QCOMPARE(data.vtv1_all().text(), listText);

    const QList<activities::Notice *> notices = poll().notifier().notices();
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices[0]->title(), QStringLiteral("销售活动提醒"));
    QCOMPARE(notices[0]->text(), QStringLiteral("将在2024-01-05 09:30对<b>张</b>三女士\n进行销售活动。\n\n目标:签<i>合同</i>"));
    QTRY_COMPARE(notices[0]->geometry(), notices[0]->place());
    QCOMPARE(notices[0]->place().size(), QSize(260, 170));
    QVERIFY(notices[0]->isVisible());
}

void TestReminders::announcedWithoutSoundFileOrAudioDevice_data()
{
    QTest::addColumn<bool>("soundFile");
    QTest::addColumn<bool>("audioDevice"); // false: none at all; true: whatever this computer has
    QTest::newRow("ring.wav in the working folder") << true << true;
    QTest::newRow("no ring.wav") << false << true;
    QTest::newRow("no ring.wav and no audio device") << false << false;
    QTest::newRow("ring.wav but no audio device") << true << false;
}

// The sound is asked for from the working folder; whether it is there and
// whether anything can play it, the notice and the window come all the same.
void TestReminders::announcedWithoutSoundFileOrAudioDevice()
{
    QFETCH(bool, soundFile);
    QFETCH(bool, audioDevice);
    const QString ring = m_program->install().path(QStringLiteral("ring.wav"));
    QVERIFY(QFile::exists(ring)); // the installation put it there
    if (!soundFile)
        QVERIFY(QFile::remove(ring));
    ui::audio::setOutputAbsent(!audioDevice);
    activity("09:30", "甲");
    const int soundsBefore = ui::soundCount();

    QCOMPARE(tick("09:30:02"), QStringList{said("09:30", "甲")});
    QCOMPARE(ui::soundCount(), soundsBefore + 1);
    QCOMPARE(ui::lastSoundFile(), QStringLiteral("ring.wav"));
    QCOMPARE(ui::lastSoundFound(), soundFile);
    QCOMPARE(poll().notifier().notices().size(), 1);
    // Whatever sound there was plays out by itself.
    QTest::qWait(200);
}

// The notice comes with the reminder window, which is modal; a click on the
// notice still closes it.
void TestReminders::noticeIsClickedAwayWhileTheWindowIsOpen()
{
    activity("09:30", "甲");
    bool closed = false;
    QCOMPARE(tick("09:30:02", [&](Tring *) {
                 QPointer<activities::Notice> notice = poll().notifier().notices().value(0);
                 QVERIFY(notice);
                 QTRY_COMPARE(notice->geometry(), notice->place());
                 // Through the window system, which holds back what a modal window blocks.
                 QTest::mouseClick(notice->windowHandle(), Qt::LeftButton, {}, notice->rect().center());
                 QTRY_VERIFY(!notice);
                 closed = true;
             }),
             QStringList{said("09:30", "甲")});
    QVERIFY(closed);
}

// The reminder runs while the about window is open, and after it is closed.
void TestReminders::announcedWhileTheAboutWindowIsOpen()
{
    activity("09:30", "甲");
    activity("09:31", "乙");
    QStringList shown;
    QVERIFY(testing::runModal(ui::names::Ta_about, [&](QDialog *) { shown = tick("09:30:02"); }));
    QCOMPARE(shown, QStringList{said("09:30", "甲")});
    QCOMPARE(tick("09:31:01"), QStringList{said("09:31", "乙")});
}

QTEST_MAIN(TestReminders)
#include "test_reminders.moc"
