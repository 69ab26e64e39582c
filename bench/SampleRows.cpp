#include "SampleRows.h"

#include "Vocabulary.h"

namespace bench {

namespace {

const Vocabulary &words() { return Vocabulary::get(); }

std::string personName(Random &r)
{
    std::string name = r.pick(words().surnames) + r.pick(words().givenChars);
    if (r.below(3) != 0)
        name += r.pick(words().givenChars);
    return name;
}

std::string date(Random &r, int firstYear, int lastYear)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", r.between(firstYear, lastYear), r.between(1, 12),
                  r.between(1, 28));
    return text;
}

std::string address(Random &r, int city)
{
    return words().cities[size_t(city)] + "市" + r.pick(words().districts) + r.pick(words().roads)
        + std::to_string(r.between(1, 300)) + "号";
}

std::string description(Random &r)
{
    return r.pick(words().phrases) + "，" + r.pick(words().phrases);
}

std::string latinWord(Random &r, int length)
{
    std::string s;
    for (int i = 0; i < length; ++i)
        s += char('a' + r.below(26));
    return s;
}

} // namespace

std::string companyName(int i)
{
    Random r(0xC0FFEEull + uint64_t(i));
    return r.pick(words().cities) + r.pick(words().brandChars) + r.pick(words().brandChars)
        + r.pick(words().industries) + "有限公司";
}

RowValues makeCompany(Random &r, const std::string &name)
{
    const int city = r.below(int(words().cities.size()));
    const std::string web = latinWord(r, r.between(4, 8));
    return {
        name,                                             // c1  name
        r.pick(words().brandChars) + r.pick(words().brandChars), // c2  short name
        r.pick(words().sectors),                          // c3  line of business
        address(r, city),                                 // c4  address
        r.digits(6),                                      // c5  postcode
        words().areaCodes[size_t(city)],                  // c6  area code
        r.digits(8),                                      // c7  telephone
        r.digits(8),                                      // c8  fax
        "www." + web + ".com.cn",                         // c9  website
        "info@" + web + ".com.cn",                        // c10 e-mail
        personName(r),                                    // c11 legal representative
        r.pick(words().banks),                            // c12 bank
        r.digits(19),                                     // c13 account
        "91" + r.digits(16),                              // c14 tax number
        std::to_string(r.between(5, 5000)),               // c15 staff
        description(r),                                   // c16 description
        date(r, 1990, 2023),                              // c17 founded
    };
}

RowValues makeActivity(Random &r, int customers)
{
    static const std::vector<std::string> types{"沟通", "拜访", "计划"};
    static const std::vector<std::string> priorities{"高", "中", "低"};
    static const std::vector<std::string> durations{"0分", "5分", "10分", "15分", "30分", "45分", "1小时",
                                                    "2小时", "3小时", "8小时", "1天", "5天", "30天"};
    static const std::vector<std::string> goals{"", "电话回访", "产品介绍", "上门演示", "签约洽谈", "售后跟进"};
    const int type = r.below(3);
    char time[8];
    std::snprintf(time, sizeof time, "%02d:%02d", r.between(0, 23), r.between(0, 59));
    return {
        std::to_string(r.between(1, customers)),            // e2  customer
        date(r, 2020, 2027) + " " + time,                   // e3  minute
        time,                                               // e4  time
        types[size_t(type)],                                // e5  type
        r.pick(priorities),                                 // e6  priority
        r.pick(goals),                                      // e7  goal
        r.pick(durations),                                  // e8  duration
        r.below(10) ? "对此销售活动的一些描述......" : description(r), // e9 details
        std::to_string(type + 1),                           // e10 type code
        personName(r),                                      // e11 name
        "KH" + r.digits(6),                                 // e12 English name
        r.below(2) ? "先生" : "女士",                        // e13 salutation
        "0",                                                // e14 flag
        r.below(5) ? "正常" : "已结束",                      // e15 status
    };
}

