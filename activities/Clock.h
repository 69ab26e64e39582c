#pragma once

#include <QDateTime>
#include <memory>

namespace activities {

// Where the reminder reads the time of day: the local wall clock, which a
// test replaces with one it sets itself.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

// The computer's own clock, in local time.
std::shared_ptr<const Clock> systemClock();

} // namespace activities
