#include "Fonts.h"
#include "InstanceGuard.h"
#include "Startup.h"

#include <QApplication>
#include <sys/stat.h>

int main(int argc, char *argv[])
{
    // Whatever the program creates (database journals follow their database
    // file) is for this user alone.
    ::umask(077);

    // A second copy shows nothing, disturbs nothing and leaves at once.
    const app::InstanceGuard guard(app::kInstanceName);
    if (guard.state() == app::InstanceGuard::State::Second)
        return 0;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvero CRM"));
    app::installFonts();

    // Without its guard the program does not run: it says why and ends.
    if (!guard.isFirst())
        return app::refuseToStart(guard);

    const auto started = app::start(QDir::current());
    if (!started)
        return 1;
    return QApplication::exec();
}
