#include "ReminderPoll.h"

#include "DateText.h"
#include "DbError.h"
#include "FreshInstall.h"
#include "HandOver.h"
#include "MessageBox.h"
#include "PopupNotifier.h"
#include "ReminderText.h"
#include "Sound.h"
#include "Statement.h"
#include "Tring.h"
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
// Up to this many minutes are looked at one by one; a longer stretch (the
// computer slept, the clock was put forward) through the minutes of it for
// which anything is scheduled.
constexpr qint64 kMinutesOneByOne = 30;

QDateTime minuteOf(const QDateTime &moment)
{
    QDateTime minute = moment;
    minute.setTime(QTime(moment.time().hour(), moment.time().minute()));
    return minute;
}

bool isMinuteText(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d$"));
    return form.match(text).hasMatch();
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

void ReminderPoll::setConnection(data::Connection *connection)
{
    m_connection = connection;
}

void ReminderPoll::setClock(std::shared_ptr<const Clock> clock)
{
    m_clock = std::move(clock);
    const QDateTime now = m_clock->now();
    m_lastLookedAt = minuteOf(now).addSecs(-60);
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
    if (m_connection)
        lookAtMinutesUpTo(minuteOf(now));
    announceWaiting();
}

void ReminderPoll::lookAtMinutesUpTo(const QDateTime &minute)
{
    // The clock was set back: go on from its present minute. What has been
    // announced stays announced.
    if (minute < m_lastLookedAt)
        m_lastLookedAt = minute.addSecs(-60);
    const qint64 minutes = m_lastLookedAt.secsTo(minute) / 60;
    if (minutes <= 0)
        return;
    try {
        if (minutes <= kMinutesOneByOne) {
            // A minute that fails is looked at again by the next tick.
            for (QDateTime next = m_lastLookedAt.addSecs(60); next <= minute; next = next.addSecs(60)) {
                lookAt(data::dateTimeText(next));
                m_lastLookedAt = next;
            }
        } else {
            QStringList scheduled;
            {
                data::Statement s(*m_connection, data::scheduledMinutes(data::dateTimeText(m_lastLookedAt),
                                                                        data::dateTimeText(minute)));
                while (s.step()) {
                    if (isMinuteText(s.text(0)))
                        scheduled << s.text(0);
                }
            }
            for (const QString &text : std::as_const(scheduled))
                lookAt(text);
            m_lastLookedAt = minute;
        }
        m_failing = false;
    } catch (const data::DbError &e) {
        // Shown once, not at every tick while the database stays out of reach.
        if (!m_failing) {
            m_failing = true;
            ui::MessageBox::error(QApplication::activeWindow(), e.message());
        }
    }
}

void ReminderPoll::lookAt(const QString &minute)
{
    data::Statement s(*m_connection, data::reminderPoll(minute));
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
        if (m_taken.insert(due.eid).second)
            m_waiting.push_back(due);
    }
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
        const DueActivity due = m_waiting.front();
        m_waiting.pop_front();
        announce(due);
        if (!alive)
            return; // the program ended while the window was open
    }
    m_announcing = false;
}

void ReminderPoll::announce(const DueActivity &due)
{
    ui::playSound(QString::fromLatin1(data::kSoundFile));
    m_notifier->show(noticeTitle(), noticeText(due));
    auto *ring = ui::Windows::get<Tring>(ui::names::Tring);
    if (!ring)
        return;
    ring->showActivity(due);
    ui::openWindow(ui::names::Tring);
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

} // namespace activities
