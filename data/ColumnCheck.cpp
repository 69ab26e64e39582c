#include "ColumnCheck.h"

#include "Schema.h"
#include "StandingQuery.h"

#include <QDebug>

namespace data {

namespace {

QStringList s_unknown;
bool s_fatal = true;

bool tableHas(const QString &table, const QString &column)
{
    const TableDef *t = findTable(table);
    return t && (t->key == column || t->columns.contains(column));
}

} // namespace

void checkColumn(const StandingQuery &query, const QString &column)
{
    if (tableHas(query.table(), column))
        return;
    const QString binding = query.name() + u'.' + column;
    s_unknown << binding;
    qCritical("a control is bound to %s, a column its table does not have", qPrintable(binding));
    Q_ASSERT_X(!s_fatal, "checkColumn", qPrintable(binding));
}

QStringList unknownBindings()
{
    return s_unknown;
}

void setUnknownColumnsFatal(bool fatal)
{
    s_fatal = fatal;
}

void clearUnknownBindings()
{
    s_unknown.clear();
}

} // namespace data
