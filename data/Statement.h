#pragma once

#include "Connection.h"

#include <QString>
#include <optional>
#include <string_view>

struct sqlite3_stmt;

namespace data {

// A prepared statement with named parameters. Throws DbError on failure.
class Statement {
public:
    Statement(Connection &connection, const QString &sql);
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;
    ~Statement();

    // Binds a named parameter (":a") to a text value. Unknown names are an error.
    void bind(const QString &name, const QString &value);
    void bindAll(const Params &params);

    // Steps once: true when a row is ready, false when done.
    bool step();
    // Steps to the end (for statements without a result).
    void run();
    // Ready to run again, with new values bound (the old ones are cleared).
    void reset();

    int columnCount() const;
    QString columnName(int column) const;
    bool isNull(int column) const;
    std::string_view bytes(int column) const;
    // The cell's text, or nothing when the cell holds no value; one engine call.
    std::optional<std::string_view> cell(int column) const;
    QString text(int column) const;

    sqlite3_stmt *handle() const { return m_stmt; }

private:
    [[noreturn]] void fail() const;

    Connection &m_connection;
    sqlite3_stmt *m_stmt = nullptr;
};

// Takes the write lock at once (BEGIN IMMEDIATE) and rolls back unless committed.
class Transaction {
public:
    explicit Transaction(Connection &connection);
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    ~Transaction();
    void commit();

private:
    Connection &m_connection;
    bool m_done = false;
};

} // namespace data
