#include "ReminderPoll.h"

#include "DateText.h"
#include "DbCause.h"
#include "DbError.h"
#include "FreshInstall.h"
#include "HandOver.h"
#include "MessageBox.h"
#include "PopupNotifier.h"
#include "ReminderRecord.h"
#include "ReminderText.h"
#include "Schema.h"
#include "Sound.h"
#include "Statement.h"
#include "Tring.h"
#include "Tring_list.h"
#include "WindowNames.h"
#include "Windows.h"

#include <QApplication>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

namespace activities {

namespace {

// The tick comes this long after the minute turns, so that the clock it reads shows the new minute.
constexpr int kAfterTurnMilliseconds = 100;
// What is remembered as announced is kept this long after its minute: longer
// than any step of the clock the reminder takes back to (kCatchUpMinutes, the
// hour daylight saving time gives back).
constexpr int kMarksKeptDays = 2;
// A notice of several activities names this many of them.
constexpr int kNoticeLines = 3;

// The start of the minute `moment` is in, on the same time line (the hour
// that comes twice when daylight saving time ends keeps its offset).
QDateTime minuteOf(const QDateTime &moment)
{
    const QTime time = moment.time();
    return moment.addMSecs(-qint64(time.second() * 1000 + time.msec()));
}

// A whole date-time text as e3 holds it, and nothing after it (not even a line break).
bool isMinuteText(const QString &text)
{
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}")));
    return form.match(text).hasMatch();
}

QString keepFrom(const QDateTime &minute)
{
    return data::dateTimeText(minute.addDays(-kMarksKeptDays));
}

QString fileName(const data::DatabaseFile &file)
{
    return QString::fromLatin1(file.relativePath);
}

} // namespace

ReminderPoll::ReminderPoll(QObject *parent)
    : QObject(parent), m_timer(new QTimer(this)), m_notifier(new PopupNotifier(notices::reminder, this))
{
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &ReminderPoll::poll);
    setClock(systemClock());
}

ReminderPoll::~ReminderPoll() = default;

void ReminderPoll::setConnections(data::Connection *main, data::Connection *lookup)
{
    m_main = main;
    m_lookup = lookup;
    // A file from before the record existed gets its tables now; one that
    // cannot take them (read-only) leaves the reminder to its memory.
    if (m_lookup)
        record([this] { data::createReminderTables(*m_lookup); });
}

void ReminderPoll::setClock(std::shared_ptr<const Clock> clock)
{
    m_clock = std::move(clock);
    const QDateTime now = m_clock->now();
    m_startMinute = minuteOf(now);
    m_begun = false;
    arm(now);
}

int ReminderPoll::millisecondsToNextTick(const QDateTime &now)
{
    const QTime time = now.time();
    return 60000 - (time.second() * 1000 + time.msec()) + kAfterTurnMilliseconds;
}

void ReminderPoll::arm(const QDateTime &now)
{
    m_timer->start(millisecondsToNextTick(now));
}

void ReminderPoll::poll()
{
    const QDateTime now = m_clock->now();
    // The next tick is armed first: it comes while a reminder window is open as well.
    arm(now);
    if (m_main) {
        if (!m_begun)
            beginRun();
        lookAtMinutesUpTo(minuteOf(now));
        recordWatch();
    }
    announceWaiting();
}

// The run looks at its start minute first. What runs before it announced
// stays announced; but when the last of them looked at minutes after this
// start, the clock has been set back since (or was ahead then), and what they
// announced for those minutes has not come due yet.
void ReminderPoll::beginRun()
{
    m_begun = true;
    m_lastLookedAt = m_startMinute.addSecs(-60);
    m_lastRecorded = QDateTime();
    m_beforeJump = QDateTime();
    if (!m_lookup)
        return;
    record([this] {
        const std::optional<data::ReminderWatch> watch = data::readReminderWatch(*m_lookup);
        if (watch && watch->utc - m_startMinute.toSecsSinceEpoch() > kCatchUpMinutes * 60)
            data::forgetRemindedAfter(*m_lookup, data::dateTimeText(m_startMinute));
        const std::set<data::ReminderMark> marks = data::readRemindedFrom(*m_lookup, keepFrom(m_startMinute));
        m_announced.insert(marks.begin(), marks.end());
    });
}

void ReminderPoll::lookAtMinutesUpTo(const QDateTime &minute)
{
    constexpr qint64 bound = kCatchUpMinutes * 60;
    const qint64 passed = m_lastLookedAt.secsTo(minute); // as time really passed, whatever the wall clock did
    const QString last = data::dateTimeText(m_lastLookedAt);
    const QString present = data::dateTimeText(minute);
    try {
        if (passed >= -bound && passed <= bound) {
            if (present > last)
                lookAtStretch(last, present);
            else if (present < last)
                lookAt(present); // the minutes come round again
        } else {
            // A jump: nothing in between is announced, nor marked announced.
            if (passed < 0)
                forgetAnnouncedAfter(present);
            const qint64 sinceJump = m_beforeJump.isValid() ? m_beforeJump.secsTo(minute) : -1;
            if (sinceJump > 0 && sinceJump <= bound) {
                // The clock is back where it was before the last jump: the
                // minutes since then are caught up as after a late tick.
                lookAtStretch(data::dateTimeText(m_beforeJump), present);
                m_beforeJump = QDateTime();
            } else {
                lookAt(present);
                m_beforeJump = m_lastLookedAt;
            }
        }
        // A minute that fails is looked at again by the next tick.
        m_lastLookedAt = minute;
        m_lookFailing = false;
    } catch (const data::DbError &e) {
        showLookFailed(e);
    }
}

