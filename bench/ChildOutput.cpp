#include "ChildOutput.h"

#include "Protocol.h"

#include <cstdio>

namespace bench {

void childSay(const char *tag, const QString &words)
{
    QByteArray line(tag);
    if (!words.isEmpty())
        line += ' ' + words.toUtf8();
    line += '\n';
    std::fputs(line.constData(), stdout);
    std::fflush(stdout);
}

void childError(const QString &why)
{
    // One line: the parent reads up to its end.
    QString text = why;
    text.replace(u'\n', u' ');
    childSay(protocol::kError, text);
}

} // namespace bench
