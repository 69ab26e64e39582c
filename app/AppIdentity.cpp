#include "AppIdentity.h"

#include "Fonts.h"
#include "QtTexts.h"

#include <QApplication>

namespace app {

void setUpApplication()
{
    QApplication::setApplicationName(QString::fromLatin1(kApplicationName));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    installFonts();
    installQtTexts();
}

} // namespace app
