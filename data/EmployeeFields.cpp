#include "FieldTable.h"

namespace data {

// An employee (utm1), in the order of the employee form. Nothing else refers
// to an employee; u3 is not used. The insert's parameters are named after
// their columns, department and position last.
const RecordDef &employeeRecord()
{
    using E = Entry;
    using I = Input;
    static const RecordDef record{
        QStringLiteral("utm1"),
        QStringLiteral("uid"),
        {
            // column, caption, input, entry, new limit, edit limit, initial, parameter, search order, mirrored
            {"u1", "中文名", I::Line, E::Any, 0, 0, {}, ":u1", 1, false},
            {"u2", "英文名", I::Line, E::Any, 0, 0, {}, ":u2", 2, false},
            {"u20", "性别", I::Choice, E::Any, 0, 0, "男", ":u20", 3, false},
            {"u6", "民族", I::Line, E::Any, 0, 0, {}, ":u6", 4, false},
            {"u8", "身份证号", I::Line, E::Any, 0, 0, {}, ":u8", 5, false},
            {"u9", "学历", I::Line, E::Any, 0, 0, {}, ":u9", 6, false},
            {"u10", "毕业学校", I::Line, E::Any, 0, 0, {}, ":u10", 7, false},
            {"u11", "所学专业", I::Line, E::Any, 0, 0, {}, ":u11", 8, false},
            {"u12", "工作年限", I::Line, E::Any, 0, 0, {}, ":u12", 9, false},
            {"u7", "籍贯", I::Line, E::Any, 0, 0, {}, ":u7", 10, false},
            {"u19", "状态", I::Choice, E::Any, 0, 0, {}, ":u19", 11, false},
            {"u5", "部门", I::Choice, E::Any, 0, 0, {}, ":u5", 12, false},
            {"u4", "职务", I::Choice, E::Any, 0, 0, {}, ":u4", 13, false},
            {"u17", "入司时间", I::Choice, E::Any, 0, 0, {}, ":u17", 14, false},
            {"u18", "转正时间", I::Choice, E::Any, 0, 0, {}, ":u18", 15, false},
            {"u13", "居住地", I::Line, E::Any, 0, 0, {}, ":u13", 16, false},
            {"u14", "邮编", I::Line, E::Any, 0, 0, {}, ":u14", 17, false},
            {"u15", "电话", I::Line, E::Any, 0, 0, {}, ":u15", 18, false},
            {"u16", "手机", I::Line, E::Any, 0, 0, {}, ":u16", 19, false},
            {"u22", "E-mail", I::Line, E::NoSpace, 0, 0, {}, ":u22", 20, false},
            {"u21", "备注", I::Memo, E::Any, 0, 0, {}, ":u21", 0, false},
        },
        QStringLiteral(")"),
        {},
        {},
        QString(),
        {"u1", "u2", "u6", "u7", "u8", "u9", "u10", "u11", "u12", "u13", "u14", "u15", "u16", "u17", "u18", "u19",
         "u20", "u21", "u22", "u4", "u5"},
    };
    return record;
}

} // namespace data
