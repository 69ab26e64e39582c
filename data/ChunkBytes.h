#pragma once

#include <cstddef>

namespace data {

// The bytes of one chunk of a row store. A chunk of a whole number of huge
// pages (2 MiB) comes straight from the system at a huge-page boundary, with
// the advice to back it by huge pages where the system offers them: filling a
// large result then takes one page fault per 2 MiB rather than one per 4 KiB,
// and those faults were most of what taking fresh memory cost. Smaller chunks
// come from the heap as any allocation does.
class ChunkBytes {
public:
    static constexpr size_t kHugePage = size_t(2) * 1024 * 1024;

    ChunkBytes() = default;
    explicit ChunkBytes(size_t size); // throws std::bad_alloc
    ~ChunkBytes();
    ChunkBytes(ChunkBytes &&other) noexcept;
    ChunkBytes &operator=(ChunkBytes &&other) noexcept;
    ChunkBytes(const ChunkBytes &) = delete;
    ChunkBytes &operator=(const ChunkBytes &) = delete;

    char *get() const { return m_bytes; }

private:
    void release() noexcept;

    char *m_bytes = nullptr;
    size_t m_size = 0;
    bool m_mapped = false; // from the system, else from the heap
};

} // namespace data