RowValues makeCustomer(Random &r, const std::vector<std::string> &companyNames)
{
    const int city = r.below(int(words().cities.size()));
    return {
        personName(r),                                    // a1  name
        "KH" + r.digits(6),                               // a2  customer number
        words().cities[size_t(city)],                     // a3  city
        words().areaCodes[size_t(city)],                  // a4  area code
        r.pick(words().mobilePrefixes) + r.digits(8),     // a5  mobile
        r.digits(8),                                      // a6  office telephone
        r.digits(8),                                      // a7  fax
        latinWord(r, r.between(3, 8)) + r.digits(3) + "@" + r.pick(words().mailDomains), // a8 e-mail
        r.digits(6),                                      // a9  postcode
        std::to_string(r.between(10000, 999999999)),      // a10 instant messaging number
        date(r, 1955, 2000),                              // a11 birthday
        r.below(2) ? "先生" : "女士",                      // a12 form of address
        r.pick(words().departments),                      // a13 department
        r.pick(words().sources),                          // a14 source
        address(r, city),                                 // a15 address
        "www." + latinWord(r, r.between(4, 8)) + ".com",  // a16 website
        description(r),                                   // a17 description
        r.pick(companyNames),                             // a18 company
        r.pick(words().sectors),                          // a19 line of business
        std::string(1, char('A' + r.below(4))),           // a20 grade
        r.pick(words().statuses),                         // a21 status
        personName(r),                                    // a22 account manager
        date(r, 2015, 2024),                              // a23 first contact
        r.pick(words().regions),                          // a24 region
        r.digits(r.between(3, 4)),                        // a25 extension
        r.pick(words().jobTitles),                        // a26 job title
        r.pick(words().remarks),                          // a27 remark
        std::to_string(r.between(1, 5)),                  // a28 rating
    };
}

RowValues makeTypedCustomer(Random &r, int serial, const std::vector<std::string> &companyNames)
{
    const int city = r.below(int(words().cities.size()));
    const int company = r.below(int(companyNames.size()));
    const std::string &areaCode = words().areaCodes[size_t(city)];
    const bool secondPhone = r.below(3) == 0;
    const bool secondMobile = r.below(4) == 0;
    std::string englishName = latinWord(r, r.between(3, 8));
    englishName[0] = char(englishName[0] - 'a' + 'A');
    return {
        personName(r),                                    // a1  name
        englishName,                                      // a2  English name
        r.digits(8),                                      // a3  telephone
        secondPhone ? r.digits(8) : "",                   // a4  second telephone
        r.pick(words().mobilePrefixes) + r.digits(8),     // a5  mobile
        secondMobile ? r.pick(words().mobilePrefixes) + r.digits(8) : "", // a6 second mobile
        r.digits(8),                                      // a7  fax
        latinWord(r, r.between(3, 8)) + std::to_string(serial) + "@" + r.pick(words().mailDomains), // a8 e-mail
        latinWord(r, r.between(3, 8)) + r.digits(3) + "@hotmail.com", // a9 MSN
        std::to_string(r.between(10000, 999999999)),      // a10 QQ
        std::to_string(r.between(1, 5)),                  // a11 rating
        r.below(2) ? "先生" : "女士",                      // a12 form of address
        r.pick(words().departments),                      // a13 department
        std::to_string(company + 1),                      // a14 company key
        address(r, city),                                 // a15 address
        r.digits(6),                                      // a16 postcode
        description(r),                                   // a17 description
        companyNames[size_t(company)],                    // a18 company
        areaCode,                                         // a19 telephone area code
        secondPhone ? areaCode : "",                      // a20 second telephone area code
        areaCode,                                         // a21 fax area code
        r.below(2) ? r.digits(3) : "",                    // a22 extension
        "",                                               // a23 second extension
        "",                                               // a24 fax extension
        "",                                               // a25 never used
        r.pick(words().jobTitles),                        // a26 job title
        "0",                                              // a27 mobile area code
        secondMobile ? "0" : "",                          // a28 second mobile area code
    };
}

std::string productName(int i)
{
    Random r(0xBEEFull + uint64_t(i));
    static const std::vector<std::string> kinds{"打印机", "扫描仪", "复印机", "投影仪", "碎纸机", "服务器", "交换机",
                                                "显示器", "笔记本", "考勤机"};
    return r.pick(words().brandChars) + r.pick(words().brandChars) + r.pick(kinds) + "-" + r.digits(3);
}

