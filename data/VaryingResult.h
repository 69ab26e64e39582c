#pragma once

#include <QString>

namespace data {

// True when a select may yield other rows from unchanged tables: it reads the
// clock ('now', current_date, a date or time function), draws random numbers
// or asks the connection about its own last changes. Such a result is always
// read again. Errs on the side of true: a word like these inside a quoted
// text counts too.
bool resultMayVary(const QString &sql);

} // namespace data
