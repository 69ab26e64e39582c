#include "Schema.h"

namespace data {

namespace {

QStringList numbered(const QString &letter, int from, int to, const QList<int> &skip = {})
{
    QStringList names;
    for (int i = from; i <= to; ++i) {
        if (!skip.contains(i))
            names << letter + QString::number(i);
    }
    return names;
}

} // namespace

const std::vector<TableDef> &mainTables()
{
    static const std::vector<TableDef> tables{
        {"atc1", "aid", numbered("a", 1, 28), {}},
        {"atc2", "cid", numbered("c", 1, 17), {}},
        {"vtv1", "eid", numbered("e", 2, 15), {}},
        {"vtv2", "hid", numbered("h", 1, 14), {"h4", "h5", "h6"}},
        {"vtv3", "jid", numbered("j", 1, 9), {}},
        {"vtv4", "oid", numbered("o", 1, 11), {"o5", "o6", "o7", "o10"}},
        {"utm1", "uid", numbered("u", 1, 22, {3}), {}},
        {"ptp1", "", {"watts"}, {}},
    };
    return tables;
}

const std::vector<IndexDef> &mainIndexes()
{
    // The reminder looks up the activities of one minute every minute.
    static const std::vector<IndexDef> indexes{{"vtv1_e3", "vtv1", "e3", "NOCASE"}};
    return indexes;
}

const std::vector<TableDef> &lookupTables()
{
    static const std::vector<TableDef> tables = [] {
        std::vector<TableDef> t;
        for (int i = 1; i <= kPickListCount; ++i)
            t.push_back({"vx" + QString::number(i), "mcid", {"mc1"}, {}});
        return t;
    }();
    return tables;
}

const TableDef *findTable(const QString &name)
{
    for (const auto *list : {&mainTables(), &lookupTables()}) {
        for (const TableDef &t : *list) {
            if (t.name == name)
                return &t;
        }
    }
    return nullptr;
}

} // namespace data
