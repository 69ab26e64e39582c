#pragma once

namespace bench {

// Start-up to the main window shown, on a fresh installation: from the
// first window made to the main window's first show. The median of some runs,
// each in a new folder.
double startupMs(int runs);
void printStartup(double ms);

} // namespace bench
