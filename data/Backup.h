#pragma once

#include <QDateTime>
#include <QDir>
#include <QString>
#include <QStringList>
#include "WorkSteps.h"

namespace data {

class Connection;

// A backup of an installation: one archive file (zip) holding both database
// files as they are on disk, encrypted under their own keys, at the places
// they have in the working folder ("Data/Main_data.db", "Data/C_data.db"),
// and a line that says what the archive is and when it was made. Each member
// carries the date and time the backup was made.

// Copies both open databases into a new archive at `path` while the program
// runs: each through the engine's online backup, a few pages at a time so
// that saves go through meanwhile, into a fresh file under the same key in a
// private work folder in Backup/ of the working folder (what a backup that
// was killed leaves there goes at the next start:
// removeInterruptedBackups()), then opened with its key and checked
// (integrity) before it goes into the archive, which is made there too. The
// archive is written under its name by the one writer (PrivateFileWriter):
// private to the user, whole or not at all; a file or a symbolic link of
// that name is replaced only by a finished archive. False when cancelled
// through `progress`. Throws DbError, in Chinese, saying what failed (a full
// or read-only disk among them).
bool writeBackup(const QDir &workDir, Connection &main, Connection &lookup, const QString &path,
                 const QDateTime &when = QDateTime::currentDateTime(), const BackupProgress &progress = {});

// At start-up, before anything else is backed up: removes what backups that
// did not finish (the program was killed) left in Backup/: their work
// folders, and an automatic archive not yet written whole.
void removeInterruptedBackups(const QDir &workDir);

// The name a backup made at `when` gets unless the user gives another:
// "Talvero-备份-2026-12-11-093015.zip".
QString backupFileName(const QDateTime &when);

// Where the program keeps its own backups: Backup/ of the working folder.
QString automaticBackupFolder(const QDir &workDir);
// The automatic backups, in Backup/ of the working folder, by name.
QStringList automaticBackups(const QDir &workDir);
// Whether none has been made on that day yet.
bool automaticBackupDue(const QDir &workDir, const QDate &day);
// Makes an automatic backup (the folder private, made if missing; a name
// already taken gets a number) and removes the older ones that are no longer
// kept (keptBackups()). Returns the archive's path. Throws DbError when it
// cannot be made; the backups before it are left as they were.
QString writeAutomaticBackup(Connection &main, Connection &lookup, const QDir &workDir, const QDateTime &when,
                             const BackupProgress &progress = {});

} // namespace data
