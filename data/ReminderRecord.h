#pragma once

#include <QString>
#include <optional>
#include <set>
#include <utility>
#include <vector>

namespace data {

class Connection;

// What the activity reminder keeps in Data/C_data.db between runs (the
// tables are described with their statements in ReminderText.h). Every
// function throws DbError when the file refuses it; the writes make the
// tables first where the file lacks them (a file from before they existed,
// or one a restore put in place), each in one transaction.

// An activity announced: its key and the minute (e3) it was announced for.
using ReminderMark = std::pair<qint64, QString>;

// The last minute the reminder looked at.
struct ReminderWatch {
    QString minute; // as the wall clock showed it ("2024-01-05 09:30")
    qint64 utc = 0; // the same moment, seconds since 1970-01-01 UTC
};

void createReminderTables(Connection &lookup);

// The last minute looked at, when a run has recorded one.
std::optional<ReminderWatch> readReminderWatch(Connection &lookup);
// Records the last minute looked at, and forgets the marks of minutes before
// `keepFrom`, which no clock step the reminder takes back to reaches.
void writeReminderWatch(Connection &lookup, const ReminderWatch &watch, const QString &keepFrom);

// The activities announced for `from` and the minutes after it.
std::set<ReminderMark> readRemindedFrom(Connection &lookup, const QString &from);
void markReminded(Connection &lookup, const std::vector<ReminderMark> &marks);
// Forgets the marks of the minutes after `minute`: announced on a clock that
// was ahead, they are announced again when their minute comes.
void forgetRemindedAfter(Connection &lookup, const QString &minute);

} // namespace data
