#pragma once

#include <QString>

namespace data {

// What the database engine said, in the user's words: the cause behind a
// result code (primary or extended), in Chinese, never the engine's own
// English text.
QString engineReason(int code);

} // namespace data
