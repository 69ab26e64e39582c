#include "FieldTable.h"

namespace data {

// A company (atc2), in the order of the company form.
const RecordDef &companyRecord()
{
    using E = Entry;
    using I = Input;
    static const RecordDef record{
        QStringLiteral("atc2"),
        QStringLiteral("cid"),
        {
            // column, caption, input, entry, new limit, edit limit, initial, parameter, search order, mirrored, extra keys
            {"c1", "公司名称", I::Line, E::NoSpace, 150, 150, {}, ":a", 1},
            {"c3", "简称", I::Line, E::NoSpace, 50, 50, {}, ":c", 3},
            {"c2", "英文名称", I::Line, E::LowerWeb, 0, 150, {}, ":b", 2, true, "-"},
            {"c4", "地    址", I::Line, E::NoSpace, 190, 190, {}, ":d", 4},
            {"c5", "邮编", I::Line, E::Digits, 10, 10, {}, ":e", 5},
            {"c6", "网    站", I::Line, E::LowerWeb, 75, 75, {}, ":f", 6, true, "."},
            {"c14", "总机区号", I::Line, E::Digits, 5, 5, "0", ":n", 13},
            {"c11", "总机号码", I::Line, E::Digits, 15, 15, {}, ":k", 11},
            {"c15", "传真区号", I::Line, E::Digits, 5, 5, "0", ":o", 14},
            {"c12", "传真号码", I::Line, E::Digits, 15, 15, {}, ":l", 12},
            {"c16", "分机号", I::Line, E::Digits, 8, 8, {}, ":p", 15},
            {"c9", "所属行业", I::Choice, E::Any, 0, 0, {}, ":i", 9},
            {"c10", "销售规模", I::Choice, E::Any, 0, 0, {}, ":j", 10},
            {"c8", "产    品", I::Line, E::NoSpace, 0, 0, {}, ":h", 8},
            {"c7", "关    系", I::Choice, E::Any, 0, 0, {}, ":g", 7},
            // A new company's description takes any length, an edited one 200 characters.
            {"c13", "描述", I::Memo, E::NoSpace, 0, 200, {}, ":m"},
            {"c17", "评级", I::Choice, E::Any, 0, 0, "1", ":q"},
        },
    };
    return record;
}

} // namespace data
