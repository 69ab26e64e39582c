#include "ChildOutput.h"

#include "DbError.h"
#include "Protocol.h"

#include <cstdio>
#include <cstring>
#include <exception>

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

int childMeasure(const std::function<void()> &measure)
{
    try {
        measure();
    } catch (const data::DbError &e) {
        childError(e.message());
        return 1;
    } catch (const std::exception &e) {
        childError(QString::fromStdString(e.what()));
        return 1;
    }
    return 0;
}

} // namespace bench
