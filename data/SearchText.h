#pragma once

#include <QString>

namespace data {

// The search statements of the customer and company search windows. Every
// condition is present whatever was typed (an empty text matches every stored
// text, never a missing value), each one a substring match in which the typed
// text is literal, in a fixed order, newest row first.

struct CustomerCriteria {
    QString name;           // a1   中文名
    QString englishName;    // a2   英文名
    QString phone;          // a3   电话 number
    QString mobile;         // a5   手机 number
    QString fax;            // a7   传真 number
    QString email;          // a8   E-mail
    QString salutation;     // a12  先生 / 女士
    QString department;     // a13  部门
    QString jobTitle;       // a26  职务
    QString company;        // a18  公司
    QString phoneArea;      // a19  电话 area code
    QString faxArea;        // a21  传真 area code
    QString phoneExtension; // a22  电话 extension
    QString faxExtension;   // a24  传真 extension
    QString mobilePrefix;   // a27  手机 prefix
};

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

// "select * from atc1 where a1 like ... order by aid desc"
QString customerSearch(const CustomerCriteria &criteria);
// "select * from atc2 where c1 like ... order by cid desc"
QString companySearch(const CompanyCriteria &criteria);

} // namespace data
