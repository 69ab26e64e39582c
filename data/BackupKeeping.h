#pragma once

#include <QDateTime>
#include <QStringList>

namespace data {

inline constexpr int kBackupDaysKept = 7;
inline constexpr int kOtherBackupsKept = 7;

// Which of the program's own backups (the day's, the exit's, the one taken
// before a restore) are no longer kept, by their file names: kept are the
// first backup of each of the last seven days on which any was made and,
// besides, the last seven others.
// What is first and last is judged by when they were made: those this run
// made (`thisRun`, in the order it made them) are the newest, on this run's
// clock; of those before, the ones whose names carry a time still to come on
// this clock (`now`), made while the clock ran ahead, count as older than
// the rest and as of no day, and the rest go by the time in their names. So
// a clock set wrong never takes the newest backups away, and the last one
// made is always kept. A name that is not of such a backup is never removed.
QStringList backupsToRemove(const QStringList &names, const QStringList &thisRun, const QDateTime &now);

// The time in such a backup's name ("Talvero-备份-2026-12-11-093015.zip", or
// with "-2" before ".zip" when that second was taken); invalid for any
// other name.
QDateTime backupNameTime(const QString &name);

} // namespace data
