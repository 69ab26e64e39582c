#pragma once

namespace app {
class Startup;
}

namespace bench {

// In the child: reloads the customer list five times as a user does after
// changing a customer (a write, then 客 户), each to the list painted and
// idle; then tells the parent it is ready to be measured (Protocol.h) and
// waits for "quit" (or the end of its input).
void reloadThenWait(app::Startup &started);

} // namespace bench
