// Which activities the reminder announces, and when, as the clock goes: ticks
// that come late or early, the clock set forward and back, the computer
// waking from sleep, the program started again, daylight saving time, and
// date-time texts that are not whole. Through the whole program, with a clock
// the tests set; a tick is the poll the timer would run.
#include "Driving.h"
#include "Program.h"
#include "ReminderDriving.h"
#include "TData_in.h"
#include "activities/ReminderPoll.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <map>

using testing::said;

namespace {

// The wall clock of these tests: one with daylight saving time.
const QTimeZone &zone()
{
    static const QTimeZone berlin("Europe/Berlin");
    return berlin;
}

// "2024-01-05 09:30:02.100" on the wall clock; "09:30:02" on 2024-01-05; a
// trailing "+01:00" or "+02:00" picks one of the hour that comes twice.
QDateTime timeOf(QString text)
{
    if (!text.contains(u'-'))
        text.prepend(QStringLiteral("2024-01-05 "));
    QString offset;
    if (text.contains(u'+')) {
        offset = text.section(u'+', 1);
        text = text.section(u'+', 0, 0).trimmed();
    }
    if (!text.contains(u'.'))
        text += QStringLiteral(".000");
    const QDateTime wall = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    if (offset.isEmpty())
        return QDateTime(wall.date(), wall.time(), zone());
    const int seconds = offset.section(u':', 0, 0).toInt() * 3600 + offset.section(u':', 1).toInt() * 60;
    return QDateTime(wall.date(), wall.time(), QTimeZone(seconds)).toTimeZone(zone());
}

// The activities of the clock table, by name.
const std::map<QString, QString> &scheduled()
{
    static const std::map<QString, QString> activities{
        {"甲", "2024-01-05 09:30"}, {"乙", "2024-01-05 09:31"}, {"丙", "2024-01-05 09:33"},
        {"丁", "2024-01-05 12:00"}, {"戊", "2025-01-05 09:31"}, {"己", "2020-03-01 10:05"},
        {"丑", "2023-06-01 08:00"}, // between 2020 and the day of the tests
        {"庚", "2024-03-31 02:30"}, // in the hour skipped when daylight saving time begins
        {"辛", "2024-03-31 03:00"}, {"壬", "2024-10-27 02:59"}, {"子", "2024-10-27 03:00"},
    };
    return activities;
}

// "甲" is the reminder window of 甲; "庚、辛" the list of both.
QString expected(const QString &window)
{
    QStringList sentences;
    for (const QString &name : window.split(QStringLiteral("、")))
        sentences << said(scheduled().at(name), name);
    return sentences.size() == 1 ? sentences.front() : testing::listed(sentences);
}

} // namespace

class TestReminderClock : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void lateTickLooksAtTheMinutesItSkipped();
    void nextTickComesJustAfterTheMinuteTurns_data();
    void nextTickComesJustAfterTheMinuteTurns();
    void clockStepsAndJumps_data();
    void clockStepsAndJumps();
    void onlyWholeMinuteTextsAreAnnounced_data();
    void onlyWholeMinuteTextsAreAnnounced();
    void refusedFilesAreToldAndTheReminderGoesOn_data();
    void refusedFilesAreToldAndTheReminderGoesOn();

private:
    void start(const QDateTime &at);
    // The program closed and started again over the same files, its clock at `at`.
    void restart(const QDateTime &at);
    qint64 activity(const QString &dateTime, const QString &name);
    // The clock set to that time, one tick, every window answered.
    QStringList tick(const QString &time);

    std::unique_ptr<testing::Program> m_program;
    std::shared_ptr<testing::SetClock> m_clock;
};

void TestReminderClock::init()
{
    QVERIFY2(zone().isValid(), "the time zone data (tzdata) is missing");
    m_program = std::make_unique<testing::Program>();
    m_clock = std::make_shared<testing::SetClock>();
    start(timeOf(QStringLiteral("09:29:50")));
}

void TestReminderClock::cleanup()
{
    m_program.reset();
}

void TestReminderClock::start(const QDateTime &at)
{
    m_clock->at = at;
    testing::reminder().setClock(m_clock);
}

void TestReminderClock::restart(const QDateTime &at)
{
    // The files are copied once the program has let go of them, as after a
    // user closed it.
    QTemporaryDir kept;
    const QStringList files{QStringLiteral("Data/Main_data.db"), QStringLiteral("Data/C_data.db")};
    m_program->data().closeFiles();
    QVERIFY(QDir(kept.path()).mkpath(QStringLiteral("Data")));
    for (const QString &file : files)
        QVERIFY(QFile::copy(m_program->install().path(file), QDir(kept.path()).filePath(file)));
    m_program.reset();
    m_program = std::make_unique<testing::Program>([&](testing::TempInstall &install) {
        for (const QString &file : files) {
            QFile::remove(install.path(file));
            QFile::copy(QDir(kept.path()).filePath(file), install.path(file));
        }
    });
    start(at);
}

