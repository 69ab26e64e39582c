#pragma once

#include "ActivityText.h"

#include <QString>
#include <vector>

namespace data {

// The statements of the activity reminder. Minutes are date-time texts
// ("2024-01-05 09:30"), the form the activities' e3 holds.

// The activities scheduled for one minute that are still to be carried out,
// oldest first: "select e11,e12,e8,e13,e9,e3,e5,e6,e7,eid from vtv1 where e3
// like '<minute>' and (e15 is null or e15<>'已结束') order by eid".
QString reminderPoll(const QString &minute);

// The minutes after `after`, up to and with `upTo`, for which any activity is
// scheduled, each once, in time order.
QString scheduledMinutes(const QString &after, const QString &upTo);

// The activities of these keys, every column, in the order they fell due:
// "select * from vtv1 where eid in (3,7) order by e3,eid".
QString reminderList(const std::vector<qint64> &eids);

// What the reminder remembers from one run to the next, in Data/C_data.db:
// - reminder_watch, one row: the last minute looked at, as the wall clock
//   showed it and as seconds since 1970 (UTC), so that a later start can tell
//   whether the clock has been set back since;
// - reminded: the activities announced, by key and by the minute they were
//   announced for (an activity moved to another minute is announced again).
// Both are made where a file lacks them (files from before they existed).
QString createReminderWatch();
QString createReminded();
// The watch row, read: "select minute, utc from reminder_watch".
QString readReminderWatch();
// Its one row written, with :minute and :utc.
QString writeReminderWatch();
// The announced activities of :from on (minute texts), read: eid, e3.
QString readRemindedFrom();
// One activity announced, with :eid and :e3; an activity marked already stays as it is.
QString markReminded();
// Marks of minutes after :minute forgotten.
QString forgetRemindedAfter();
// Marks of minutes before :minute forgotten (the record is kept short).
QString forgetRemindedBefore();

} // namespace data
