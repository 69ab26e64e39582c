#pragma once

#include <functional>

class TData_in;

namespace data {
class StandingQuery;
}

namespace bench {

// The customer list loaded (not timed), checked against one bare loop over
// its statement on its own connection, which leaves that connection warm.
data::StandingQuery &loadCustomerList(TData_in &dataIn);

// The bare loop over a list's statement, on the list's own connection.
std::function<void()> bareLoopOver(const data::StandingQuery &list);

} // namespace bench