qint64 TestReminderClock::activity(const QString &dateTime, const QString &name)
{
    return m_program->insert("vtv1", {{"e2", "1"}, {"e3", dateTime}, {"e4", dateTime.right(5)}, {"e5", "拜访"},
                                      {"e11", name}, {"e13", "先生"}, {"e7", "签合同"}, {"e15", "正常"}});
}

QStringList TestReminderClock::tick(const QString &time)
{
    m_clock->at = timeOf(time);
    return testing::answer([] { testing::reminder().poll(); });
}

// A tick that comes late looks at every minute since the last one, in one
// window for all it finds; one that comes early looks at none. The minute
// the program started in is looked at by the first tick, the minutes before
// it never.
void TestReminderClock::lateTickLooksAtTheMinutesItSkipped()
{
    activity("2024-01-05 09:28", "戊");
    activity("2024-01-05 09:29", "甲");
    activity("2024-01-05 09:30", "乙");
    activity("2024-01-05 09:31", "丙");
    activity("2024-01-05 09:32", "丁");
    QCOMPARE(tick("09:30:02"), QStringList{testing::listed({said("2024-01-05 09:29", "甲"), said("2024-01-05 09:30", "乙")})});
    QCOMPARE(tick("09:30:59.950"), QStringList());
    QCOMPARE(tick("09:32:05"), QStringList{testing::listed({said("2024-01-05 09:31", "丙"), said("2024-01-05 09:32", "丁")})});
    QCOMPARE(tick("09:33:00.100"), QStringList());
}

void TestReminderClock::nextTickComesJustAfterTheMinuteTurns_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<int>("milliseconds"); // to the next tick
    QTest::newRow("early in the minute") << "09:30:02.250" << 57850;
    QTest::newRow("as the minute turns") << "09:30:00.000" << 60100;
    QTest::newRow("a tick come early") << "09:30:59.950" << 150;
}

// The ticks follow the wall clock: each comes just after a minute begins,
// however late or early the one before it came.
void TestReminderClock::nextTickComesJustAfterTheMinuteTurns()
{
    QFETCH(QString, now);
    QFETCH(int, milliseconds);
    QCOMPARE(tick(now), QStringList());
    QVERIFY(testing::reminder().timer().isActive());
    QCOMPARE(testing::reminder().timer().interval(), milliseconds);
}

void TestReminderClock::clockStepsAndJumps_data()
{
    // The program starts at the first time; then each step is a tick at a
    // time and the windows it brings ("甲", the list "庚、辛", "-" none), or
    // a start of the program again. The activities are those of scheduled().
    QTest::addColumn<QStringList>("steps");
    const QString start = QStringLiteral("09:29:50");
    QTest::newRow("a tick five minutes late") << QStringList{start, "09:33:00.100 → 甲、乙、丙", "09:38:10 → -"};
    QTest::newRow("a tick more than five minutes late") << QStringList{start, "09:30:02 → 甲", "09:36:05 → -"};
    QTest::newRow("set back a minute")
        << QStringList{start, "09:30:02 → 甲", "09:31:01 → 乙", "09:29:40 → -", "09:30:00.100 → -", "09:31:00.100 → -",
                       "09:33:00.100 → 丙"};
    QTest::newRow("forward a year")
        << QStringList{start, "09:30:02 → 甲", "2025-01-05 09:35:00.100 → -", "2025-01-05 09:36:00.100 → -"};
    QTest::newRow("forward a year, then back")
        << QStringList{start, "09:30:02 → 甲", "2025-01-05 09:31:00.100 → 戊", "09:32:00.100 → 乙", "09:33:00.100 → 丙",
                       "2025-01-05 09:31:00.100 → 戊"};
    QTest::newRow("back to 2020 for a tick, then right")
        << QStringList{start, "09:30:02 → 甲", "2020-03-01 10:06:00.100 → -", "09:32:00.100 → 乙", "09:33:00.100 → 丙"};
    QTest::newRow("back to 2020, and left there")
        << QStringList{start, "09:30:02 → 甲", "2020-03-01 10:04:00.100 → -", "2020-03-01 10:05:00.100 → 己"};
    QTest::newRow("asleep for the night")
        << QStringList{start, "09:30:02 → 甲", "2024-01-06 08:00:20 → -", "2024-01-06 08:01:00.100 → -"};
    QTest::newRow("started again within the minute")
        << QStringList{start, "09:30:02 → 甲", "restart 09:30:40", "09:31:00.100 → 乙"};
    QTest::newRow("started again after hours")
        << QStringList{start, "09:30:02 → 甲", "restart 11:59:30", "12:00:00.100 → 丁"};
    QTest::newRow("started again after the clock was a year ahead")
        << QStringList{start, "09:30:02 → 甲", "2025-01-05 09:31:00.100 → 戊", "restart 09:32:30", "09:33:00.100 → 丙",
                       "2025-01-05 09:31:00.100 → 戊"};
    QTest::newRow("daylight saving time begins")
        << QStringList{"2024-03-31 01:58:50", "2024-03-31 01:59:00.100 → -", "2024-03-31 03:00:00.100 → 庚、辛",
                       "2024-03-31 03:01:00.100 → -"};
    QTest::newRow("daylight saving time ends")
        << QStringList{"2024-10-27 02:58:50 +02:00", "2024-10-27 02:59:00.100 +02:00 → 壬",
                       "2024-10-27 02:00:00.100 +01:00 → -", "2024-10-27 02:59:00.100 +01:00 → -",
                       "2024-10-27 03:00:00.100 +01:00 → 子"};
}

