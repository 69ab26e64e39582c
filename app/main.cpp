#include "Fonts.h"
#include "InstanceGuard.h"
#include "Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // A second copy shows nothing, disturbs nothing and leaves at once.
    const app::InstanceGuard guard(app::kInstanceName);
    if (!guard.isFirst())
        return 0;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvero CRM"));
    app::installFonts();

    const auto started = app::start(QDir::current());
    if (!started)
        return 1;
    return QApplication::exec();
}
