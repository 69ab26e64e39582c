#include "ReportChild.h"

#include "ChildOutput.h"
#include "LoadedList.h"
#include "MainWindowDriver.h"
#include "Measure.h"
#include "PaintWatch.h"
#include "Protocol.h"

#include "DateText.h"
#include "DefaultReports.h"
#include "Fonts.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "reports/ReportOutput.h"
#include "reports/ReportPreview.h"
#include "reports/ReportRows.h"

#include <QApplication>
#include <QDate>
#include <QDeadlineTimer>
#include <QScreen>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <sys/stat.h>

namespace bench {

namespace {

// 客户清单表 as a fresh installation has it.
const data::ReportDefinition &customerReport()
{
    for (const data::DefaultReport &report : data::defaultReports()) {
        if (std::strcmp(report.file, "s1.rav") == 0)
            return report.definition;
    }
    throw std::runtime_error("there is no default report s1.rav");
}

QString today()
{
    return data::dateText(QDate::currentDate());
}

// The report written once to `file`, as a user makes it: the first one in
// the process. Then waits for the parent, which reads the peak memory.
void writePdf(TData_in &dataIn, int runs, const QString &file)
{
    const data::StandingQuery &list = loadCustomerList(dataIn);
    const std::function<void()> bare = bareLoopOver(list);
    std::vector<double> bareMs;
    Repeats repeats(runs);
    do {
        bareMs.push_back(timeMs(bare));
    } while (repeats.more(bareMs.back()));

    const reports::QueryRows rows(list);
    bool written = false;
    const double ms = timeMs([&] { written = reports::writeReportPdf(customerReport(), rows, file, today()); });
    if (!written)
        throw std::runtime_error("the report was not written to " + file.toStdString());
    childSay(protocol::kPdf,
             QStringLiteral("%1 %2 %3").arg(ms, 0, 'f', 3).arg(median(bareMs), 0, 'f', 3).arg(rows.count()));
    waitForQuit();
}

// The preview opened as the program opens it (filling the screen), from its
// construction to its first page painted and the event loop come round;
// then the last one opened lays out the rest of its pages.
void openPreview(TData_in &dataIn, int runs)
{
    const reports::QueryRows rows(loadCustomerList(dataIn));
    const QString date = today();
    std::unique_ptr<reports::ReportPreview> preview;
    PaintWatch firstPage([&](QWidget *widget) {
        return preview && widget->objectName() == QLatin1String("pageView") && preview->isAncestorOf(widget);
    });
    int laidOutAtPaint = 0;
    firstPage.setOnPaint([&] { laidOutAtPaint = std::max(laidOutAtPaint, preview->pagesLaidOut()); });
    const auto open = [&] {
        firstPage.arm();
        preview = std::make_unique<reports::ReportPreview>(customerReport(), rows, date, std::function<void()>());
        if (const QScreen *screen = preview->screen())
            preview->setGeometry(screen->availableGeometry());
        preview->setWindowState(preview->windowState() | Qt::WindowMaximized);
        preview->show();
        if (!firstPage.wait(kLongestWaitMs))
            throw std::runtime_error("the preview's first page did not paint");
    };
    const PairedTimes t = timeAlternately(runs, open, bareLoopOver(dataIn.atc1_all()), [&] { preview.reset(); });

    const QDeadlineTimer deadline(kLongestWaitMs);
    while (!preview->complete()) {
        if (deadline.hasExpired())
            throw std::runtime_error("the preview did not lay out all its pages");
        QCoreApplication::processEvents();
    }
    childSay(protocol::kPreview, QStringLiteral("%1 %2 %3 %4 %5")
                                     .arg(t.firstMs, 0, 'f', 3)
                                     .arg(t.secondMs, 0, 'f', 3)
                                     .arg(rows.count())
                                     .arg(laidOutAtPaint)
                                     .arg(preview->pagesLaidOut()));
}

} // namespace

int runReportChild(int argc, char *argv[])
{
    const QString mode = argc > 2 ? QString::fromLatin1(argv[2]) : QString();
    const int runs = argc > 3 ? std::atoi(argv[3]) : 0;
    const QString file = argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString();
    if (mode == QLatin1String(protocol::kReportPdf) && file.isEmpty()) {
        childError(QStringLiteral("no file for the report"));
        return 2;
    }

    ::umask(077);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvero CRM"));
    app::installFonts();
    return childMeasure([&] {
        TData_in dataIn(QDir::current());
        if (mode == QLatin1String(protocol::kReportPdf))
            writePdf(dataIn, runs, file);
        else
            openPreview(dataIn, runs);
    });
}

} // namespace bench
