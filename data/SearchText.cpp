#include "SearchText.h"

#include "FieldTable.h"
#include "SqlText.h"

namespace data {

namespace {

QString searchOf(const RecordDef &record, const SearchTexts &typed)
{
    std::vector<std::pair<QString, QString>> conditions;
    for (const QString &column : searchedColumns(record)) {
        const auto text = typed.find(column);
        conditions.emplace_back(column, text == typed.end() ? QString() : text->second);
    }
    return searchStatement(record.table, conditions, record.key + QStringLiteral(" desc"));
}

} // namespace

QString customerSearch(const SearchTexts &typed)
{
    return searchOf(customerRecord(), typed);
}

QString companySearch(const SearchTexts &typed)
{
    return searchOf(companyRecord(), typed);
}

QString activitySearch(const SearchTexts &typed)
{
    return searchOf(activityRecord(), typed);
}

QString analysisSearch(const SearchTexts &typed)
{
    return searchOf(analysisRecord(), typed);
}

QString productSearch(const SearchTexts &typed)
{
    return searchOf(productRecord(), typed);
}

QString employeeSearch(const SearchTexts &typed)
{
    return searchOf(employeeRecord(), typed);
}

} // namespace data
