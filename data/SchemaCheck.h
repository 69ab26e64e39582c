#pragma once

#include "Schema.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace data {

class Connection;

// Whether a database file is ours in shape: exactly the tables with the
// columns a fresh installation makes (createFreshInstallation()), and
// nothing of its own besides: no other table, index, view or trigger. What
// the program adds to a file that lacks it (`later`: the statements that
// make it, an index of ours, the reminder's record) may be missing, and is
// as those statements make it where it is there. Returns what is wrong, in
// Chinese words that follow the file's name ("缺少表 vx19", "含有本系统没有的
// 触发器"), naming only what is ours, or nothing when the file is as it
// should be. Throws DbError when the file cannot be read.
QString schemaDifference(Connection &file, const std::vector<TableDef> &tables, const QStringList &later);

} // namespace data
