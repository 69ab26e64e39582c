#include "ReportRows.h"

#include "StandingQuery.h"

namespace reports {

int QueryRows::count() const
{
    return m_query.count();
}

int QueryRows::column(const QString &field) const
{
    return m_query.fieldIndex(field);
}

QString QueryRows::text(int row, int column) const
{
    return m_query.value(row, column);
}

} // namespace reports
