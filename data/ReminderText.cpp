#include "ReminderText.h"

#include "SqlText.h"

namespace data {

QString reminderPoll(const QString &minute)
{
    return QStringLiteral("select e11,e12,e8,e13,e9,e3,e5,e6,e7,eid from vtv1 where e3 like ") + quoted(minute)
           + QStringLiteral(" and (e15 is null or e15<>") + quoted(kActivityEnded) + QStringLiteral(") order by eid");
}

QString scheduledMinutes(const QString &after, const QString &upTo)
{
    // Compared as the index orders e3, so that the index finds the stretch;
    // date-time texts have no letters, so both orders are time order.
    return QStringLiteral("select distinct e3 from vtv1 where e3>") + quoted(after)
           + QStringLiteral(" collate nocase and e3<=") + quoted(upTo) + QStringLiteral(" collate nocase order by e3");
}

} // namespace data
