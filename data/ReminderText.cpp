#include "ReminderText.h"

#include "SqlText.h"

#include <QStringList>

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

QString reminderList(const std::vector<qint64> &eids)
{
    QStringList keys;
    for (const qint64 eid : eids)
        keys << QString::number(eid);
    return QStringLiteral("select * from vtv1 where eid in (") + keys.join(u',')
           + QStringLiteral(") order by e3,eid");
}

QString createReminderWatch()
{
    return QStringLiteral("create table if not exists reminder_watch (id integer primary key check (id = 1), "
                          "minute text not null, utc integer not null)");
}

QString createReminded()
{
    return QStringLiteral("create table if not exists reminded (eid integer not null, e3 text not null, "
                          "primary key (eid, e3))");
}

QString readReminderWatch()
{
    return QStringLiteral("select minute, utc from reminder_watch where id = 1");
}

QString writeReminderWatch()
{
    return QStringLiteral("insert or replace into reminder_watch (id, minute, utc) values (1, :minute, :utc)");
}

QString readRemindedFrom()
{
    return QStringLiteral("select eid, e3 from reminded where e3 >= :from");
}

QString markReminded()
{
    return QStringLiteral("insert or ignore into reminded (eid, e3) values (:eid, :e3)");
}

QString forgetRemindedAfter()
{
    return QStringLiteral("delete from reminded where e3 > :minute");
}

QString forgetRemindedBefore()
{
    return QStringLiteral("delete from reminded where e3 < :minute");
}

} // namespace data
