#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class TData_in;
class QDir;

namespace bench {

// A time of the data layer set against the bare loop over the same statement.
struct TimedFigure {
    QString name;
    double modelMs = 0;
    double bareMs = 0;
    int64_t rows = 0;
    double target = 0; // highest acceptable model/bare ratio
    double ratio() const { return bareMs > 0 ? modelMs / bareMs : 0; }
    bool ok() const { return ratio() <= target; }
};

// Memory a loaded result adds, scaled to 100,000 customers.
struct MemoryFigure {
    double heapMbPer100k = 0;     // growth of the allocator's bytes in use
    double rowStoreMbPer100k = 0; // what the row store itself reports
    int64_t rows = 0;
    double target = 0; // highest acceptable MB per 100,000 customers
    bool ok() const { return heapMbPer100k <= target; }
};

// The statements the two search figures run.
QString customerSearchText();
QString companySearchText();

TimedFigure resetFigure(TData_in &dataIn, int runs);
MemoryFigure memoryFigure(TData_in &dataIn);
TimedFigure customerSearchFigure(TData_in &dataIn, int runs);
TimedFigure companySearchFigure(TData_in &dataIn, int runs);

// Start-up to the main window shown. Not measured yet: it needs the
// application shell (and linking its library). Until then this returns

} // namespace bench
