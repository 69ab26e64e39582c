#pragma once

#include "Figures.h"

#include <vector>

class TData_in;

namespace bench {

// The employee list's data over a file with employees: the reset of
// utm1_all and the employee search, each against the bare loop over its
// statement, a write before each.
std::vector<TimedFigure> employeeFigures(TData_in &dataIn, int runs);

} // namespace bench
