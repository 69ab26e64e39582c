#pragma once

#include "Clock.h"
#include "DueActivity.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <utility>
#include <vector>

class QTimer;

namespace data {
class Connection;
class DbError;
}

namespace activities {

class PopupNotifier;

// The activity reminder: once a minute, just after the minute turns on the
// wall clock, it looks for the sales activities scheduled for that minute and
// announces them with a sound, a notice and the reminder window: Tring for
// one activity, the list Tring_list for several that fall due at once.
//
// Which minutes a tick looks at. Each tick compares the clock with the last
// minute looked at, by the time that has really passed (so that a change of
// daylight saving time, which moves the wall clock by an hour, is no jump):
// - up to kCatchUpMinutes minutes later: every minute since, as the wall clock
//   counts them, is looked at (a tick that came late; the hour skipped when
//   daylight saving time begins is looked at by the tick after it);
// - back by up to kCatchUpMinutes (a small correction of the clock, or the
//   hour that comes twice when daylight saving time ends): the minutes come
//   round again, and what was announced is not announced again;
// - further either way (the clock was set, the computer woke from sleep): the
//   minutes in between are not looked at; the tick looks at the clock's
//   present minute alone and goes on from there. Set back that far, the
//   clock had been ahead: activities announced for minutes after its
//   present one had not come due, and are announced again when they do.
//   A clock that comes back to within kCatchUpMinutes after where it was
//   before it jumped (set wrong for a tick or two, then right) is caught up
//   from there, as after a late tick.
// The first tick of a run looks at the minute the run started in, never
// before it. What has been announced, and the last minute looked at, are
// kept in Data/C_data.db, so that a run started again announces nothing a
// run before it announced.
//
// Activities already ended are not announced. What falls due while a
// reminder window is open waits for it to close.
class ReminderPoll : public QObject {
    Q_OBJECT
public:
    // The most minutes a tick that comes late catches up on; a larger step
    // of the clock is a jump.
    static constexpr qint64 kCatchUpMinutes = 5;

    explicit ReminderPoll(QObject *parent = nullptr);
    ~ReminderPoll() override;

    // The main database, where the activities are, and the lookup database,
    // where the reminder keeps what it has announced. Until the main one is
    // given, ticks look at nothing.
    void setConnections(data::Connection *main, data::Connection *lookup);
    // Reads the time from this clock from now on: a run starts again at its
    // present minute, which the next tick looks at.
    void setClock(std::shared_ptr<const Clock> clock);

    // One tick: looks at the minutes due to be looked at (see above), arms
    // the next tick and announces what is due (returning once the reminder
    // windows it opened are closed).
    void poll();

    // How long after `now` the next tick comes: just after the next minute begins.
    static int millisecondsToNextTick(const QDateTime &now);
    // The timer of the next tick.
    const QTimer &timer() const { return *m_timer; }

    PopupNotifier &notifier() const { return *m_notifier; }

    // The notice of one due activity, and of several at once.
    static QString noticeTitle();
    static QString noticeText(const DueActivity &due);
    static QString noticeText(const std::vector<DueActivity> &due);

private:
    using Mark = std::pair<qint64, QString>; // an activity's key and the minute it is announced for

    void arm(const QDateTime &now);
    void beginRun();
    void lookAtMinutesUpTo(const QDateTime &minute);
    void lookAtStretch(const QString &after, const QString &upTo);
    void lookAt(const QString &minute);
    void forgetAnnouncedAfter(const QString &minute);
    void recordWatch();
    void announceWaiting();
    void announce(const std::vector<DueActivity> &due);
    void remember(const std::vector<DueActivity> &due);
    // Runs a change of the record in the lookup file; a refusal is shown once
    // until a change goes through again, and the reminder goes on from memory.
    void record(const std::function<void()> &change);
    void showLookFailed(const data::DbError &e);

    data::Connection *m_main = nullptr;
    data::Connection *m_lookup = nullptr;
    std::shared_ptr<const Clock> m_clock;
    QTimer *m_timer = nullptr;
    PopupNotifier *m_notifier = nullptr;

    QDateTime m_startMinute;           // the minute the run started in
    bool m_begun = false;              // the first tick of the run has read the record
    QDateTime m_lastLookedAt;          // the last minute looked at
    QDateTime m_lastRecorded;          // the last minute looked at as the lookup file has it
    QDateTime m_beforeJump;            // the last minute looked at before the clock last jumped
    std::deque<DueActivity> m_waiting; // due, not yet announced, in the order they are announced
    std::set<Mark> m_announced;        // announced, in this run or one before it
    bool m_announcing = false;         // a reminder window is open
    bool m_lookFailing = false;        // the last look failed and was shown
    bool m_recordFailing = false;      // the last change of the record failed and was shown
};

} // namespace activities
