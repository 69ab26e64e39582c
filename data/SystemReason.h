#pragma once

#include <QString>

namespace data {

// The cause of a failure as the user is told it: a few Chinese words, never
// the system's or the engine's own English text.

// Of a call to the system, by its error number (errno).
QString systemReason(int error);
// Of the database engine, by its result code (primary or extended).
QString engineReason(int code);

} // namespace data
