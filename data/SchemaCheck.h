#pragma once

#include "Schema.h"

#include <QString>
#include <vector>

namespace data {

class Connection;

// Whether a database file is ours in shape: exactly the tables with the
// columns a fresh installation makes (createFreshInstallation()), our indexes
// and nothing of its own besides: no other table, index, view or trigger.
// An index of ours that the file lacks is no fault (files made before it);
// addMissingIndexes() gives it. Returns what is wrong, in Chinese words that
// follow the file's name ("缺少表 vx19", "含有本系统没有的触发器"), naming
// only what is ours, or nothing when the file is as it should be. Throws
// DbError when the file cannot be read.
QString schemaDifference(Connection &file, const std::vector<TableDef> &tables, const std::vector<IndexDef> &indexes);

} // namespace data
