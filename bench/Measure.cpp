#include "Measure.h"

#include <QElapsedTimer>
#include <algorithm>

namespace bench {

namespace {

constexpr int kFewestRuns = 3;
constexpr double kLongMs = 3000.0;  // spent on the work: the fewest runs will do
constexpr double kEnoughMs = 100.0; // short work runs until it has had this long
constexpr int kMostRuns = 51;

} // namespace

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

bool Repeats::more(double ms)
{
    ++m_done;
    m_totalMs += ms;
    if (m_done < kFewestRuns)
        return true;
    if (m_done < m_runs)
        return m_totalMs < kLongMs;
    return m_done < kMostRuns && m_totalMs < kEnoughMs;
}

PairedTimes timeAlternately(int runs, const std::function<void()> &first, const std::function<void()> &second,
                            const std::function<void()> &prepare)
{
    if (prepare)
        prepare();
    first();
    second();
    std::vector<double> a;
    std::vector<double> b;
    Repeats repeats(runs);
    do {
        if (prepare)
            prepare();
        a.push_back(timeMs(first));
        b.push_back(timeMs(second));
    } while (repeats.more(std::max(a.back(), b.back())));
    return {median(a), median(b)};
}

} // namespace bench
