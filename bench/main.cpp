// talvero-bench [N ...]: loads N sample customers into a fresh installation
// in a temporary folder and reports how the data layer's standing queries
// compare with a bare read of the same statements. Reports; does not gate:
// the exit code is 0 unless something could not be run at all.

#include "Figures.h"
#include "StartupFigure.h"
#include "Measure.h"
#include "Report.h"
#include "SampleData.h"

#include "Connection.h"
#include "FreshInstall.h"
#include "Schema.h"
#include "TData_in.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <memory>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kRuns = 7;
constexpr uint64_t kStartValue = 20240601;

void runFor(int customers)
{
    QTemporaryDir folder;
    if (!folder.isValid())
        throw std::runtime_error("cannot create a temporary folder");
    const QDir dir(folder.path());
    data::createFreshInstallation(dir);

    const int companies = std::max(1, customers / 10);
    bench::printInfo(customers, QStringLiteral("generate %1 customers and %2 companies").arg(customers).arg(companies),
                     bench::timeMs([&] {
                         data::Connection main = data::Connection::open(
                             dir.filePath(QString::fromLatin1(data::kMainFile.relativePath)), data::kMainFile.key);
                         bench::generateSampleData(main, customers, companies, kStartValue);
                     }));

    std::unique_ptr<TData_in> dataIn;
    bench::printInfo(customers, QStringLiteral("open Data_in (every standing query loaded once)"),
                     bench::timeMs([&] { dataIn = std::make_unique<TData_in>(dir); }));

    bench::printTimed(customers, bench::resetFigure(*dataIn, kRuns));
    bench::printMemory(customers, bench::memoryFigure(*dataIn));
    bench::printTimed(customers, bench::customerSearchFigure(*dataIn, kRuns));
    bench::printTimed(customers, bench::companySearchFigure(*dataIn, kRuns));
}

} // namespace

int main(int argc, char *argv[])
{
    // The start-up figure builds the real windows; without a screen they go off-screen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::vector<int> sizes;
    const QStringList args = app.arguments().mid(1);
    for (const QString &arg : args) {
        bool ok = false;
        const int n = arg.toInt(&ok);
        if (!ok || n <= 0) {
            std::fprintf(stderr, "usage: talvero-bench [N ...]   (N customers, default 10000 100000)\n");
            return 2;
        }
        sizes.push_back(n);
    }
    if (sizes.empty())
        sizes = {10000, 100000};

    try {
        for (int n : sizes)
            runFor(n);
        bench::printStartup(bench::startupMs(kRuns));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "talvero-bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
