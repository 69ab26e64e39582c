#pragma once

#include <cstddef>
#include <functional>
#include <vector>

namespace bench {

double median(std::vector<double> values);

// Milliseconds one call of `work` takes.
double timeMs(const std::function<void()> &work);

// Runs `first` and `second` once untimed, then alternately at least `runs`
// times each (more for very short work, until each has had about a tenth of
// a second) and returns the median milliseconds of each, so that both see the
// same caches and the same background load.
struct PairedTimes {
    double firstMs;
    double secondMs;
};
PairedTimes timeAlternately(int runs, const std::function<void()> &first, const std::function<void()> &second);

// Bytes the allocator has handed out and not yet taken back: the main heap
// plus the blocks it maps separately (large vectors land there).
size_t heapInUse();

} // namespace bench
