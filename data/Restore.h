#pragma once

#include "WorkSteps.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace data {

// What a checked archive holds, for the user to see before it is restored.
struct BackupContents {
    QDateTime made; // invalid when the archive does not say
    int customers = 0;
};

// Unpacks a backup archive (see Backup.h) into `folder`, which must be new
// (it is made, private), as "Data/Main_data.db" and "Data/C_data.db", and
// checks what it got before anything else is touched: both files present,
// each opened with its own key, sound by the engine's integrity check, and
// ours in shape (schemaDifference(): exactly our tables, columns and
// indexes, and the reminder's record where it is there, no view or trigger
// of its own). An index of ours that an older file lacks is added to the
// unpacked copy. Throws DbError, in Chinese,
// saying what is wrong (no archive, not a file, a truncated or damaged one,
// files under other keys, a table missing or not ours); whatever was
// unpacked is then removed again, as it is when the user cancelled through
// `progress` (nothing is returned then).
std::optional<BackupContents> unpackBackup(const QString &archive, const QString &folder,
                                           const BackupProgress &progress = {});

// Where a restore unpacks its archive (unpackBackup() makes it): a folder not
// yet there, in the working folder, so that the data folders trade places
// within one file system. Its name starts with kRestoreFolderPrefix.
QString newRestoreFolder(const QString &workDir);
inline constexpr const char *kRestoreFolderPrefix = ".talvero-restore-";

// Makes the working folder's Data/ and `staging`'s Data/ trade places:
// afterwards the working folder has the unpacked files and `staging` the
// ones it had. Atomic where the file system can exchange two names at once;
// elsewhere in steps that recoverInterruptedRestore() can take back. Throws
// DbError when they cannot trade; nothing has changed then.
void exchangeDataFolders(const QString &workDir, const QString &staging);

// After a restore failed with the files closed: gives the working folder
// its old Data/ back, wherever it is: the folders trade places back when
// they had traded (`traded`), and an old folder left in the staging folder
// while the working folder has none is moved back. True when the working
// folder has its old Data/ again; the staging folder then holds nothing of
// the user's.
bool putBackDataFolder(const QString &workDir, const QString &staging, bool traded);

// At start-up, before the files are opened: a restore the program did not
// finish (it was killed, the machine went down, putting the old files back
// failed) is taken back where the working folder was left without its
// Data/, and what restores left behind is removed.
void recoverInterruptedRestore(const QString &workDir);

} // namespace data
