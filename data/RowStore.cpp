#include "RowStore.h"

#include "DbError.h"
#include "Statement.h"

#include <cstring>
#include <numeric>

namespace data {

void RowStore::clear(int columns)
{
    m_columns = columns;
    m_chunks = std::vector<Chunk>();
    m_current = 0;
    m_offsets = std::vector<ChunkBytes>();
    m_blocks = 0;
    m_ordered = false;
    m_order = std::vector<uint32_t>();
}

void RowStore::load(Statement &statement)
{
    // The room of the old rows takes the new ones as they come: the two are
    // never held at once, and memory already in use is written again rather
    // than fresh memory taken. What the new rows do not need goes at the end.
    const int columns = statement.columnCount();
    m_spareChunks = std::move(m_chunks);
    if (columns == m_columns)
        m_spareOffsets = std::move(m_offsets);
    clear(columns);
    struct DropSpares {
        RowStore &store;
        ~DropSpares()
        {
            store.m_spareChunks = std::vector<Chunk>();
            store.m_spareOffsets = std::vector<ChunkBytes>();
        }
    } dropSpares{*this};

    Cells cells(static_cast<size_t>(m_columns));
    while (statement.step()) {
        for (int c = 0; c < m_columns; ++c)
            cells[size_t(c)] = statement.cell(c);
        appendBlock(cells);
    }
}

RowStore::Chunk RowStore::takeChunk(size_t least, size_t wanted)
{
    for (size_t i = m_spareChunks.size(); i-- > 0;) {
        if (m_spareChunks[i].size >= least) {
            Chunk spare = std::move(m_spareChunks[i]);
            m_spareChunks.erase(m_spareChunks.begin() + qsizetype(i));
            spare.used = 0;
            return spare;
        }
    }
    Chunk added;
    added.size = wanted;
    added.bytes = ChunkBytes(wanted);
    return added;
}

char *RowStore::roomFor(size_t size, uint32_t &chunk)
{
    if (size >= kNullBit)
        throw DbError(QStringLiteral("query result too large"));
    if (!m_chunks.empty()) {
        Chunk &current = m_chunks[m_current];
        if (current.size - current.used >= size) {
            chunk = uint32_t(m_current);
            char *at = current.bytes.get() + current.used;
            current.used += size;
            return at;
        }
    }
    // A row longer than the largest chunk gets one of its own size; the chunk
    // being filled stays the one rows go to.
    const size_t next = m_chunks.empty() ? kFirstChunk : std::min(m_chunks[m_current].size * 2, kLargestChunk);
    Chunk added = takeChunk(size, std::max(next, size));
    added.used = size;
    m_chunks.push_back(std::move(added));
    chunk = uint32_t(m_chunks.size() - 1);
    if (size <= kLargestChunk)
        m_current = chunk;
    return m_chunks.back().bytes.get();
}

uint32_t *RowStore::newBlock()
{
    if (m_blocks == UINT32_MAX)
        throw DbError(QStringLiteral("query result too large"));
    const int piece = pieceOf(m_blocks);
    if (size_t(piece) == m_offsets.size()) {
        // The old rows' piece of the same place has the same size.
        if (size_t(piece) < m_spareOffsets.size() && m_spareOffsets[size_t(piece)].get())
            m_offsets.push_back(std::move(m_spareOffsets[size_t(piece)]));
        else
            m_offsets.emplace_back(pieceBytes(piece));
    }
    return offsetsOf(piece) + size_t(m_blocks - firstBlockOf(piece)) * blockWidth();
}

size_t RowStore::pieceBytes(int piece) const
{
    const size_t bytes = (size_t(1) << (kBlockShift + piece)) * blockWidth() * sizeof(uint32_t);
    // A piece of a huge page or more is made a whole number of them.
    constexpr size_t huge = ChunkBytes::kHugePage;
    return bytes < huge ? bytes : (bytes + huge - 1) / huge * huge;
}

uint32_t RowStore::appendBlock(const Cells &cells)
{
    size_t size = 0;
    for (const auto &cell : cells)
        size += cell ? cell->size() : 0;
    uint32_t chunk = 0;
    char *at = size > 0 ? roomFor(size, chunk) : nullptr;
    uint32_t *b = newBlock();
    // Offsets count from the start of the row's chunk.
    uint32_t position = at ? uint32_t(at - m_chunks[chunk].bytes.get()) : 0;
    b[0] = chunk;
    for (size_t c = 0; c < size_t(m_columns); ++c) {
        const std::optional<std::string_view> &cell = cells[c];
        b[c + 1] = position | (cell ? 0u : kNullBit);
        if (cell && !cell->empty()) {
            std::memcpy(at, cell->data(), cell->size());
            at += cell->size();
            position += uint32_t(cell->size());
        }
    }
    b[size_t(m_columns) + 1] = position;
    return m_blocks++;
}

std::string_view RowStore::bytes(int row, int column) const
{
    const uint32_t *b = block(blockOf(row));
    const uint32_t start = b[column + 1] & ~kNullBit;
    const uint32_t end = b[column + 2] & ~kNullBit;
    if (end == start)
        return {};
    return std::string_view(m_chunks[b[0]].bytes.get() + start, end - start);
}

bool RowStore::isNull(int row, int column) const
{
    return block(blockOf(row))[column + 1] & kNullBit;
}

QString RowStore::text(int row, int column) const
{
    const std::string_view b = bytes(row, column);
    return QString::fromUtf8(b.data(), qsizetype(b.size()));
}

RowStore::Row RowStore::row(int r) const
{
    Row values(static_cast<size_t>(m_columns));
    for (int c = 0; c < m_columns; ++c) {
        if (!isNull(r, c))
            values[size_t(c)] = text(r, c);
    }
    return values;
}

void RowStore::keepOrder()
{
    if (m_ordered)
        return;
    m_order.resize(m_blocks);
    std::iota(m_order.begin(), m_order.end(), 0u);
    m_ordered = true;
}

uint32_t RowStore::appendRow(const Row &values)
{
    std::vector<QByteArray> utf8(static_cast<size_t>(m_columns));
    Cells cells(static_cast<size_t>(m_columns));
    for (size_t c = 0; c < size_t(m_columns); ++c) {
        if (c < values.size() && values[c]) {
            utf8[c] = values[c]->toUtf8();
            cells[c] = std::string_view(utf8[c].constData(), size_t(utf8[c].size()));
        }
    }
    return appendBlock(cells);
}

void RowStore::insertRow(int at, const Row &values)
{
    keepOrder();
    const uint32_t b = appendRow(values);
    m_order.insert(m_order.begin() + at, b);
}

void RowStore::replaceRow(int row, const Row &values)
{
    // The old block stays unused in the store until the next load.
    keepOrder();
    m_order[size_t(row)] = appendRow(values);
}

void RowStore::removeRow(int row)
{
    keepOrder();
    m_order.erase(m_order.begin() + row);
}

size_t RowStore::memoryUsed() const
{
    size_t bytes = m_chunks.capacity() * sizeof(Chunk);
    for (const Chunk &chunk : m_chunks)
        bytes += chunk.size;
    bytes += m_offsets.capacity() * sizeof(m_offsets[0]);
    // The offsets of rows not there are never written, so take no memory.
    bytes += size_t(m_blocks) * blockWidth() * sizeof(uint32_t);
    return bytes + m_order.capacity() * sizeof(uint32_t);
}

} // namespace data
