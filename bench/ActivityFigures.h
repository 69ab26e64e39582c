#pragma once

#include "Figures.h"

#include <vector>

class TData_in;

namespace bench {

class Installation;

// The activity list's data over a file with customers and activities: the
// reset of vtv1_all, the type filter and the activity search, each against
// the bare loop over its statement, a write before each.
std::vector<TimedFigure> activityFigures(TData_in &dataIn, int runs);

// One reminder poll as the program runs it (its statement prepared and read
// to the end) for a minute with an activity, in milliseconds: the median of
// many.
double reminderPollMs(const Installation &installation, int polls);

} // namespace bench
