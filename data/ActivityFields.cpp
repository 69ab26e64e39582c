#include "FieldTable.h"

namespace data {

// A sales activity (vtv1): scheduled for one customer by the new-activity
// window, ended by the end-activity window, announced in its minute.
const RecordDef &activityRecord()
{
    using E = Entry;
    using I = Input;
    static const RecordDef record{
        QStringLiteral("vtv1"),
        QStringLiteral("eid"),
        {
            // column, caption, input, entry, new limit, edit limit, initial, parameter, search order, mirrored
            {"e2", "客户编号", I::Hidden, E::Any, 0, 0, {}, ":a", 0, false},
            {"e5", "活动类型", I::Choice, E::Any, 0, 0, "沟通", ":d", 1, false},
            {"e10", "活动类型代码", I::Hidden, E::Any, 0, 0, "1", ":i", 0, false},
            {"e11", "客户名(中文)", I::Hidden, E::Any, 0, 0, {}, ":j", 2, false},
            {"e13", "称呼", I::Hidden, E::Any, 0, 0, {}, ":l", 0, false},
            {"e12", "客户名(英文)", I::Hidden, E::Any, 0, 0, {}, ":k", 3, false},
            {"e6", "优先级", I::Choice, E::Any, 0, 0, "中", ":e", 5, false},
            {"e8", "持续时间", I::Choice, E::Any, 0, 0, "1小时", ":g", 6, false},
            {"e3", "日期时间", I::Choice, E::Any, 0, 0, {}, ":b", 4, false},
            {"e4", "时间", I::Choice, E::Any, 0, 0, {}, ":c", 0, false},
            {"e7", "目标", I::Choice, E::Any, 0, 0, {}, ":f", 7, false},
            {"e9", "详细", I::Memo, E::Any, 0, 0, "对此销售活动的一些描述......", ":h", 0, false},
            {"e14", "提醒", I::Hidden, E::Any, 0, 0, "0", ":m", 0, false},
            {"e15", "状态", I::Hidden, E::Any, 0, 0, "正常", ":n", 0, false},
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