RowValues makeProduct(Random &r, const std::string &name)
{
    static const std::vector<std::string> statuses{"在售", "停售", "预售"};
    static const std::vector<std::string> majors{"办公设备", "网络设备", "电脑", "耗材"};
    static const std::vector<std::string> minors{"", "激光", "喷墨", "台式", "便携"};
    const int cost = r.between(10, 50000);
    return {
        name,                                             // o1  name
        r.pick(majors),                                   // o2  major category
        r.pick(minors),                                   // o3  sub-category 1
        r.pick(minors),                                   // o4  sub-category 2
        std::to_string(cost),                             // o5  cost price
        std::to_string(cost + cost / 5),                  // o6  lowest price
        std::to_string(cost + cost / 2),                  // o7  standard price
        date(r, 2015, 2026),                              // o8  created
        r.below(4) ? "" : description(r),                 // o9  description
        std::to_string(r.between(0, 5000)),               // o10 stock
        r.pick(statuses),                                 // o11 status
    };
}

RowValues makeAnalysis(Random &r, int customers, const std::vector<std::string> &productNames)
{
    static const std::vector<std::string> kinds{"", "直销", "代理", "招标"};
    static const std::vector<std::string> stages{"初步接触", "需求确认", "方案报价", "商务谈判", "签约", "丢单"};
    static const std::vector<std::string> competitors{"", "华星", "远图", "科达"};
    const int quantity = r.between(1, 500);
    const int price = r.between(10, 60000);
    return {
        std::to_string(r.between(1, customers)),          // h1  customer
        r.pick(productNames),                             // h2  product
        r.pick(kinds),                                    // h3  kind of sale
        std::to_string(quantity),                         // h4  quantity
        std::to_string(price),                            // h5  unit price
        std::to_string(int64_t(quantity) * price),        // h6  total
        date(r, 2020, 2027),                              // h7  expected signing
        std::to_string(r.between(1, 9) * 10) + "%",       // h8  probability
        r.pick(stages),                                   // h9  stage
        r.pick(competitors),                              // h10 competitor
        r.below(5) ? "" : description(r),                 // h11 details
        personName(r),                                    // h12 name
        "KH" + r.digits(6),                               // h13 English name
        r.below(2) ? "先生" : "女士",                      // h14 salutation
    };
}

RowValues makeEmployee(Random &r)
{
    static const std::vector<std::string> positions{"", "经理", "主管", "销售代表", "工程师", "会计"};
    static const std::vector<std::string> departments{"", "销售部", "市场部", "技术部", "财务部"};
    static const std::vector<std::string> statuses{"在职", "试用", "离职"};
    static const std::vector<std::string> degrees{"大专", "本科", "硕士", "博士"};
    static const std::vector<std::string> nations{"汉族", "回族", "满族", "壮族"};
    const int city = r.below(int(words().cities.size()));
    return {
        personName(r),                                    // u1  name
        latinWord(r, r.between(3, 8)),                    // u2  English name
        r.pick(positions),                                // u4  position
        r.pick(departments),                              // u5  department
        r.pick(nations),                                  // u6  ethnic group
        words().cities[size_t(city)],                     // u7  native place
        r.digits(17) + (r.below(11) ? std::string(1, char('0' + r.below(10))) : std::string("X")), // u8 identity number
        r.pick(degrees),                                  // u9  education
        words().cities[size_t(r.below(int(words().cities.size())))] + "大学", // u10 school
        r.pick(words().sectors),                          // u11 field of study
        std::to_string(r.between(0, 30)),                 // u12 years of work
        address(r, city),                                 // u13 residence
        r.digits(6),                                      // u14 postcode
        words().areaCodes[size_t(city)] + "-" + r.digits(8), // u15 telephone
        r.pick(words().mobilePrefixes) + r.digits(8),     // u16 mobile
        date(r, 2005, 2026),                              // u17 joined
        date(r, 2005, 2026),                              // u18 regular
        r.pick(statuses),                                 // u19 status
        r.below(2) ? "男" : "女",                          // u20 sex
        r.below(4) ? "" : description(r),                 // u21 remarks
        latinWord(r, r.between(3, 8)) + "@" + r.pick(words().mailDomains), // u22 e-mail
    };
}

} // namespace bench
