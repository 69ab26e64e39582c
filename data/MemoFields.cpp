#include "FieldTable.h"

namespace data {

// A memo (vtv3): written once by the new-memo window, never edited.
const RecordDef &memoRecord()
{
    using E = Entry;
    using I = Input;
    static const RecordDef record{
        QStringLiteral("vtv3"),
        QStringLiteral("jid"),
        {
            // column, caption, input, entry, new limit, edit limit, initial, parameter, search order, mirrored
            {"j1", "客户编号", I::Hidden, E::Any, 0, 0, "0", ":a", 0, false},
            {"j2", "日期", I::Hidden, E::Any, 0, 0, {}, ":b", 0, false},
            {"j3", "时间", I::Hidden, E::Any, 0, 0, {}, ":c", 0, false},
            {"j4", "备忘内容", I::Memo, E::NoSpace, 0, 0, {}, ":d", 0, false},
            {"j5", "类别", I::Hidden, E::Any, 0, 0, {}, ":e", 0, false},
            {"j6", "分类", I::Hidden, E::Any, 0, 0, "备忘", ":f", 0, false},
            {"j7", "公司编号", I::Hidden, E::Any, 0, 0, "0", ":g", 0, false},
            {"j8", "客户", I::Hidden, E::Any, 0, 0, {}, ":h", 0, false},
            {"j9", "公司", I::Hidden, E::Any, 0, 0, {}, ":i", 0, false},
        },
    };
    return record;
}

} // namespace data
