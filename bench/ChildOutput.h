#pragma once

#include <QString>

namespace bench {

// One line to the parent: the tag (Protocol.h), a blank and the words.
void childSay(const char *tag, const QString &words = {});
void childError(const QString &why);

} // namespace bench
