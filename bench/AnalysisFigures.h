#pragma once

#include "Figures.h"

#include <QString>
#include <vector>

class TData_in;

namespace bench {

// The analysis and product lists' data over a file with customers, products
// and analyses: the resets of vtv2_all and vtv4_all and both searches, each
// against the bare loop over its statement, a write before each.
std::vector<TimedFigure> analysisFigures(TData_in &dataIn, int runs);

} // namespace bench
