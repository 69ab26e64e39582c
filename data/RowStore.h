#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace data {

class Statement;

// The rows of a query result held compactly: every cell's raw UTF-8 bytes in
// one buffer, found through one 32-bit offset per cell. Text is decoded only
// when a cell is read. A cell may hold no value at all (NULL), which differs
// from the empty text.
class RowStore {
public:
    using Cell = std::optional<QString>;
    using Row = std::vector<Cell>;

    explicit RowStore(int columns = 0) : m_columns(columns) {}

    int columnCount() const { return m_columns; }
    int rowCount() const { return int(m_order.size()); }

    // Reads every row the statement yields (the statement has just been
    // prepared). The previous result of the same query, if any, tells how
    // much room to take at once.
    void load(Statement &statement, const RowStore *previous = nullptr);

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
    uint32_t appendBlock(const Row &values);
    void appendCell(std::string_view bytes, bool null);
    const uint32_t *block(int row) const { return m_offsets.data() + size_t(m_order[size_t(row)]) * size_t(m_columns + 1); }

    int m_columns;
    std::vector<char> m_bytes;
    std::vector<uint32_t> m_offsets; // per block: start of each cell (null flag in the top bit), then the end
    std::vector<uint32_t> m_order;   // row -> block
};

} // namespace data
