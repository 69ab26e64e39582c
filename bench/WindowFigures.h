#pragma once

namespace app {
class Startup;
}

namespace bench {

// In the child, on the real main window of the started program: each command
// a user gives, from the click to the customer list painted and idle, against
// a bare loop over the statement the list ends up showing, on the program's
// own connection. Reports each figure to the parent (Protocol.h) and throws
// what it cannot measure.
//   客 户 from the company view, data unchanged;
//   刷新, data unchanged; 刷新 after a write;
//   搜索 > 客户信息, typing and 搜 索, to the results.
void runWindowFigures(app::Startup &started, int runs);

} // namespace bench
