#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// A small generator (splitmix64) whose sequence is the same on every
// platform and standard library, so a given start value always yields the same rows.
class Random {
public:
    explicit Random(uint64_t startValue) : m_state(startValue) {}

    uint64_t next()
    {
        uint64_t z = (m_state += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }

    int below(int n) { return int(next() % uint64_t(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }

    template <typename T>
    const T &pick(const std::vector<T> &items) { return items[size_t(below(int(items.size())))]; }

    std::string digits(int count)
    {
        std::string s;
        s.reserve(size_t(count));
        for (int i = 0; i < count; ++i)
            s += char('0' + below(10));
        return s;
    }

private:
    uint64_t m_state;
};

} // namespace bench
