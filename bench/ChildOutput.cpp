#include "ChildOutput.h"

#include "Protocol.h"

#include <cstdio>
#include <cstring>

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

void waitForQuit()
{
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        if (std::strncmp(line, protocol::kQuit, std::strlen(protocol::kQuit)) == 0)
            break;
    }
}

} // namespace bench
