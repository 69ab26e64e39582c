#pragma once

#include <QDir>
#include <QStringList>

namespace data {

// Creates a fresh installation in a working folder: Data/Main_data.db with
// every business table and the settings row (first-run flag '0'), and
// Data/C_data.db with the pick lists, both encrypted with their keys.
// The data are for the user alone: a new Data folder is made 0700 and a new
// file 0600; an existing folder or file loses whatever rights other users had
// (keepPrivate()) and is never made wider than it was.
// The contents of an existing database file are never touched: such a file is
// left as it is and reported in the result. Throws DbError when a file cannot
// be created or made private.
// Beside the databases it writes the reminder's sound, ring.wav, when the
// folder has none, and each list report's file that Rop/ lacks: a file of
// that name the user put there is never replaced.
struct InstallResult {
    QStringList created;      // database files
    QStringList keptExisting; // database files
    QString soundWritten;     // ring.wav, when it was missing and has been written
    QStringList reportsWritten; // the report files of Rop/ that were missing and have been written
};
InstallResult createFreshInstallation(const QDir &workDir);

// The file the reminder plays, relative to the working folder.
inline constexpr const char *kSoundFile = "ring.wav";

// Writes the program's own chime as ring.wav into the folder, private to the
// user, unless a file (or anything else) of that name is there. True when it
// was written; throws DbError when it cannot be.
bool writeSoundIfMissing(const QDir &workDir);

class Connection;
// Adds the indexes of the main database that an existing file lacks (files
// made before the index was part of the installation). Rows stay as they are.
// Returns the names of the indexes added.
QStringList addMissingIndexes(Connection &main);

} // namespace data
