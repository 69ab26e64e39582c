#include "FieldTable.h"

namespace data {

// A sales analysis (vtv2): one opportunity with one customer, written once by
// the new-analysis window; a follow-up replaces its stage (h9) alone.
const RecordDef &analysisRecord()
{
    using E = Entry;
    using I = Input;
    static const RecordDef record{
        QStringLiteral("vtv2"),
        QStringLiteral("hid"),
        {
            // column, caption, input, entry, new limit, edit limit, initial, parameter, search order, mirrored
            {"h1", "客户ID", I::Hidden, E::Any, 0, 0, {}, ":a", 0, false},
            {"h12", "客户姓名 中", I::Hidden, E::Any, 0, 0, {}, ":l", 1, false},
            {"h13", "客户姓名 英", I::Hidden, E::Any, 0, 0, {}, ":m", 2, false},
            {"h14", "性别", I::Hidden, E::Any, 0, 0, {}, ":n", 0, false},
            {"h2", "目标产品", I::Choice, E::Any, 0, 0, {}, ":b", 3, false},
            {"h4", "数量", I::Line, E::Digits, 8, 8, {}, ":d", 4, false},
            {"h5", "单价", I::Line, E::Digits, 8, 8, {}, ":e", 5, false},
            {"h6", "总计", I::Line, E::Digits, 0, 0, {}, ":f", 6, false},
            {"h7", "预计签单日期", I::Choice, E::Any, 0, 0, {}, ":g", 7, false},
            {"h8", "概率", I::Line, E::Any, 2, 2, "30", ":h", 11, false},
            {"h3", "销售类型", I::Choice, E::Any, 0, 0, {}, ":c", 8, false},
            {"h9", "销售进程", I::Choice, E::Any, 0, 0, {}, ":i", 10, false},
            {"h10", "主要竞争对手", I::Choice, E::Any, 0, 0, {}, ":j", 9, false},
            {"h11", "详细", I::Memo, E::NoSpace, 0, 0, {}, ":k", 0, false},
        },
        // The insert has always closed its column list this way.
        QStringLiteral(" )"),
        {},
        {},
        QString(),
    };
    return record;
}

} // namespace data
