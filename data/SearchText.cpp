#include "SearchText.h"

#include "SqlText.h"

namespace data {

QString customerSearch(const CustomerCriteria &c)
{
    return searchStatement(QStringLiteral("atc1"),
                           {
                               {QStringLiteral("a1"), c.name},
                               {QStringLiteral("a2"), c.englishName},
                               {QStringLiteral("a3"), c.phone},
                               {QStringLiteral("a5"), c.mobile},
                               {QStringLiteral("a7"), c.fax},
                               {QStringLiteral("a8"), c.email},
                               {QStringLiteral("a12"), c.salutation},
                               {QStringLiteral("a13"), c.department},
                               {QStringLiteral("a26"), c.jobTitle},
                               {QStringLiteral("a18"), c.company},
                               {QStringLiteral("a19"), c.phoneArea},
                               {QStringLiteral("a21"), c.faxArea},
                               {QStringLiteral("a22"), c.phoneExtension},
                               {QStringLiteral("a24"), c.faxExtension},
                               {QStringLiteral("a27"), c.mobilePrefix},
                           },
                           QStringLiteral("aid desc"));
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
