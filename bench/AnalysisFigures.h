#pragma once

#include "Figures.h"

#include <QString>
#include <vector>

class TData_in;

namespace bench {

class Installation;

// The analysis and product lists' data over a file with customers, products
// and analyses: the resets of vtv2_all and vtv4_all and both searches, each
// against the bare loop over its statement, a write before each.
std::vector<TimedFigure> analysisFigures(TData_in &dataIn, int runs);

// The loaded result of one statement over the main file, in megabytes.
double loadedMb(const Installation &installation, const QString &sql);

} // namespace bench
