#pragma once

#include <QString>

namespace data {

// Unpacks a backup archive (see Backup.h) into `folder`, which must be new
// (it is made, private), as "Data/Main_data.db" and "Data/C_data.db", and
// checks what it got before anything else is touched: both files present,
// each opened with its own key, sound by the engine's integrity check, and
// holding every table of an installation. Throws DbError saying what is
// wrong (no archive, a truncated or damaged one, files under other keys, a
// table missing); whatever was unpacked is then removed again.
void unpackBackup(const QString &archive, const QString &folder);

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

// At start-up, before the files are opened: a restore the program did not
// finish (it was killed, the machine went down) is taken back where the
// working folder was left without its Data/, and what restores left behind
// is removed.
void recoverInterruptedRestore(const QString &workDir);

} // namespace data
