#include "SampleData.h"

#include "SampleRows.h"

#include "Connection.h"
#include "DbError.h"
#include "Schema.h"
#include "SqlText.h"
#include "Statement.h"

#include <sqlite3.h>

namespace bench {

namespace {

// Inserts `count` rows made by `makeRow` into `table`, binding by position
// (the insert names its parameters in column order).
template <typename MakeRow>
void insertRows(data::Connection &connection, const QString &table, int count, MakeRow makeRow)
{
    const data::TableDef *def = data::findTable(table);
    if (!def)
        throw data::DbError(QStringLiteral("no table %1").arg(table));
    data::Transaction transaction(connection);
    data::Statement insert(connection, data::insertRow(table, def->columns));
    sqlite3_stmt *stmt = insert.handle();
    const int columns = int(def->columns.size());
    for (int i = 0; i < count; ++i) {
        const RowValues row = makeRow(i);
        if (int(row.size()) != columns)
            throw data::DbError(QStringLiteral("sample row for %1 has %2 values").arg(table).arg(row.size()));
        for (int c = 0; c < columns; ++c)
            sqlite3_bind_text(stmt, c + 1, row[size_t(c)].data(), int(row[size_t(c)].size()), SQLITE_STATIC);
        insert.run();
        sqlite3_reset(stmt);
    }
    transaction.commit();
}

// Companies, then customers of them made by makeCustomer(random, i, names).
template <typename MakeCustomer>
void fillCustomers(data::Connection &connection, int customers, int companies, uint64_t startValue,
                   MakeCustomer makeCustomer)
{
    std::vector<std::string> names;
    names.reserve(size_t(companies));
    for (int i = 0; i < companies; ++i)
        names.push_back(companyName(i));

    Random random(startValue);
    insertRows(connection, QStringLiteral("atc2"), companies,
               [&](int i) { return makeCompany(random, names[size_t(i)]); });
    insertRows(connection, QStringLiteral("atc1"), customers, [&](int i) { return makeCustomer(random, i, names); });
}

} // namespace

void generateSampleData(data::Connection &connection, int customers, int companies, uint64_t startValue)
{
    fillCustomers(connection, customers, companies, startValue,
                  [](Random &random, int, const std::vector<std::string> &names) { return makeCustomer(random, names); });
}

void generateTypedCustomers(data::Connection &connection, int customers, int companies, uint64_t startValue)
{
    fillCustomers(connection, customers, companies, startValue, makeTypedCustomer);
}

void generateActivities(data::Connection &connection, int activities, int customers, uint64_t startValue)
{
    Random random(startValue);
    insertRows(connection, QStringLiteral("vtv1"), activities, [&](int) { return makeActivity(random, customers); });
}

void generateAnalyses(data::Connection &connection, int analyses, int products, int customers, uint64_t startValue)
{
    std::vector<std::string> names;
    names.reserve(size_t(products));
    for (int i = 0; i < products; ++i)
        names.push_back(productName(i));
    Random random(startValue);
    insertRows(connection, QStringLiteral("vtv4"), products, [&](int i) { return makeProduct(random, names[size_t(i)]); });
    insertRows(connection, QStringLiteral("vtv2"), analyses, [&](int) { return makeAnalysis(random, customers, names); });
}

void generateEmployees(data::Connection &connection, int employees, uint64_t startValue)
{
    Random random(startValue);
    insertRows(connection, QStringLiteral("utm1"), employees, [&](int) { return makeEmployee(random); });
}

} // namespace bench
