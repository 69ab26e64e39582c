#include "AppIdentity.h"
#include "BackupCommands.h"
#include "DailyBackup.h"
#include "InstanceGuard.h"
#include "Startup.h"
#include "TData_in.h"
#include "Ta_main.h"

#include <QApplication>
#include <QTimer>
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
    app::setUpApplication();

    // Without its guard the program does not run: it says why and ends.
    if (!guard.isFirst())
        return app::refuseToStart(guard);

    const QDir workDir = QDir::current();
    const auto started = app::start(workDir);
    if (!started)
        return 1;
    // The first start of a day keeps a backup, made beside the window once
    // it is up; every exit keeps one of what the user leaves.
    Ta_main &window = started->mainWindow();
    TData_in &data = started->data();
    QTimer::singleShot(0, &window, [&] { started->dailyBackup().startIfDue(&window); });
    const int code = QApplication::exec();
    started->dailyBackup().wait();
    app::backUpAutomatically(&window, data, workDir);
    return code;
}
