#pragma once

#include <QDateTime>
#include <QString>

namespace data {

// Dates, times and date-times as stored: zero-padded, fixed width, so that
// text order is time order ("2008-11-27", "22:49", "2008-11-27 22:49").
inline QString dateText(const QDate &date) { return date.toString(QStringLiteral("yyyy-MM-dd")); }
inline QString timeText(const QTime &time) { return time.toString(QStringLiteral("HH:mm")); }
inline QString dateTimeText(const QDateTime &moment)
{
    return dateText(moment.date()) + u' ' + timeText(moment.time());
}

} // namespace data
