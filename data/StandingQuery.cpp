#include "StandingQuery.h"

#include "Connection.h"
#include "DbError.h"
#include "SqlText.h"
#include "Statement.h"
#include "VaryingResult.h"

#include <QMetaMethod>

namespace data {

namespace {

// Silences the forwarding of the cursor's own signals while the query moves
// the cursor itself; the query then reports the new row once.
class Quiet {
public:
    explicit Quiet(int &depth) : m_depth(depth) { ++m_depth; }
    ~Quiet() { --m_depth; }

private:
    int &m_depth;
};

} // namespace

RowCursor::RowCursor(StandingQuery *query) : QItemSelectionModel(query), m_query(query) {}

void RowCursor::setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command)
{
    const int from = currentIndex().row();
    if (!index.isValid() || index.row() == from || m_query->state() == StandingQuery::State::Browse) {
        QItemSelectionModel::setCurrentIndex(index, command);
        return;
    }
    int target = index.row();
    const int column = index.column();
    const int before = m_query->count();
    if (!m_query->leaveRow())
        return;
    if (m_query->count() < before && target > from)
        --target; // the untouched new row was dropped above the target
    QItemSelectionModel::setCurrentIndex(m_query->index(target, column), command);
}

void RowCursor::select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command)
{
    // While a move was refused, no other row may look selected.
    if (m_query->state() != StandingQuery::State::Browse && (command & QItemSelectionModel::Select)
        && currentIndex().isValid() && !selection.contains(currentIndex()))
        return;
    QItemSelectionModel::select(selection, command);
}

StandingQuery::StandingQuery(const QString &name, Connection &connection, const QString &table, const QString &key,
                             const QString &standingText, QObject *parent)
    : QAbstractTableModel(parent), m_name(name), m_connection(connection), m_table(table), m_key(key),
      m_standingText(standingText), m_text(standingText), m_cursor(new RowCursor(this))
{
    // The columns are known before the first open, so that bound controls of
    // a query that starts closed can find their fields.
    Statement shape(connection, QStringLiteral("select * from ") + table);
    for (int c = 0; c < shape.columnCount(); ++c)
        m_columns << shape.columnName(c);
    m_rows = RowStore(int(m_columns.size()));

    connect(m_cursor, &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current, const QModelIndex &previous) {
                if (m_quiet == 0 && current.row() != previous.row())
                    emit currentRowChanged(current.row());
            });
}

void StandingQuery::close()
{
    Quiet quiet(m_quiet);
    discardBuffer();
    beginResetModel();
    m_rows.clear(int(m_columns.size()));
    m_rowsAsRead = false;
    m_deferred = false;
    m_open = false;
    endResetModel();
    emit refreshed();
    emit currentRowChanged(-1);
}

void StandingQuery::setText(const QString &sql)
{
    m_text = sql;
}

void StandingQuery::open()
{
    if (!m_open)
        load();
}

void StandingQuery::openDeferred()
{
    if (m_open)
        return;
    // A control already bound has been told the query is closed; it must
    // hear of the rows as they come. (Every view and list box of an item
    // model follows its inserted rows; the query's own cursor does not.)
    static const QMetaMethod boundBy[] = {QMetaMethod::fromSignal(&QAbstractItemModel::rowsInserted),
                                          QMetaMethod::fromSignal(&StandingQuery::refreshed),
                                          QMetaMethod::fromSignal(&StandingQuery::currentRowChanged)};
    for (const QMetaMethod &signal : boundBy) {
        if (isSignalConnected(signal)) {
            load();
            return;
        }
    }
    Statement prepared(m_connection, m_text); // a text the engine refuses throws now
    m_rows.clear(int(m_columns.size()));
    m_readText = m_text; // what the rows will be read with, whatever text is set meanwhile
    m_rowsAsRead = false;
    m_deferred = true;
    m_open = true;
}

void StandingQuery::reset()
{
    m_text = m_standingText;
    load();
}

void StandingQuery::reopen()
{
    load();
}

void StandingQuery::filter(const QString &sql)
{
    m_text = sql;
    load();
}

