#pragma once

#include <QString>
#include <QStringList>

namespace data {

// The texts of the activity record: its types, priorities, durations and
// statuses, and the statements of the activity windows over vtv1.

// The three activity types, as e5 holds them.
const QStringList &activityTypes();
// The priorities (e6) and durations (e8) an activity is given.
const QStringList &activityPriorities();
const QStringList &activityDurations();
// The item of the list's type filter that lists every activity.
inline const QString kAllActivities = QStringLiteral("全部");

// The statement the type filter puts into vtv1_all for one of its items:
// "全部" every activity, a type only the activities of that type, latest
// scheduled first. Any other text (the filter takes typing) filters nothing:
// the empty text.
QString activityTypeFilter(const QString &item);

// What ending an activity writes: its status, by its key (:a the eid, :b the status).
QString endActivityStatement();
// The status of an activity that has been carried out.
inline const QString kActivityEnded = QStringLiteral("已结束");
// The code of an activity type (e10): "1" for 沟通, "2" for 拜访, "3" for 计划.
QString activityTypeCode(const QString &type);

} // namespace data
