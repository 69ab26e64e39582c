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
struct InstallResult {
    QStringList created;
    QStringList keptExisting;
};
InstallResult createFreshInstallation(const QDir &workDir);

} // namespace data
