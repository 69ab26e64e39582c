#include "OnlineHelp.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace ui {

void startOnlineHelp()
{
    const QFileInfo program(QDir::current().filePath(QStringLiteral("Update/Update.exe")));
    if (program.isFile() && program.isExecutable())
        QProcess::startDetached(program.absoluteFilePath(), {});
}

} // namespace ui
