#include "FieldTable.h"

namespace data {

// A customer (atc1), in the order of the customer form. a25 is never used.
//
// A new customer column takes three places: the column in the schema
// (Schema.cpp), its field here with its place in moreLines and detailValues
// (so both windows type it, the insert writes it and the details show it),
// and, when it is searched, its box in the search window (Tfind_lianxiren).
const RecordDef &customerRecord()
{
    using E = Entry;
    using I = Input;
    static const RecordDef record{
        QStringLiteral("atc1"),
        QStringLiteral("aid"),
        {
            // column, caption, input, entry, new limit, edit limit, initial, parameter, search order
            {"a1", "中文名", I::Line, E::Name, 10, 10, {}, ":a", 1},
            {"a12", "称呼", I::Choice, E::Any, 0, 0, "先生", ":l", 7},
            {"a2", "英文名", I::Line, E::NoSpace, 25, 25, {}, ":b", 2},
            {"a19", "电  话 区号", I::Line, E::Digits, 5, 5, "0", ":s", 11},
            {"a3", "电  话 号码", I::Line, E::Digits, 15, 15, {}, ":c", 3},
            {"a22", "电  话 分机号", I::Line, E::Digits, 8, 8, {}, ":v", 13},
            {"a21", "传  真 区号", I::Line, E::Digits, 5, 5, "0", ":u", 12},
            {"a7", "传  真 号码", I::Line, E::Digits, 15, 15, {}, ":g", 5},
            {"a24", "传  真 分机号", I::Line, E::Digits, 8, 8, {}, ":x", 14},
            {"a27", "手  机 区号", I::Line, E::Digits, 5, 5, "0", ":z", 15},
            {"a5", "手  机 号码", I::Line, E::Digits, 15, 15, {}, ":e", 4},
            {"a8", "E-mail", I::Line, E::NoSpace, 45, 45, {}, ":h", 6},
            {"a11", "评  级", I::Choice, E::Any, 0, 0, "1", ":k"},
            {"a18", "公  司", I::Choice, E::Any, 0, 0, {}, ":r", 10},
            {"a14", "公司编号", I::Hidden, E::Any, 0, 0, {}, ":n"},
            {"a13", "部  门", I::Choice, E::Any, 0, 0, {}, ":m", 8},
            {"a26", "职  务", I::Choice, E::Any, 0, 0, {}, ":y", 9},
            {"a17", "描述", I::Memo, E::NoSpace, 250, 250, {}, ":q"},
            {"a20", "电   话2 区号", I::Line, E::Digits, 5, 5, {}, ":t"},
            {"a4", "电   话2 号码", I::Line, E::Digits, 15, 15, {}, ":d"},
            {"a23", "电   话2 分机号", I::Line, E::Digits, 8, 8, {}, ":w"},
            {"a28", "手   机2 区号", I::Line, E::Digits, 5, 5, {}, ":aa"},
            {"a6", "手   机2 号码", I::Line, E::Digits, 15, 15, {}, ":f"},
            {"a15", "家庭地址", I::Line, E::NoSpace, 200, 200, {}, ":o"},
            {"a16", "邮编", I::Line, E::Digits, 10, 10, {}, ":p"},
            // QQ and MSN take different lengths in the two windows, as they always have.
            {"a10", "Q Q", I::Line, E::Digits, 35, 45, {}, ":j"},
            {"a9", "MSN", I::Line, E::NoSpace, 45, 35, {}, ":i"},
        },
        QStringLiteral(" )"),
        // The supplementary part of the form: caption (empty: the field's), columns, -, width of a single box.
        {
            {{"电   话2", {"a20", "a4", "a23"}}, {"手   机2", {"a28", "a6"}}},
            {{{}, {"a15"}}},
            {{{}, {"a16"}, {}, 90}, {{}, {"a10"}, {}, 150}, {{}, {"a9"}}},
        },
        // The details page: caption (empty: the field's), columns, the texts between them.
        {
            {"电   话2", {"a20", "a4", "a23"}, {"-", " 转 "}},
            {"手   机2", {"a28", "a6"}, {"-"}},
            {{}, {"a15", "a16"}, {","}},
            {{}, {"a10"}},
            {{}, {"a9"}},
        },
    };
    return record;
}

} // namespace data
