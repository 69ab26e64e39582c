#include "FieldTable.h"

namespace data {

// A product (vtv4), in the order of the product form.
const RecordDef &productRecord()
{
    using E = Entry;
    using I = Input;
    static const RecordDef record{
        QStringLiteral("vtv4"),
        QStringLiteral("oid"),
        {
            // column, caption, input, entry, new limit, edit limit, initial, parameter, search order, mirrored
            {"o1", "名称", I::Line, E::Any, 0, 0, {}, ":a", 1, false},
            {"o11", "状态", I::Choice, E::Any, 0, 0, {}, ":k", 3, false},
            {"o2", "大类", I::Choice, E::Any, 0, 0, {}, ":b", 4, false},
            {"o3", "细类1", I::Choice, E::Any, 0, 0, {}, ":c", 5, false},
            {"o4", "细类2", I::Choice, E::Any, 0, 0, {}, ":d", 6, false},
            {"o5", "成本价", I::Line, E::Digits, 20, 20, "0", ":e", 8, false},
            {"o6", "销售底价", I::Line, E::Digits, 0, 20, "0", ":f", 9, false},
            {"o7", "销售标准价", I::Line, E::Digits, 0, 20, "0", ":g", 10, false},
            {"o10", "库存量", I::Line, E::Digits, 0, 0, "0", ":j", 7, false},
            {"o8", "创建日期", I::Hidden, E::Any, 0, 0, {}, ":h", 2, false},
            {"o9", "描述", I::Memo, E::NoSpace, 0, 0, {}, ":i", 0, false},
        },
    };
    return record;
}

} // namespace data
