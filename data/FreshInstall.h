#pragma once

#include <QDir>
#include <QStringList>

namespace data {

// Creates a fresh installation in a working folder: Data/Main_data.db with
// every business table and the settings row (first-run flag '0'), and
// Data/C_data.db with the pick lists, both encrypted with their keys.
// An existing database file is never touched: such a file is left as it is and
// reported in the result. Throws DbError when a file cannot be created.
struct InstallResult {
    QStringList created;
    QStringList keptExisting;
};
InstallResult createFreshInstallation(const QDir &workDir);

} // namespace data
