#pragma once

#include "FreshInstall.h"

#include <QString>

namespace data {

// The working folder as the launcher prepares it at every start: the folder
// is made where it is missing, with each missing folder above it (0700, for
// the user alone), and a fresh installation is made in it
// (createFreshInstallation: existing files are never touched). Throws DbError
// with a Chinese message that names the folder and the cause (a file in the
// way, no right to write, a full disk, ...).
InstallResult prepareWorkFolder(const QString &folder);

} // namespace data
