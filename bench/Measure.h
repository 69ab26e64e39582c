#pragma once

#include <functional>
#include <vector>

namespace bench {

double median(std::vector<double> values);

// Milliseconds one call of `work` takes.
double timeMs(const std::function<void()> &work);

// How many times a measurement is repeated: at least three times; up to
// `runs` times unless the work is long (seconds already spent on it); and
// more for very short work, until it has had about a tenth of a second.
class Repeats {
public:
    explicit Repeats(int runs) : m_runs(runs) {}
    // Adds the time of one more run; true while another run is wanted.
    bool more(double ms);
    int done() const { return m_done; }

private:
    int m_runs;
    int m_done = 0;
    double m_totalMs = 0;
};

// Runs `first` and `second` once untimed, then alternately, as often as
// Repeats asks for the slower of the two, and returns the median milliseconds
// of each, so that both see the same caches and the same background load.
// `prepare`, when given, runs untimed before every `first`: it sets up the
// state the timed work starts from (a write, another view shown).
struct PairedTimes {
    double firstMs;
    double secondMs;
};
PairedTimes timeAlternately(int runs, const std::function<void()> &first, const std::function<void()> &second,
                            const std::function<void()> &prepare = {});

} // namespace bench
