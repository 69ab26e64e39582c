#include "Statement.h"

#include "DbError.h"

#include <sqlite3.h>

namespace data {

Statement::Statement(Connection &connection, const QString &sql) : m_connection(connection)
{
    if (!connection.isOpen())
        throw DbError(QStringLiteral("the database is not open"));
    const QByteArray utf8 = sql.toUtf8();
    const char *tail = nullptr;
    const int rc = sqlite3_prepare_v2(connection.handle(), utf8.constData(), int(utf8.size()), &m_stmt, &tail);
    if (rc != SQLITE_OK)
        fail();
    if (!m_stmt)
        throw DbError(QStringLiteral("empty statement"));
    // One statement at a time: trailing text other than blanks and ';' is refused.
    for (; tail && *tail; ++tail) {
        if (*tail != ' ' && *tail != '\t' && *tail != '\n' && *tail != '\r' && *tail != ';') {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
            throw DbError(QStringLiteral("only one statement may be run at a time"));
        }
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

void Statement::fail() const
{
    throw DbError(QString::fromUtf8(sqlite3_errmsg(m_connection.handle())),
                  sqlite3_extended_errcode(m_connection.handle()));
}

void Statement::bind(const QString &name, const QString &value)
{
    const QByteArray key = name.startsWith(u':') ? name.toUtf8() : ":" + name.toUtf8();
    const int index = sqlite3_bind_parameter_index(m_stmt, key.constData());
    if (index == 0)
        throw DbError(QStringLiteral("unknown parameter %1").arg(name));
    const QByteArray utf8 = value.toUtf8();
    if (sqlite3_bind_text(m_stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT) != SQLITE_OK)
        fail();
}

void Statement::bindAll(const Params &params)
{
    for (const auto &[name, value] : params)
        bind(name, value);
}

bool Statement::step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    fail();
}

void Statement::run()
{
    while (step()) {
    }
}

void Statement::reset()
{
    sqlite3_reset(m_stmt);
    sqlite3_clear_bindings(m_stmt);
}

int Statement::columnCount() const
{
    return sqlite3_column_count(m_stmt);
}

QString Statement::columnName(int column) const
{
    return QString::fromUtf8(sqlite3_column_name(m_stmt, column));
}

bool Statement::isNull(int column) const
{
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

std::string_view Statement::bytes(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    return text ? std::string_view(text, size_t(sqlite3_column_bytes(m_stmt, column))) : std::string_view();
}

std::optional<std::string_view> Statement::cell(int column) const
{
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, column));
    if (!text) {
        // A null pointer is a cell without value, unless the engine ran out of memory.
        if (sqlite3_errcode(m_connection.handle()) == SQLITE_NOMEM)
            fail();
        return std::nullopt;
    }
    return std::string_view(text, size_t(sqlite3_column_bytes(m_stmt, column)));
}

QString Statement::text(int column) const
{
    const std::string_view b = bytes(column);
    return QString::fromUtf8(b.data(), qsizetype(b.size()));
}

Transaction::Transaction(Connection &connection) : m_connection(connection)
{
    m_connection.execute(QStringLiteral("BEGIN IMMEDIATE"));
}

Transaction::~Transaction()
{
    if (!m_done) {
        try {
            m_connection.execute(QStringLiteral("ROLLBACK"));
        } catch (const DbError &) {
            // The engine may already have rolled back on the error that brought us here.
        }
    }
}

void Transaction::commit()
{
    m_connection.execute(QStringLiteral("COMMIT"));
    m_done = true;
}

} // namespace data
