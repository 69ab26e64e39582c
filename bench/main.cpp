// talvero-bench [N ...] [activities] [analyses] [employees] [reports] [backup]
// [exchange]: for each N (default 10,000, 100,000 and 300,000) makes an
// installation with N sample customers in a temporary folder and reports
// what a user of it waits for, each figure against a reference taken in the
// same run, with its target: the data module against a bare engine
// loop, start-up timed from outside the process, the main window's commands
// and the program's memory, measured in child processes of this program
// (talvero-bench --child ..., Child.h). Reports; does not gate: the exit code
// is 0 unless something could not be measured at all. With "activities", or
// by default, also the activity list's figures (100,000 customers, 300,000
// activities) and the reminder's poll over 1,000,000 activities; with
// "analyses", or by default, the analysis and product lists' figures
// (100,000 analyses, 10,000 products); with "employees", or by default,
// the employee list's (100,000 employees); with "reports", or by default,
// the customer list's report, 客户清单表, to a PDF file and in its preview,
// in child processes, for each N given (100,000 when none is); with
// "backup", or by default, a backup of the installation against copying its
// two files, at the same sizes; with "exchange", or by default, the customer
// list exported to a .xlsx and a .csv file, in child processes, at the same
// sizes, and an import of 10,000 customers (or the fewest N given, when
// that is fewer) from a .xlsx file.

#include "ActivityFigures.h"
#include "AnalysisFigures.h"
#include "BackupFigures.h"
#include "EmployeeFigures.h"
#include "ExchangeFigures.h"
#include "Child.h"
#include "Figures.h"
#include "Installation.h"
#include "Measure.h"
#include "ProcessFigures.h"
#include "Protocol.h"
#include "Report.h"
#include "ReportFigures.h"
#include "SampleData.h"
#include "Targets.h"

#include "Connection.h"
#include "DbError.h"
#include "Schema.h"
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
constexpr int kImportedCustomers = 10000;

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

// The megabytes a list holds loaded, and per 100,000 of its rows.
void printLoaded(int customers, const bench::Installation &at, const QString &query, const QString &sql, int rows,
                 const QString &what, double target)
{
    const double storeMb = at.loadedMb(sql);
    const double per100k = storeMb * 100000.0 / rows;
    bench::printLine(QStringLiteral("N=%1 %2 loaded: %3 MB for %4 %5, %6 MB per 100,000 (target <= %7) %8")
                         .arg(customers)
                         .arg(query, QString::number(storeMb, 'f', 1))
                         .arg(rows)
                         .arg(what, QString::number(per100k, 'f', 1), QString::number(target, 'f', 1),
                              per100k <= target ? QStringLiteral("ok") : QStringLiteral("MISS")));
}

// The analyses and products: both lists' data with 100,000 customers,
// 100,000 analyses and 10,000 products.
void runAnalyses(int customers, int analyses, int products)
{
    bench::Installation full;
    full.fill(customers);
    bench::printInfo(customers, QStringLiteral("generate %1 analyses and %2 products").arg(analyses).arg(products),
                     bench::timeMs([&] {
                         data::Connection main = data::Connection::open(full.mainFile(), data::kMainFile.key);
                         bench::generateAnalyses(main, analyses, products, customers, 20261211);
                     }));
    {
        TData_in dataIn(full.dir());
        for (const bench::TimedFigure &f : bench::analysisFigures(dataIn, kRuns))
            bench::printTimed(customers, f);
    }
    printLoaded(customers, full, QStringLiteral("vtv2_all"), QStringLiteral("select * from vtv2 order by hid DESC"),
                analyses, QStringLiteral("analyses"), bench::kListStoreMbPer100k);
    printLoaded(customers, full, QStringLiteral("vtv4_all"), QStringLiteral("select * from vtv4 order by oid DESC"),
                products, QStringLiteral("products"), bench::kListStoreMbPer100k);
}

// The employees: the list's data with 100,000 employees.
void runEmployees(int customers, int employees)
{
    bench::Installation full;
    full.fill(customers);
    bench::printInfo(customers, QStringLiteral("generate %1 employees").arg(employees), bench::timeMs([&] {
                         data::Connection main = data::Connection::open(full.mainFile(), data::kMainFile.key);
                         bench::generateEmployees(main, employees, 20261212);
                     }));
    {
        TData_in dataIn(full.dir());
        for (const bench::TimedFigure &f : bench::employeeFigures(dataIn, kRuns))
            bench::printTimed(customers, f);
    }
    printLoaded(customers, full, QStringLiteral("utm1_all"), QStringLiteral("select * from utm1 order by uid DESC"),
                employees, QStringLiteral("employees"), bench::kListStoreMbPer100k);
}

// The activities: the list's data with 100,000 customers and 300,000
// activities, and the reminder's poll over 1,000,000 activities.
void runActivities(int customers, int activities, int pollActivities)
{
    const auto fillActivities = [](const bench::Installation &at, int count, int of) {
        data::Connection main = data::Connection::open(at.mainFile(), data::kMainFile.key);
        bench::generateActivities(main, count, of, 20240602);
    };
    bench::Installation full;
    full.fill(customers);
    bench::printInfo(customers, QStringLiteral("generate %1 activities").arg(activities),
                     bench::timeMs([&] { fillActivities(full, activities, customers); }));
    {
        TData_in dataIn(full.dir());
        for (const bench::TimedFigure &f : bench::activityFigures(dataIn, kRuns))
            bench::printTimed(customers, f);
    }
    printLoaded(customers, full, QStringLiteral("vtv1_all"), QStringLiteral("select * from vtv1 order by e3 DESC"),
                activities, QStringLiteral("activities"), bench::kActivityStoreMbPer100k);

    bench::Installation many;
    bench::printInfo(customers, QStringLiteral("generate %1 activities for the poll").arg(pollActivities),
                     bench::timeMs([&] { fillActivities(many, pollActivities, customers); }));
    const double pollMs = bench::reminderPollMs(many, 200);
    bench::printLine(QStringLiteral("N=%1 one reminder poll over %2 activities: %3 ms (target < %4 ms) %5")
                         .arg(customers)
                         .arg(pollActivities)
                         .arg(QString::number(pollMs, 'f', 3), QString::number(bench::kReminderPollMs, 'f', 2),
                              pollMs < bench::kReminderPollMs ? QStringLiteral("ok") : QStringLiteral("MISS")));
}

