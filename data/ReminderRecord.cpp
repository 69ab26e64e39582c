#include "ReminderRecord.h"

#include "Connection.h"
#include "DbError.h"
#include "ReminderText.h"
#include "Statement.h"

namespace data {

namespace {

bool hasTable(Connection &c, const QString &name)
{
    Statement s(c, QStringLiteral("select 1 from sqlite_master where type='table' and name=:name"));
    s.bind(QStringLiteral(":name"), name);
    return s.step();
}

void createTables(Connection &c)
{
    c.execute(createReminderWatch());
    c.execute(createReminded());
}

} // namespace

void createReminderTables(Connection &lookup)
{
    Transaction t(lookup);
    createTables(lookup);
    t.commit();
}

std::optional<ReminderWatch> readReminderWatch(Connection &lookup)
{
    if (!hasTable(lookup, QStringLiteral("reminder_watch")))
        return std::nullopt;
    Statement s(lookup, data::readReminderWatch());
    if (!s.step())
        return std::nullopt;
    bool number = false;
    const qint64 utc = s.text(1).toLongLong(&number);
    if (!number)
        return std::nullopt;
    return ReminderWatch{s.text(0), utc};
}

void writeReminderWatch(Connection &lookup, const ReminderWatch &watch, const QString &keepFrom)
{
    Transaction t(lookup);
    createTables(lookup);
    lookup.execute(data::writeReminderWatch(),
                   {{QStringLiteral(":minute"), watch.minute}, {QStringLiteral(":utc"), QString::number(watch.utc)}});
    lookup.execute(forgetRemindedBefore(), {{QStringLiteral(":minute"), keepFrom}});
    t.commit();
}

std::set<ReminderMark> readRemindedFrom(Connection &lookup, const QString &from)
{
    std::set<ReminderMark> marks;
    if (!hasTable(lookup, QStringLiteral("reminded")))
        return marks;
    Statement s(lookup, data::readRemindedFrom());
    s.bind(QStringLiteral(":from"), from);
    while (s.step())
        marks.emplace(s.text(0).toLongLong(), s.text(1));
    return marks;
}

void markReminded(Connection &lookup, const std::vector<ReminderMark> &marks)
{
    Transaction t(lookup);
    createTables(lookup);
    Statement s(lookup, data::markReminded());
    for (const auto &[eid, minute] : marks) {
        s.reset();
        s.bind(QStringLiteral(":eid"), QString::number(eid));
        s.bind(QStringLiteral(":e3"), minute);
        s.run();
    }
    t.commit();
}

void forgetRemindedAfter(Connection &lookup, const QString &minute)
{
    Transaction t(lookup);
    createTables(lookup);
    lookup.execute(data::forgetRemindedAfter(), {{QStringLiteral(":minute"), minute}});
    t.commit();
}

} // namespace data
