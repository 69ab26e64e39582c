#include "RowStore.h"

#include "DbError.h"
#include "Statement.h"

namespace data {

void RowStore::appendCell(std::string_view bytes, bool null)
{
    const size_t start = m_bytes.size();
    if (start + bytes.size() >= kNullBit)
        throw DbError(QStringLiteral("query result too large"));
    m_offsets.push_back(uint32_t(start) | (null ? kNullBit : 0u));
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

void RowStore::load(Statement &statement, const RowStore *previous)
{
    m_columns = statement.columnCount();
    m_bytes.clear();
    m_offsets.clear();
    m_order.clear();
    if (previous && previous->m_columns == m_columns) {
        m_bytes.reserve(previous->m_bytes.size());
        m_offsets.reserve(previous->m_offsets.size());
        m_order.reserve(previous->m_order.size());
    }
    uint32_t blockIndex = 0;
    while (statement.step()) {
        for (int c = 0; c < m_columns; ++c) {
            const std::optional<std::string_view> cell = statement.cell(c);
            appendCell(cell.value_or(std::string_view()), !cell);
        }
        m_offsets.push_back(uint32_t(m_bytes.size()));
        m_order.push_back(blockIndex++);
    }
}

std::string_view RowStore::bytes(int row, int column) const
{
    const uint32_t *b = block(row);
    const uint32_t start = b[column] & ~kNullBit;
    const uint32_t end = b[column + 1] & ~kNullBit;
    return std::string_view(m_bytes.data() + start, end - start);
}

bool RowStore::isNull(int row, int column) const
{
    return block(row)[column] & kNullBit;
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

uint32_t RowStore::appendBlock(const Row &values)
{
    const auto blockIndex = uint32_t(m_offsets.size() / size_t(m_columns + 1));
    for (int c = 0; c < m_columns; ++c) {
        const Cell &cell = size_t(c) < values.size() ? values[size_t(c)] : Cell();
        const QByteArray utf8 = cell ? cell->toUtf8() : QByteArray();
        appendCell(std::string_view(utf8.constData(), size_t(utf8.size())), !cell);
    }
    m_offsets.push_back(uint32_t(m_bytes.size()));
    return blockIndex;
}

void RowStore::insertRow(int at, const Row &values)
{
    const uint32_t b = appendBlock(values);
    m_order.insert(m_order.begin() + at, b);
}

void RowStore::replaceRow(int row, const Row &values)
{
    // The old block stays unused in the buffer until the next load.
    m_order[size_t(row)] = appendBlock(values);
}

void RowStore::removeRow(int row)
{
    m_order.erase(m_order.begin() + row);
}

size_t RowStore::memoryUsed() const
{
    return m_bytes.capacity() + m_offsets.capacity() * sizeof(uint32_t) + m_order.capacity() * sizeof(uint32_t);
}

} // namespace data