// The customer list's report over `customers` customers: to a PDF file,
// with the peak memory of that, and in its preview.
void runReports(int customers, const QString &runtimeDir)
{
    bench::Installation full;
    const int companies = std::max(1, customers / 10);
    bench::printInfo(customers, QStringLiteral("generate %1 customers and %2 companies").arg(customers).arg(companies),
                     full.fill(customers));
    bench::printReportPdf(customers, bench::reportPdfFigure(full, customers, runtimeDir, kRuns));
    bench::printPreview(customers, bench::reportPreviewFigure(full, customers, runtimeDir, kRuns));
}

// A backup of an installation of `customers` customers.
void runBackup(int customers)
{
    bench::Installation full;
    bench::printInfo(customers, QStringLiteral("generate %1 customers and %2 companies").arg(customers).arg(std::max(1, customers / 10)),
                     full.fill(customers));
    bench::printTimed(customers, bench::backupFigure(full, customers, kRuns));
}

// The customer list of `customers` customers exported to a .xlsx and to a
// .csv file, each with the peak memory of the process that wrote it.
void runExport(int customers, const QString &runtimeDir)
{
    bench::Installation full;
    bench::printInfo(customers,
                     QStringLiteral("generate %1 customers and %2 companies").arg(customers).arg(std::max(1, customers / 10)),
                     full.fill(customers));
    for (const QString &suffix : {QStringLiteral("xlsx"), QStringLiteral("csv")})
        bench::printExport(customers, bench::exportFigure(full, customers, suffix, runtimeDir, kRuns));
}

// A .xlsx file of `customers` customers imported into a fresh installation.
void runImport(int customers)
{
    bench::Installation source;
    bench::printInfo(customers,
                     QStringLiteral("generate %1 customers as the new-customer window takes them and %2 companies")
                         .arg(customers)
                         .arg(std::max(1, customers / 10)),
                     source.fillTyped(customers));
    bench::printImport(customers, bench::importFigure(source, customers, kRuns));
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
    bool withActivities = args.isEmpty();
    bool withAnalyses = args.isEmpty();
    bool withEmployees = args.isEmpty();
    bool withReports = args.isEmpty();
    bool withBackup = args.isEmpty();
    bool withExchange = args.isEmpty();
    for (const QString &arg : args) {
        if (arg == QLatin1String("activities")) {
            withActivities = true;
            continue;
        }
        if (arg == QLatin1String("analyses")) {
            withAnalyses = true;
            continue;
        }
        if (arg == QLatin1String("employees")) {
            withEmployees = true;
            continue;
        }
        if (arg == QLatin1String("reports")) {
            withReports = true;
            continue;
        }
        if (arg == QLatin1String("backup")) {
            withBackup = true;
            continue;
        }
        if (arg == QLatin1String("exchange")) {
            withExchange = true;
            continue;
        }
        bool ok = false;
        const int n = arg.toInt(&ok);
        if (!ok || n <= 0) {
            std::fprintf(stderr, "usage: talvero-bench [N ...] [activities] [analyses] [employees] [reports] [backup] "
                                 "[exchange]   (N customers, default 10000 100000 300000, the activities, the "
                                 "analyses and products, the employees, the customer list's report, a backup, "
                                 "the export and import of customers)\n");
            return 2;
        }
        sizes.push_back(n);
    }
    // The report runs at each size given, or at 100,000 customers.
    const std::vector<int> reportSizes = sizes.empty() ? std::vector<int>{100000} : sizes;
    if (args.isEmpty())
        sizes = {10000, 100000, 300000};

    try {
        QTemporaryDir runtime; // the children's own runtime folder, 0700
        if (!runtime.isValid())
            throw data::DbError(QStringLiteral("cannot create a temporary folder"));
        const bench::Installation empty;
        const bench::ProcessFigures processes(empty, runtime.path(), kRuns);
        for (int n : sizes)
            runFor(n, processes);
        // With the default sizes, or when asked for alone ("activities").
        if (withActivities)
            runActivities(100000, 300000, 1000000);
        if (withAnalyses)
            runAnalyses(100000, 100000, 10000);
        if (withEmployees)
            runEmployees(1000, 100000);
        if (withReports) {
            for (int n : reportSizes)
                runReports(n, runtime.path());
        }
        // A backup at the same sizes as the report.
        if (withBackup) {
            for (int n : reportSizes)
                runBackup(n);
        }
        // The export at the same sizes; the import of 10,000 customers, or
        // of fewer where a smaller size is given.
        if (withExchange) {
            for (int n : reportSizes)
                runExport(n, runtime.path());
            runImport(std::min(kImportedCustomers, *std::min_element(reportSizes.begin(), reportSizes.end())));
        }
    } catch (const data::DbError &e) {
        std::fprintf(stderr, "talvero-bench: %s\n", e.message().toUtf8().constData());
        return 1;
    } catch (const std::exception &e) {
        std::fprintf(stderr, "talvero-bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
