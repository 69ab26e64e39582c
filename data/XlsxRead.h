#pragma once

#include "SheetRead.h"

namespace data {

// The first worksheet of an .xlsx workbook, streamed from its zip. Throws
// DbError with a Chinese message when the workbook is damaged.
std::unique_ptr<SheetRows> openWorkbook(const QString &path, const ReadProgress &progress = {});

} // namespace data
