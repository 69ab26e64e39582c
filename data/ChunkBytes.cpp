#include "ChunkBytes.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>
#include <utility>

namespace data {

namespace {

// `size` bytes at a huge-page boundary: a run one huge page longer is
// mapped, and what lies before and after the aligned part is given back.
char *mapAligned(size_t size)
{
    const size_t mapped = size + ChunkBytes::kHugePage;
    void *run = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (run == MAP_FAILED)
        throw std::bad_alloc();
    const auto begin = reinterpret_cast<uintptr_t>(run);
    const uintptr_t aligned = (begin + ChunkBytes::kHugePage - 1) & ~uintptr_t(ChunkBytes::kHugePage - 1);
    if (aligned > begin)
        ::munmap(run, aligned - begin);
    const uintptr_t end = begin + mapped;
    if (end > aligned + size)
        ::munmap(reinterpret_cast<void *>(aligned + size), end - (aligned + size));
    // Advice only: without huge pages the chunk works all the same.
    ::madvise(reinterpret_cast<void *>(aligned), size, MADV_HUGEPAGE);
    return reinterpret_cast<char *>(aligned);
}

} // namespace

ChunkBytes::ChunkBytes(size_t size) : m_size(size), m_mapped(size > 0 && size % kHugePage == 0)
{
    m_bytes = m_mapped ? mapAligned(size) : new char[size];
}

ChunkBytes::~ChunkBytes()
{
    release();
}

ChunkBytes::ChunkBytes(ChunkBytes &&other) noexcept
    : m_bytes(std::exchange(other.m_bytes, nullptr)), m_size(std::exchange(other.m_size, 0)),
      m_mapped(std::exchange(other.m_mapped, false))
{
}

ChunkBytes &ChunkBytes::operator=(ChunkBytes &&other) noexcept
{
    if (this != &other) {
        release();
        m_bytes = std::exchange(other.m_bytes, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_mapped = std::exchange(other.m_mapped, false);
    }
    return *this;
}

void ChunkBytes::release() noexcept
{
    if (!m_bytes)
        return;
    if (m_mapped)
        ::munmap(m_bytes, m_size);
    else
        delete[] m_bytes;
    m_bytes = nullptr;
}

} // namespace data
