#pragma once

#include "Clock.h"
#include "DueActivity.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <deque>
#include <memory>
#include <set>

class QTimer;

namespace data {
class Connection;
}

namespace activities {

class PopupNotifier;

// The activity reminder: once a minute, just after the minute turns on the
// wall clock, it looks for the sales activities scheduled for that minute and
// announces each with a sound, a notice and the reminder window Tring.
//
// - Every minute of the run is looked at once: a tick that comes late looks
//   at the minutes it skipped as well. The minute the program started in is
//   looked at by the first tick; minutes before it never.
// - Every activity of a minute is announced, one reminder window at a time,
//   in the order of eid; the next comes when the previous one is closed.
//   What falls due while a reminder window is open waits for it to close.
// - Activities already ended are not announced; none is announced twice in
//   one run, even when the clock is set back.
class ReminderPoll : public QObject {
    Q_OBJECT
public:
    explicit ReminderPoll(QObject *parent = nullptr);
    ~ReminderPoll() override;

    // The main database, where the activities are. Until it is given, ticks look at nothing.
    void setConnection(data::Connection *connection);
    // Reads the time from this clock from now on; the minutes are counted
    // again from its present minute, which the next tick looks at.
    void setClock(std::shared_ptr<const Clock> clock);

    // One tick: looks at every minute not yet looked at up to the clock's
    // present one, arms the next tick and announces what is due (returning
    // once the reminder windows it opened are closed).
    void poll();

    // How long after `now` the next tick comes: just after the next minute begins.
    static int millisecondsToNextTick(const QDateTime &now);
    // The timer of the next tick.
    const QTimer &timer() const { return *m_timer; }

    PopupNotifier &notifier() const { return *m_notifier; }

    // The notice of a due activity.
    static QString noticeTitle();
    static QString noticeText(const DueActivity &due);

private:
    void arm(const QDateTime &now);
    void lookAtMinutesUpTo(const QDateTime &minute);
    void lookAt(const QString &minute);
    void announceWaiting();
    void announce(const DueActivity &due);

    data::Connection *m_connection = nullptr;
    std::shared_ptr<const Clock> m_clock;
    QTimer *m_timer = nullptr;
    PopupNotifier *m_notifier = nullptr;

    QDateTime m_lastLookedAt;          // the last minute looked at
    std::deque<DueActivity> m_waiting; // due, not yet announced, in the order they are announced
    std::set<qint64> m_taken;          // announced or waiting in this run
    bool m_announcing = false;         // a reminder window is open
    bool m_failing = false;            // the last look failed and was shown
};

} // namespace activities