// A late tick catches up on the minutes it skipped, up to five; a larger
// step of the clock, either way, replays nothing and leaves nothing marked
// announced before its minute comes on the clock as it then stands; what was
// announced is not announced again, in this run or the next.
void TestReminderClock::clockStepsAndJumps()
{
    QFETCH(QStringList, steps);
    for (const auto &[name, dateTime] : scheduled())
        activity(dateTime, name);
    start(timeOf(steps.takeFirst()));
    for (const QString &step : std::as_const(steps)) {
        if (step.startsWith(QStringLiteral("restart "))) {
            restart(timeOf(step.mid(8)));
            continue;
        }
        const QString time = step.section(QStringLiteral(" → "), 0, 0);
        const QString windows = step.section(QStringLiteral(" → "), 1);
        QStringList announced;
        if (windows != QStringLiteral("-")) {
            for (const QString &window : windows.split(QStringLiteral(" | ")))
                announced << expected(window);
        }
        QCOMPARE(tick(time), announced);
    }
}

void TestReminderClock::onlyWholeMinuteTextsAreAnnounced_data()
{
    QTest::addColumn<QString>("tickAt"); // the tick after the one at 09:30:02
    QTest::newRow("the next tick") << "09:31:00.100";
    QTest::newRow("a tick two minutes late") << "09:33:00.100";
    QTest::newRow("two hours later") << "11:30:00.100";
}

// A date and time with anything after it, a line break too, is no minute of
// the clock: it is never announced, however the ticks fall.
void TestReminderClock::onlyWholeMinuteTextsAreAnnounced()
{
    QFETCH(QString, tickAt);
    activity("2024-01-05 09:30", "甲");
    for (const char *text : {"2024-01-05 09:30\n", "2024-01-05 09:31\n", "2024-01-05 09:31 ", "2024-01-05 09:31\r\n"})
        activity(QString::fromLatin1(text), "乙");
    QCOMPARE(tick("09:30:02"), QStringList{said("2024-01-05 09:30", "甲")});
    QCOMPARE(tick(tickAt), QStringList());
}

void TestReminderClock::refusedFilesAreToldAndTheReminderGoesOn_data()
{
    QTest::addColumn<bool>("filesClosed"); // false: the lookup file refuses the record
    QTest::addColumn<QStringList>("messages");
    const QString record = QStringLiteral("无法在 Data/C_data.db 中记下销售活动提醒的进度：%1。本次运行中的提醒不受影响，"
                                          "但重新启动程序后，已提醒过的销售活动可能再次提醒。");
    QTest::newRow("the lookup file refuses the record")
        << false << QStringList{record.arg(QStringLiteral("数据库文件的结构与本系统不符"))};
    QTest::newRow("both files closed for a restore")
        << true
        << QStringList{record.arg(QStringLiteral("数据库文件未打开")),
                       QStringLiteral("无法在 Data/Main_data.db 中查找到时的销售活动：数据库文件未打开。")};
}

// What the reminder cannot read or write is said once, in Chinese, with its
// cause; the activities come all the same, once the files are there again.
void TestReminderClock::refusedFilesAreToldAndTheReminderGoesOn()
{
    QFETCH(bool, filesClosed);
    QFETCH(QStringList, messages);
    if (!filesClosed) {
        // A file whose "reminded" is not the table the reminder writes.
        m_program.reset();
        m_program = std::make_unique<testing::Program>([](testing::TempInstall &install) {
            install.execLookup("create view reminded as select 1 as eid, 'x' as e3");
        });
        start(timeOf(QStringLiteral("09:29:50")));
    }
    activity("2024-01-05 09:30", "甲");
    activity("2024-01-05 09:31", "乙");
    if (filesClosed) {
        m_program->data().closeFiles();
        QCOMPARE(tick("09:30:02"), QStringList());
        m_program->data().openFiles();
        QCOMPARE(tick("09:31:00.100"),
                 QStringList{testing::listed({said("2024-01-05 09:30", "甲"), said("2024-01-05 09:31", "乙")})});
    } else {
        QCOMPARE(tick("09:30:02"), QStringList{said("2024-01-05 09:30", "甲")});
        QCOMPARE(tick("09:31:00.100"), QStringList{said("2024-01-05 09:31", "乙")});
    }
    QCOMPARE(m_program->messages(), messages);
}

QTEST_MAIN(TestReminderClock)
#include "test_reminder_clock.moc"
