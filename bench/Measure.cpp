#include "Measure.h"

#include <QElapsedTimer>
#include <algorithm>
#include <malloc.h>

namespace bench {

double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2.0;
}

double timeMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

PairedTimes timeAlternately(int runs, const std::function<void()> &first, const std::function<void()> &second)
{
    constexpr double kEnoughMs = 100.0;
    constexpr int kMostRuns = 51;
    first();
    second();
    std::vector<double> a;
    std::vector<double> b;
    double totalA = 0;
    double totalB = 0;
    while (int(a.size()) < runs || (int(a.size()) < kMostRuns && std::min(totalA, totalB) < kEnoughMs)) {
        a.push_back(timeMs(first));
        b.push_back(timeMs(second));
        totalA += a.back();
        totalB += b.back();
    }
    return {median(a), median(b)};
}

size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

} // namespace bench
