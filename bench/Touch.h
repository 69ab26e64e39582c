#pragma once

#include <QString>

namespace data {
class Connection;
}

namespace bench {

// A small write such as an edit window makes: the remark (a27) of the newest
// customer, changed to a different text each time. After it, a result read
// before can no longer be trusted, so the next reset reads again. With no
// customers there is nothing to change and nothing is written.
class Touch {
public:
    explicit Touch(data::Connection &connection) : m_connection(connection) {}
    void operator()();

private:
    data::Connection &m_connection;
    int m_count = 0;
};

} // namespace bench
