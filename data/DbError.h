#pragma once

#include <QString>
#include <stdexcept>

namespace data {

// An error reported by the database engine (or by the data layer on its behalf).
// what() carries the engine's own text, which is what the user gets to see.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &message, int code = 0)
        : std::runtime_error(message.toStdString()), m_code(code) {}

    int code() const { return m_code; }
    QString message() const { return QString::fromStdString(what()); }

private:
    int m_code;
};

} // namespace data
