#pragma once

#include <QString>

namespace data {

// What the operating system said, in the user's words: the reason behind a
// failed file operation (an errno value), in Chinese, never the system's own
// English text.
QString systemReason(int error);

// "无法<action>“<path>”:<reason>", the message of a failed file operation.
QString fileFailure(const QString &action, const QString &path, int error);

} // namespace data
