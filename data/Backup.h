#pragma once

#include <QDateTime>
#include <QDir>
#include <QString>
#include <QStringList>

namespace data {

class Connection;

// A backup of an installation: one archive file (zip) holding both database
// files as they are on disk, encrypted under their own keys, at the places
// they have in the working folder ("Data/Main_data.db", "Data/C_data.db"),
// and a line that says what the archive is.

// Copies both open databases into a new archive at `path` while the program
// runs: each through the engine's online backup into a fresh file under the
// same key, so that the copy is consistent whatever the program does, then
// opened with its key and checked (integrity) before it goes into the
// archive. The archive is private to the user and appears whole or not at
// all; a file of that name is replaced only by a finished archive. Throws
// DbError saying what failed (a full or read-only disk among them).
void writeBackup(Connection &main, Connection &lookup, const QString &path);

// The name a backup made at `when` gets unless the user gives another:
// "Talvero-备份-2026-12-11-093015.zip".
QString backupFileName(const QDateTime &when);

// The automatic backups, in Backup/ of the working folder, newest last.
QStringList automaticBackups(const QDir &workDir);
// Whether none has been made on that day yet.
bool automaticBackupDue(const QDir &workDir, const QDate &day);
// Makes an automatic backup (the folder private, made if missing) and keeps
// the newest seven, removing older ones. Returns the archive's path. Throws
// DbError when it cannot be made; the backups before it are left as they were.
QString writeAutomaticBackup(Connection &main, Connection &lookup, const QDir &workDir, const QDateTime &when);

inline constexpr int kAutomaticBackupsKept = 7;

} // namespace data
