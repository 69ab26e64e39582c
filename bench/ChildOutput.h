#pragma once

#include <QString>

namespace bench {

// One line to the parent: the tag (Protocol.h), a blank and the words.
void childSay(const char *tag, const QString &words = {});
void childError(const QString &why);
// Reads the parent's lines until "quit" or the end of the input.
void waitForQuit();

} // namespace bench
