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

} // namespace data
