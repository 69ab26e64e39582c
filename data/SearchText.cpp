#include "SearchText.h"

#include "FieldTable.h"
#include "SqlText.h"

namespace data {

QString customerSearch(const SearchTexts &typed)
{
    const RecordDef &customers = customerRecord();
    std::vector<std::pair<QString, QString>> conditions;
    for (const QString &column : searchedColumns(customers)) {
        const auto text = typed.find(column);
        conditions.emplace_back(column, text == typed.end() ? QString() : text->second);
    }
    return searchStatement(customers.table, conditions, QStringLiteral("aid desc"));
}

QString companySearch(const CompanyCriteria &c)
{
    return searchStatement(QStringLiteral("atc2"),
                           {
                               {QStringLiteral("c1"), c.name},
                               {QStringLiteral("c2"), c.englishName},
                               {QStringLiteral("c3"), c.shortName},
                               {QStringLiteral("c4"), c.address},
                               {QStringLiteral("c5"), c.postcode},
                               {QStringLiteral("c6"), c.website},
                               {QStringLiteral("c7"), c.relationship},
                               {QStringLiteral("c8"), c.products},
                               {QStringLiteral("c9"), c.industry},
                               {QStringLiteral("c10"), c.salesScale},
                               {QStringLiteral("c11"), c.switchboard},
                               {QStringLiteral("c12"), c.fax},
                               {QStringLiteral("c14"), c.switchboardArea},
                               {QStringLiteral("c15"), c.faxArea},
                               {QStringLiteral("c16"), c.extension},
                           },
                           QStringLiteral("cid desc"));
}

} // namespace data
