#pragma once

#include "Figures.h"

namespace bench {

class Installation;

// A backup of the installation, the program's files open as it has them:
// the archive written (online copy under the keys, the check, the zip)
// against copying the two files as they are, alternately.
TimedFigure backupFigure(const Installation &installation, int customers, int runs);

} // namespace bench
