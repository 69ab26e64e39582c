#pragma once

#include <QString>
#include <functional>

namespace bench {

// One line to the parent: the tag (Protocol.h), a blank and the words.
void childSay(const char *tag, const QString &words = {});
void childError(const QString &why);
// Runs a child's measurements; a failure is told to the parent as an error
// and gives the exit code 1, success 0.
int childMeasure(const std::function<void()> &measure);
// Reads the parent's lines until "quit" or the end of the input.
void waitForQuit();

} // namespace bench
