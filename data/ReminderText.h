#pragma once

#include "ActivityText.h"

#include <QString>

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

} // namespace data
