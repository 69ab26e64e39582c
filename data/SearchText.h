#pragma once

#include <QString>
#include <map>

namespace data {

// The search statements of the customer, company, activity, analysis, product
// and employee search windows. Every condition is present whatever was typed
// (an empty text matches every stored text, never a missing value), each one
// a substring match in which the typed text is literal, in a fixed order,
// newest row first.

// What was typed into a search window, by column; a column not given is
// searched with the empty text.
using SearchTexts = std::map<QString, QString>;

// "select * from atc1 where a1 like ... order by aid desc": every searched
// column of the customer record, in the order of its conditions.
QString customerSearch(const SearchTexts &typed);
// "select * from atc2 where c1 like ... order by cid desc": every searched
// column of the company record, in the order of its conditions.
QString companySearch(const SearchTexts &typed);
// "select * from vtv1 where e5 like ... order by eid desc": every searched
// column of the activity record, in the order of its conditions.
QString activitySearch(const SearchTexts &typed);
// "select * from vtv2 where h12 like ... order by hid desc": every searched
// column of the analysis record, in the order of its conditions.
QString analysisSearch(const SearchTexts &typed);
// "select * from vtv4 where o1 like ... order by oid desc": every searched
// column of the product record, in the order of its conditions.
QString productSearch(const SearchTexts &typed);
// "select * from utm1 where u1 like ... order by uid desc": every searched
// column of the employee record, in the order of its conditions.
QString employeeSearch(const SearchTexts &typed);

} // namespace data
