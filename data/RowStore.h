#pragma once

#include "ChunkBytes.h"

#include <QString>
#include <bit>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace data {

class Statement;

// The rows of a query result held compactly: every cell's raw UTF-8 bytes,
// found through one 32-bit offset per cell. Text is decoded only when a cell
// is read. A cell may hold no value at all (NULL), which differs from the
// empty text.
//
// The store grows in pieces that are never moved or copied: the bytes of each
// row lie together in one byte chunk (chunks grow from a few kilobytes to a
// huge page of 2 MiB; a row longer than that gets a chunk of its own), and the offsets
// of each row form one block in a table of fixed-size pieces. Loading a result
// therefore never needs room for two copies of it.
class RowStore {
public:
    using Cell = std::optional<QString>;
    using Row = std::vector<Cell>;

    explicit RowStore(int columns = 0) : m_columns(columns) {}
    RowStore(RowStore &&) noexcept = default;
    RowStore &operator=(RowStore &&) noexcept = default;
    RowStore(const RowStore &) = delete;
    RowStore &operator=(const RowStore &) = delete;

    int columnCount() const { return m_columns; }
    int rowCount() const { return m_ordered ? int(m_order.size()) : int(m_blocks); }

    // Drops every row and the room they took; the columns stay.
    void clear(int columns);

    // Drops what the store holds, then reads every row the statement yields
    // (the statement has just been prepared).
    void load(Statement &statement);

    std::string_view bytes(int row, int column) const;
    bool isNull(int row, int column) const;
    QString text(int row, int column) const;
    Row row(int row) const;

    void insertRow(int at, const Row &values);
    void replaceRow(int row, const Row &values);
    void removeRow(int row);

    // Bytes held, for the benchmark's memory figure.
    size_t memoryUsed() const;

private:
    static constexpr uint32_t kNullBit = 0x80000000u;
    static constexpr int kBlockShift = 8; // blocks in the first piece of the offset table: 256
    static constexpr size_t kFirstChunk = 4 * 1024;
    static constexpr size_t kLargestChunk = ChunkBytes::kHugePage;

    struct Chunk {
        ChunkBytes bytes;
        size_t size = 0;
        size_t used = 0;
    };

    // One row's cells before they are stored; nullopt for a NULL cell.
    using Cells = std::vector<std::optional<std::string_view>>;
    uint32_t appendBlock(const Cells &cells);
    uint32_t appendRow(const Row &values);
    uint32_t *newBlock();
    char *roomFor(size_t size, uint32_t &chunk);
    Chunk takeChunk(size_t least, size_t wanted);
    uint32_t blockOf(int row) const { return m_ordered ? m_order[size_t(row)] : uint32_t(row); }
    const uint32_t *block(uint32_t b) const
    {
        const int piece = pieceOf(b);
        return offsetsOf(piece) + size_t(b - firstBlockOf(piece)) * blockWidth();
    }
    // Piece n of the offset table holds 256 << n blocks: the first hold few,
    // so that a short result takes little room, and a long one needs few.
    static int pieceOf(uint32_t b) { return std::bit_width((b >> kBlockShift) + 1) - 1; }
    static uint32_t firstBlockOf(int piece) { return uint32_t(((uint64_t(1) << piece) - 1) << kBlockShift); }
    uint32_t *offsetsOf(int piece) const { return reinterpret_cast<uint32_t *>(m_offsets[size_t(piece)].get()); }
    size_t pieceBytes(int piece) const;
    size_t blockWidth() const { return size_t(m_columns) + 2; } // chunk, start of each cell, end
    void keepOrder();

    int m_columns;
    std::vector<Chunk> m_chunks;
    size_t m_current = 0;                             // the chunk that rows are added to
    std::vector<ChunkBytes> m_offsets; // per block: its chunk, the start of each cell in it
                                                      // (null flag in the top bit), then the end
    uint32_t m_blocks = 0;
    bool m_ordered = false;        // false: row n is block n
    std::vector<uint32_t> m_order; // row -> block, once rows were inserted, replaced or removed

    // While a load runs: the room of the rows it replaces.
    std::vector<Chunk> m_spareChunks;
    std::vector<ChunkBytes> m_spareOffsets;
};

} // namespace data