bool StandingQuery::rowsStillHold()
{
    if (!m_open || m_deferred || !m_rowsAsRead || m_state != State::Browse || m_text != m_readText
        || resultMayVary(m_text))
        return false;
    try {
        return m_connection.unchangedSince(m_readStamp);
    } catch (const DbError &) {
        return false; // the read that follows tells what is wrong
    }
}

// Reads the rows of a text. The new rows take the room of the old ones as they
// come (RowStore::load), so that the two are never held at once; on failure
// the caller empties the store.
void StandingQuery::readRows(const QString &text)
{
    m_rowsAsRead = false;
    m_deferred = false;
    ++m_reads;
    // Stamped before reading: a change made while the rows are read is taken
    // for one made after, and the next refresh reads them again.
    const ChangeStamp stamp = m_connection.changeStamp();
    Statement statement(m_connection, text);
    m_rows.load(statement);
    if (m_rows.columnCount() != m_columns.size()) {
        m_columns.clear();
        for (int c = 0; c < statement.columnCount(); ++c)
            m_columns << statement.columnName(c);
    }
    m_readText = text;
    m_readStamp = stamp;
    m_rowsAsRead = true;
}

void StandingQuery::load()
{
    const bool keep = rowsStillHold();
    m_deferred = false; // whatever asks from here on waits for this read
    Quiet quiet(m_quiet);
    discardBuffer();
    beginResetModel();
    bool ok = true;
    QString error;
    int code = 0;
    if (!keep) {
        try {
            readRows(m_text);
        } catch (const DbError &e) {
            ok = false;
            error = e.message();
            code = e.code();
            m_rows.clear(int(m_columns.size()));
        }
    }
    m_open = ok;
    endResetModel();
    if (!isEmpty())
        m_cursor->QItemSelectionModel::setCurrentIndex(index(0, 0),
                                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    emit refreshed();
    emit currentRowChanged(currentRow());
    if (!ok)
        throw DbError(error, code);
}

// The rows of a query opened with openDeferred() are read here, the first time
// anything asks for them. Whoever asks has seen no rows yet, so no reset is
// announced: the query answers with the rows it now has, its first row current,
// as if they had been there from the start. Controls that were waiting to be
// seen before they asked hear of the rows through rowsArrived().
void StandingQuery::readDeferred()
{
    {
        Quiet quiet(m_quiet);
        try {
            readRows(QString(m_readText));
        } catch (const DbError &e) {
            m_rows.clear(int(m_columns.size()));
            m_open = false;
            // Not from inside the caller (a view asking for its row count, say).
            QMetaObject::invokeMethod(
                this, [this, message = e.message()] { emit failed(message); }, Qt::QueuedConnection);
            return;
        }
        if (m_rows.rowCount())
            m_cursor->QItemSelectionModel::setCurrentIndex(index(0, 0), QItemSelectionModel::ClearAndSelect
                                                                            | QItemSelectionModel::Rows);
    }
    emit rowsArrived();
}

const RowStore &StandingQuery::rows() const
{
    // Reading the rows late changes nothing anyone has seen: the query is
    // const to its callers in all that they can tell.
    if (m_deferred)
        const_cast<StandingQuery *>(this)->readDeferred();
    return m_rows;
}

int StandingQuery::currentRow() const
{
    rows();
    const QModelIndex current = m_cursor->currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool StandingQuery::moveTo(int row)
{
    if (row < 0 || row >= count())
        return false;
    if (row == currentRow())
        return true;
    const QModelIndex current = m_cursor->currentIndex();
    const int column = current.isValid() ? current.column() : 0;
    m_cursor->setCurrentIndex(index(row, column), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    return m_state == State::Browse;
}

int StandingQuery::fieldIndex(const QString &column) const
{
    for (qsizetype c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].compare(column, Qt::CaseInsensitive) == 0)
            return int(c);
    }
    return -1;
}

QString StandingQuery::value(int row, int column) const
{
    if (row < 0 || row >= count() || column < 0 || column >= m_columns.size())
        return {};
    if (m_state != State::Browse && row == currentRow())
        return m_buffer[size_t(column)].value_or(QString());
    return m_rows.text(row, column);
}

bool StandingQuery::isNull(int row, int column) const
{
    if (m_state != State::Browse && row == currentRow())
        return !m_buffer[size_t(column)].has_value();
    return rows().isNull(row, column);
}

QString StandingQuery::field(const QString &column) const
{
    return value(currentRow(), fieldIndex(column));
}

bool StandingQuery::isModified() const
{
    return m_state != State::Browse && std::find(m_changed.begin(), m_changed.end(), true) != m_changed.end();
}

void StandingQuery::setState(State state)
{
    m_state = state;
    emit stateChanged();
}

void StandingQuery::discardBuffer()
{
    m_buffer.clear();
    m_changed.clear();
    if (m_state != State::Browse)
        setState(State::Browse);
}

void StandingQuery::edit()
{
    if (!canEdit())
        throw DbError(QStringLiteral("%1 cannot be changed").arg(m_name));
    if (m_state != State::Browse)
        return;
    const int row = currentRow();
    if (row < 0)
        throw DbError(QStringLiteral("no current record"));
    m_buffer = m_rows.row(row);
    m_changed.assign(size_t(m_columns.size()), false);
    setState(State::Edit);
}

void StandingQuery::setField(const QString &column, const QString &value)
{
    const int c = fieldIndex(column);
    if (c < 0)
        throw DbError(QStringLiteral("no such column: %1").arg(column));
    setField(c, value);
}

void StandingQuery::setField(int column, const QString &value)
{
    if (m_state == State::Browse)
        edit();
    if (m_buffer[size_t(column)] == value && m_changed[size_t(column)])
        return;
    const bool wasModified = isModified();
    m_buffer[size_t(column)] = value;
    m_changed[size_t(column)] = true;
    const QModelIndex cell = index(currentRow(), column);
    emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    if (!wasModified)
        emit stateChanged();
}

QStringList StandingQuery::changedColumns() const
{
    QStringList names;
    for (size_t c = 0; c < m_changed.size(); ++c) {
        if (m_changed[c] && m_columns[qsizetype(c)].compare(m_key, Qt::CaseInsensitive) != 0)
            names << m_columns[qsizetype(c)];
    }
    return names;
}

RowStore::Row StandingQuery::readRow(const QString &keyValue)
{
    Statement select(m_connection, data::selectRow(m_table, m_key));
    select.bind(m_key, keyValue);
    if (!select.step())
        return m_buffer;
    RowStore::Row row(size_t(m_columns.size()));
    for (int c = 0; c < select.columnCount() && c < m_columns.size(); ++c) {
        if (!select.isNull(c))
            row[size_t(c)] = select.text(c);
    }
    return row;
}

void StandingQuery::writeUpdate()
{
    const QStringList columns = changedColumns();
    const int row = currentRow();
    const QString keyValue = m_rows.text(row, fieldIndex(m_key));
    if (!columns.isEmpty()) {
        Statement update(m_connection, data::updateRow(m_table, columns, m_key));
        for (const QString &c : columns)
            update.bind(c, m_buffer[size_t(fieldIndex(c))].value_or(QString()));
        update.bind(m_key, keyValue);
        update.run();
    }
    rowsEdited();
    m_rows.replaceRow(row, readRow(keyValue));
}

void StandingQuery::writeInsert()
{
    const QStringList columns = changedColumns();
    Statement insert(m_connection, data::insertRow(m_table, columns));
    for (const QString &c : columns)
        insert.bind(c, m_buffer[size_t(fieldIndex(c))].value_or(QString()));
    insert.run();
    rowsEdited();
    m_rows.replaceRow(currentRow(), readRow(QString::number(m_connection.lastInsertId())));
}

void StandingQuery::post()
{
    emit aboutToPost();
    if (m_state == State::Browse)
        return;
    if (m_state == State::Insert && !isModified()) {
        cancel();
        return;
    }
    if (m_state == State::Insert)
        writeInsert();
    else
        writeUpdate();
    const int row = currentRow();
    discardBuffer();
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void StandingQuery::cancel()
{
    if (m_state == State::Browse)
        return;
    const int row = currentRow();
    if (m_state == State::Edit) {
        discardBuffer();
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
        return;
    }
    Quiet quiet(m_quiet);
    discardBuffer();
    beginRemoveRows({}, row, row);
    rowsEdited();
    m_rows.removeRow(row);
    endRemoveRows();
    const int next = std::min(row, count() - 1);
    if (next >= 0)
        m_cursor->QItemSelectionModel::setCurrentIndex(index(next, 0), QItemSelectionModel::ClearAndSelect
                                                                             | QItemSelectionModel::Rows);
    emit currentRowChanged(currentRow());
}

void StandingQuery::insert()
{
    if (!canEdit())
        throw DbError(QStringLiteral("%1 cannot be changed").arg(m_name));
    if (!leaveRow())
        return;
    Quiet quiet(m_quiet);
    const int row = std::max(currentRow(), 0);
    beginInsertRows({}, row, row);
    rowsEdited();
    m_rows.insertRow(row, RowStore::Row(size_t(m_columns.size())));
    endInsertRows();
    m_buffer = RowStore::Row(size_t(m_columns.size()));
    m_changed.assign(size_t(m_columns.size()), false);
    m_cursor->QItemSelectionModel::setCurrentIndex(index(row, 0), QItemSelectionModel::ClearAndSelect
                                                                        | QItemSelectionModel::Rows);
    setState(State::Insert);
    emit currentRowChanged(row);
}

void StandingQuery::deleteCurrent(const Dependents &dependents)
{
    if (m_state == State::Insert) {
        cancel();
        return;
    }
    const int row = currentRow();
    if (row < 0)
        return;
    if (!canEdit())
        throw DbError(QStringLiteral("%1 cannot be changed").arg(m_name));
    const QString key = m_rows.text(row, fieldIndex(m_key));
    {
        Transaction transaction(m_connection);
        Statement remove(m_connection, data::deleteRow(m_table, m_key));
        remove.bind(m_key, key);
        remove.run();
        if (dependents)
            dependents(m_connection, key);
        transaction.commit();
    }
    Quiet quiet(m_quiet);
    discardBuffer();
    beginRemoveRows({}, row, row);
    rowsEdited();
    m_rows.removeRow(row);
    endRemoveRows();
    const int next = std::min(row, count() - 1);
    if (next >= 0)
        m_cursor->QItemSelectionModel::setCurrentIndex(index(next, 0), QItemSelectionModel::ClearAndSelect
                                                                             | QItemSelectionModel::Rows);
    emit currentRowChanged(currentRow());
}

void StandingQuery::deleteConfirmed(const QString &key, const Dependents &dependents)
{
    const int row = currentRow();
    if (key.isEmpty() || row < 0 || m_state == State::Insert || m_rows.text(row, fieldIndex(m_key)) != key)
        throw DbError(QStringLiteral("确认删除的记录(编号 %1)已不是当前记录,没有删除任何数据。").arg(key));
    deleteCurrent(dependents);
}

bool StandingQuery::leaveRow()
{
    emit aboutToPost();
    if (m_state == State::Browse)
        return true;
    try {
        post();
        return true;
    } catch (const DbError &e) {
        emit failed(e.message());
        return false;
    }
}

int StandingQuery::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int StandingQuery::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant StandingQuery::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    return value(index.row(), index.column());
}

QVariant StandingQuery::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    return m_columns[section];
}

Qt::ItemFlags StandingQuery::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (canEdit() && index.isValid() && m_columns[index.column()].compare(m_key, Qt::CaseInsensitive) != 0)
        f |= Qt::ItemIsEditable;
    return f;
}

bool StandingQuery::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || !canEdit())
        return false;
    if (index.row() != currentRow() && !moveTo(index.row()))
        return false;
    try {
        setField(index.column(), value.toString());
    } catch (const DbError &e) {
        emit failed(e.message());
        return false;
    }
    return true;
}

} // namespace data