// The minutes after `after` up to `upTo` for which anything is scheduled.
void ReminderPoll::lookAtStretch(const QString &after, const QString &upTo)
{
    QStringList scheduled;
    {
        data::Statement s(*m_main, data::scheduledMinutes(after, upTo));
        while (s.step()) {
            if (isMinuteText(s.text(0)))
                scheduled << s.text(0);
        }
    }
    for (const QString &minute : std::as_const(scheduled))
        lookAt(minute);
}

void ReminderPoll::lookAt(const QString &minute)
{
    data::Statement s(*m_main, data::reminderPoll(minute));
    while (s.step()) {
        DueActivity due;
        due.e11 = s.text(0);
        due.e12 = s.text(1);
        due.e8 = s.text(2);
        due.e13 = s.text(3);
        due.e9 = s.text(4);
        due.e3 = s.text(5);
        due.e5 = s.text(6);
        due.e6 = s.text(7);
        due.e7 = s.text(8);
        due.eid = s.text(9).toLongLong();
        const Mark mark{due.eid, due.e3};
        const bool waiting = std::any_of(m_waiting.begin(), m_waiting.end(), [&](const DueActivity &w) {
            return Mark{w.eid, w.e3} == mark;
        });
        if (!waiting && !m_announced.contains(mark))
            m_waiting.push_back(due);
    }
}

void ReminderPoll::forgetAnnouncedAfter(const QString &minute)
{
    std::erase_if(m_announced, [&](const Mark &mark) { return mark.second > minute; });
    if (m_lookup)
        record([&] { data::forgetRemindedAfter(*m_lookup, minute); });
}

void ReminderPoll::recordWatch()
{
    if (!m_lookup || m_lastLookedAt == m_lastRecorded)
        return;
    const QDateTime minute = m_lastLookedAt;
    record([&] {
        data::writeReminderWatch(*m_lookup, {data::dateTimeText(minute), minute.toSecsSinceEpoch()}, keepFrom(minute));
        m_lastRecorded = minute;
    });
}

void ReminderPoll::announceWaiting()
{
    // A tick that comes while a reminder window is open leaves what it found
    // waiting; the window's own tick announces it once the window is closed.
    if (m_announcing)
        return;
    m_announcing = true;
    const QPointer<ReminderPoll> alive(this);
    while (!m_waiting.empty()) {
        const std::vector<DueActivity> due(m_waiting.begin(), m_waiting.end());
        m_waiting.clear();
        announce(due);
        if (!alive)
            return; // the program ended while the window was open
    }
    m_announcing = false;
}

// One sound, one notice and one window for all that fell due at once.
void ReminderPoll::announce(const std::vector<DueActivity> &due)
{
    remember(due);
    ui::playSound(QString::fromLatin1(data::kSoundFile));
    if (due.size() == 1) {
        m_notifier->show(noticeTitle(), noticeText(due.front()));
        auto *ring = ui::Windows::get<Tring>(ui::names::Tring);
        if (!ring)
            return;
        ring->showActivity(due.front());
        ui::openWindow(ui::names::Tring);
        return;
    }
    m_notifier->show(noticeTitle(), noticeText(due));
    auto *list = ui::Windows::get<Tring_list>(ui::names::Tring_list);
    if (!list)
        return;
    std::vector<qint64> eids;
    for (const DueActivity &d : due)
        eids.push_back(d.eid);
    try {
        list->showActivities(eids);
    } catch (const data::DbError &e) {
        showLookFailed(e);
        return;
    }
    ui::openWindow(ui::names::Tring_list);
}

// Announced from the moment it is shown: a run that ends while its window is
// open does not bring it again.
void ReminderPoll::remember(const std::vector<DueActivity> &due)
{
    std::vector<data::ReminderMark> marks;
    for (const DueActivity &d : due) {
        m_announced.emplace(d.eid, d.e3);
        marks.emplace_back(d.eid, d.e3);
    }
    if (m_lookup)
        record([&] { data::markReminded(*m_lookup, marks); });
}

void ReminderPoll::record(const std::function<void()> &change)
{
    try {
        change();
        m_recordFailing = false;
    } catch (const data::DbError &e) {
        // Shown once, not at every tick while the file stays out of reach.
        if (m_recordFailing)
            return;
        m_recordFailing = true;
        ui::MessageBox::error(QApplication::activeWindow(),
                              QStringLiteral("无法在 %1 中记下销售活动提醒的进度：%2。本次运行中的提醒不受影响，"
                                             "但重新启动程序后，已提醒过的销售活动可能再次提醒。")
                                  .arg(fileName(data::kLookupFile), data::causeOf(e)));
    }
}

void ReminderPoll::showLookFailed(const data::DbError &e)
{
    // Shown once, not at every tick while the database stays out of reach.
    if (m_lookFailing)
        return;
    m_lookFailing = true;
    ui::MessageBox::error(QApplication::activeWindow(),
                          QStringLiteral("无法在 %1 中查找到时的销售活动：%2。")
                              .arg(fileName(data::kMainFile), data::causeOf(e)));
}

QString ReminderPoll::noticeTitle()
{
    return QStringLiteral("销售活动提醒");
}

QString ReminderPoll::noticeText(const DueActivity &due)
{
    return QStringLiteral("将在") + due.e3 + QStringLiteral("对") + due.e11 + due.e13 + QStringLiteral("\n进行销售活动。\n\n目标:")
           + due.e7;
}

QString ReminderPoll::noticeText(const std::vector<DueActivity> &due)
{
    QString text = QStringLiteral("有%1项销售活动已到时间:").arg(due.size());
    for (size_t i = 0; i < due.size() && i < size_t(kNoticeLines); ++i)
        text += u'\n' + due[i].e3 + u' ' + due[i].e11 + due[i].e13;
    if (due.size() > size_t(kNoticeLines))
        text += QStringLiteral("\n……");
    return text;
}

} // namespace activities
