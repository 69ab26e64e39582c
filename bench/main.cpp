// talvero-bench [N ...]: for each N (default 10,000, 100,000 and 300,000)
// makes an installation with N sample customers in a temporary folder and
// reports what a user of it waits for, each figure against a reference taken
// in the same run, with its target: the data module against a bare engine
// loop, start-up timed from outside the process, the main window's commands
// and the program's memory, measured in child processes of this program
// (talvero-bench --child ..., Child.h). Reports; does not gate: the exit code
// is 0 unless something could not be measured at all.

#include "Child.h"
#include "Figures.h"
#include "Installation.h"
#include "ProcessFigures.h"
#include "Protocol.h"
#include "Report.h"

#include "DbError.h"
#include "StandingQuery.h"
#include "TData_in.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <vector>

namespace {

constexpr int kRuns = 5;

void runFor(int customers, const bench::ProcessFigures &processes)
{
    bench::Installation full;
    const int companies = std::max(1, customers / 10);
    bench::printInfo(customers, QStringLiteral("generate %1 customers and %2 companies").arg(customers).arg(companies),
                     full.fill(customers));

    QString listSql;
    {
        TData_in dataIn(full.dir());
        listSql = dataIn.atc1_all().standingText();
        bench::printTimed(customers, bench::resetFigure(dataIn, kRuns));
        bench::printTimed(customers, bench::customerSearchFigure(dataIn, kRuns));
        bench::printTimed(customers, bench::companySearchFigure(dataIn, kRuns));
    }
    bench::printStartup(customers, processes.startup(full, customers, listSql));
    for (const bench::TimedFigure &f : processes.windows(full, customers))
        bench::printTimed(customers, f);
    for (const bench::MemoryFigure &f : processes.memory(full, customers, listSql))
        bench::printMemory(customers, f);
}

} // namespace

int main(int argc, char *argv[])
{
    // Without a screen the program's windows go off-screen, in the children too.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], bench::protocol::kChildFlag) == 0)
        return bench::runChild(argc, argv);

    QCoreApplication app(argc, argv);
    std::vector<int> sizes;
    const QStringList args = app.arguments().mid(1);
    for (const QString &arg : args) {
        bool ok = false;
        const int n = arg.toInt(&ok);
        if (!ok || n <= 0) {
            std::fprintf(stderr, "usage: talvero-bench [N ...]   (N customers, default 10000 100000 300000)\n");
            return 2;
        }
        sizes.push_back(n);
    }
    if (sizes.empty())
        sizes = {10000, 100000, 300000};

    try {
        QTemporaryDir runtime; // the children's own runtime folder, 0700
        if (!runtime.isValid())
            throw data::DbError(QStringLiteral("cannot create a temporary folder"));
        const bench::Installation empty;
        const bench::ProcessFigures processes(empty, runtime.path(), kRuns);
        for (int n : sizes)
            runFor(n, processes);
    } catch (const data::DbError &e) {
        std::fprintf(stderr, "talvero-bench: %s\n", e.message().toUtf8().constData());
        return 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "talvero-bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
