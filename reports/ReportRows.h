#pragma once

#include <QString>

namespace data {
class StandingQuery;
}

namespace reports {

// The rows a report prints, in the order it prints them: the rows of a
// standing query as it stands.
class ReportRows {
public:
    virtual ~ReportRows() = default;
    virtual int count() const = 0;
    // The place of a field among the columns; -1 when there is none.
    virtual int column(const QString &field) const = 0;
    virtual QString text(int row, int column) const = 0;
};

// The rows of a standing query, read where they are held.
class QueryRows : public ReportRows {
public:
    explicit QueryRows(const data::StandingQuery &query) : m_query(query) {}
    int count() const override;
    int column(const QString &field) const override;
    QString text(int row, int column) const override;

private:
    const data::StandingQuery &m_query;
};

} // namespace reports
