#include "ExchangeChild.h"

#include "ChildOutput.h"
#include "ExchangeFigures.h"
#include "LoadedList.h"
#include "Measure.h"
#include "Protocol.h"

#include "ExportTables.h"
#include "StandingQuery.h"
#include "TData_in.h"

#include <QCoreApplication>
#include <cstdlib>
#include <stdexcept>
#include <sys/stat.h>

namespace bench {

namespace {

void exportList(TData_in &dataIn, int runs, const QString &file)
{
    const data::StandingQuery &list = loadCustomerList(dataIn);
    const data::ExportTable &table = customerExport();
    const auto write = [&] {
        if (!data::exportRows(list, table, file))
            throw std::runtime_error("the export to " + file.toStdString() + " stopped");
    };
    const PairedTimes t = timeAlternately(runs, write, bareLoopOver(list));
    childSay(protocol::kExported,
             QStringLiteral("%1 %2 %3").arg(t.firstMs, 0, 'f', 3).arg(t.secondMs, 0, 'f', 3).arg(list.count()));
    waitForQuit();
}

} // namespace

int runExportChild(int argc, char *argv[])
{
    const int runs = argc > 3 ? std::atoi(argv[3]) : 0;
    const QString file = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    if (file.isEmpty()) {
        childError(QStringLiteral("no file for the export"));
        return 2;
    }
    ::umask(077);
    // The export needs no window: the data module alone.
    QCoreApplication application(argc, argv);
    return childMeasure([&] {
        TData_in dataIn(QDir::current());
        exportList(dataIn, runs, file);
    });
}

} // namespace bench
