#pragma once

#include <functional>

class QWidget;

namespace data {
class StandingQuery;
}

namespace ui {

// Runs `show` now, or, while `owner` is not on screen and nothing has asked
// for the query's rows yet, when `owner` is first shown: a control bound in a
// view the user has not opened makes its query read nothing. A control hidden
// inside its window (a hidden field others read) is shown its field as soon
// as anything has read the rows, since no showing may ever come.
void showWhenSeen(QWidget *owner, const data::StandingQuery &query, std::function<void()> show);

} // namespace ui
