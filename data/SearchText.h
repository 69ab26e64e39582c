#pragma once

#include <QString>
#include <map>

namespace data {

// The search statements of the customer and company search windows. Every
// condition is present whatever was typed (an empty text matches every stored
// text, never a missing value), each one a substring match in which the typed
// text is literal, in a fixed order, newest row first.

// What was typed into a search window, by column; a column not given is
// searched with the empty text.
using SearchTexts = std::map<QString, QString>;

struct CompanyCriteria {
    QString name;            // c1   公司名称
    QString englishName;     // c2   英文名称
    QString shortName;       // c3   简称
    QString address;         // c4   地址
    QString postcode;        // c5   邮编
    QString website;         // c6   网站
    QString relationship;    // c7   关系
    QString products;        // c8   产品
    QString industry;        // c9   所属行业
    QString salesScale;      // c10  销售规模
    QString switchboard;     // c11  总机 number
    QString fax;             // c12  传真 number
    QString switchboardArea; // c14  总机 area code
    QString faxArea;         // c15  传真 area code
    QString extension;       // c16  extension, on the fax line
};

// "select * from atc1 where a1 like ... order by aid desc": every searched
// column of the customer record, in the order of its conditions.
QString customerSearch(const SearchTexts &typed);
// "select * from atc2 where c1 like ... order by cid desc"
QString companySearch(const CompanyCriteria &criteria);

} // namespace data
