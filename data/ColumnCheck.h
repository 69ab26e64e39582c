#pragma once

#include <QString>
#include <QStringList>

namespace data {

class StandingQuery;

// A control bound to a column its table does not have would show nothing and
// write nowhere, without a word. Every binding is checked against the schema:
// a misspelt column stops a debug build at start-up, and is kept in a list
// that the tests read, so that it is never a silent skip.
void checkColumn(const StandingQuery &query, const QString &column);
// Every unknown column met so far, as "query.column".
QStringList unknownBindings();
// Tests that bind a misspelt column on purpose keep a debug build running.
void setUnknownColumnsFatal(bool fatal);
void clearUnknownBindings();

} // namespace data
