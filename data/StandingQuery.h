#pragma once

#include "Connection.h"
#include "RowStore.h"

#include <QAbstractTableModel>
#include <QItemSelectionModel>
#include <QString>
#include <functional>
#include <vector>

namespace data {

class Connection;
class StandingQuery;

// The one current row of a standing query, shared by every grid that shows
// it. A move away from a row with unposted changes posts them first; if the
// post fails, the move is refused and the query reports the failure.
class RowCursor : public QItemSelectionModel {
    Q_OBJECT
public:
    explicit RowCursor(StandingQuery *query);
    void setCurrentIndex(const QModelIndex &index, QItemSelectionModel::SelectionFlags command) override;
    void select(const QItemSelection &selection, QItemSelectionModel::SelectionFlags command) override;
    using QItemSelectionModel::select;

private:
    StandingQuery *m_query;
};

// A query object over one table that stays open for the whole run and holds
// one statement at a time. Its whole result is in memory (the row count is
// known); every control bound to it shows and moves its one current row, and
// edits that row through one edit buffer.
//
// Operations that a window calls directly throw DbError. Row moves that come
// from a control (a click in a grid, the wheel) cannot throw; their failures
// are reported through failed().
//
// A refresh whose statement text is the one the rows were read with, while
// nothing in the file has changed since, keeps the rows it has and only moves
// to the first row; to every bound control it looks like any other refresh.
class StandingQuery : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class State { Browse, Edit, Insert };

    StandingQuery(const QString &name, Connection &connection, const QString &table, const QString &key,
                  const QString &standingText, QObject *parent = nullptr);

    const QString &name() const { return m_name; }
    const QString &table() const { return m_table; }
    const QString &keyColumn() const { return m_key; }
    const QString &standingText() const { return m_standingText; }
    const QString &text() const { return m_text; }
    Connection &connection() const { return m_connection; }

    // Refresh: the three conventions, and their parts.
    bool isOpen() const { return m_open; }
    void close();
    void setText(const QString &sql);
    void open();
    // Opens the query as open() does, but while nothing is bound to it yet
    // its rows are read only when they are first asked for (the row count,
    // the current row, a value). The statement is prepared here, so a text the
    // engine refuses throws here; an error while reading later is reported
    // through failed() and leaves the query closed.
    void openDeferred();
    // Open, with the rows not read yet: nothing has asked for them.
    bool rowsPending() const { return m_deferred; }
    void reset();                      // standing text, whole table, newest first
    void reopen();                     // same text, fresh rows
    void filter(const QString &sql);   // a filtered select over the same table

    // Rows and the current row.
    int count() const { return rows().rowCount(); }
    bool isEmpty() const { return count() == 0; }
    int currentRow() const;
    bool moveTo(int row);
    bool first() { return moveTo(0); }
    bool prior() { return moveTo(currentRow() - 1); }
    bool next() { return moveTo(currentRow() + 1); }
    bool last() { return moveTo(count() - 1); }
    RowCursor *cursor() const { return m_cursor; }

    int fieldIndex(const QString &column) const;
    const QStringList &columnNames() const { return m_columns; }
    QString value(int row, int column) const; // shows the edit buffer on the current row
    bool isNull(int row, int column) const;
    QString field(const QString &column) const; // of the current row; empty when there is none

    // Editing the current row.
    State state() const { return m_state; }
    bool isModified() const;
    bool canEdit() const { return !m_key.isEmpty(); }
    void edit();
    void setField(const QString &column, const QString &value);
    void setField(int column, const QString &value);
    void post();
    void cancel();
    void insert();
    // Deletes the current row; with dependents, the statements that delete
    // the rows depending on it (given the row's key text) run in the same
    // transaction: all of it happens, or none.
    using Dependents = std::function<void(Connection &connection, const QString &key)>;
    void deleteCurrent(const Dependents &dependents = {});
    // The same for the row the user confirmed, named by its key: when that
    // row is no longer the current one, nothing is deleted and DbError says so.
    void deleteConfirmed(const QString &key, const Dependents &dependents = {});
    // Before the current row is left: posts pending changes, or drops a new
    // row into which nothing was typed. False (and failed()) when refused.
    bool leaveRow();

    // How many times the rows were read from the file.
    int reads() const { return m_reads; }

    // QAbstractTableModel
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

signals:
    void refreshed();              // after every close, open, reset, reopen or filter
    void currentRowChanged(int row);
    // The rows of a deferred open were read (by whoever asked first): a
    // control still waiting for its first showing shows its field now.
    void rowsArrived();
    void stateChanged();           // browse/edit/insert or the modified flag changed
    void aboutToPost();            // bound editors hand over the text they still hold
    void failed(const QString &message);

private:
    void load();
    bool rowsStillHold();
    void readRows(const QString &text);
    void readDeferred();
    const RowStore &rows() const;
    void rowsEdited() { m_rowsAsRead = false; }
    void discardBuffer();
    void setState(State state);
    void emitCurrentChanged();
    void writeInsert();
    void writeUpdate();
    RowStore::Row readRow(const QString &keyValue);
    QStringList changedColumns() const;

    QString m_name;
    Connection &m_connection;
    QString m_table;
    QString m_key;
    QString m_standingText;
    QString m_text;
    bool m_open = false;
    QStringList m_columns;
    RowStore m_rows;
    RowCursor *m_cursor;

    // What the rows were read with: the statement text and where the file
    // stood just before. Trusted only while the rows are as they were read.
    QString m_readText;
    ChangeStamp m_readStamp;
    bool m_rowsAsRead = false;
    bool m_deferred = false; // open, the rows not read yet
    int m_reads = 0;

    State m_state = State::Browse;
    RowStore::Row m_buffer;
    std::vector<bool> m_changed;
    int m_quiet = 0;
};

} // namespace data
