#include "Clock.h"

namespace activities {

namespace {

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

} // namespace

std::shared_ptr<const Clock> systemClock()
{
    static const auto clock = std::make_shared<const SystemClock>();
    return clock;
}

} // namespace activities
