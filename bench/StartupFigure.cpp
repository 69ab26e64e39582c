#include "StartupFigure.h"

#include "FreshInstall.h"
#include "Measure.h"
#include "Report.h"
#include "Startup.h"
#include "Ta_main.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <stdexcept>
#include <vector>

namespace bench {

double startupMs(int runs)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QTemporaryDir folder;
        if (!folder.isValid())
            throw std::runtime_error("cannot create a temporary folder");
        data::createFreshInstallation(QDir(folder.path()));
        QElapsedTimer clock;
        double shownAt = -1;
        clock.start();
        // The first-run guide waits for the event loop, which never runs here.
        const Ta_main *main = nullptr;
        auto started = std::make_unique<app::Startup>(QDir(folder.path()));
        main = &started->mainWindow();
        QObject::connect(main, &Ta_main::firstShown, [&] { shownAt = double(clock.nsecsElapsed()) / 1e6; });
        started->mainWindow().showMaximized();
        if (shownAt < 0)
            throw std::runtime_error("the main window was not shown");
        times.push_back(shownAt);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void printStartup(double ms)
{
    printLine(QStringLiteral("start-up to the main window shown, fresh installation: %1 ms (figure only)").arg(ms, 0, 'f', 1));
}

} // namespace bench
