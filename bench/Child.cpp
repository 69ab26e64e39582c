#include "Child.h"

#include "ChildOutput.h"
#include "ExchangeChild.h"
#include "PaintWatch.h"
#include "Protocol.h"
#include "Reloads.h"
#include "ReportChild.h"
#include "WindowFigures.h"

#include "DbError.h"
#include "Fonts.h"
#include "InstanceGuard.h"
#include "MessageBox.h"
#include "Startup.h"
#include "TData_in.h"
#include "customers/TFrame_liebiao.h"

#include <QAbstractItemView>
#include <QApplication>
#include <cstdlib>
#include <exception>
#include <stdexcept>
#include <sys/stat.h>

namespace bench {

namespace {

// The viewport of the customer list's grid.
bool isCustomerList(QWidget *widget)
{
    auto *view = qobject_cast<QAbstractItemView *>(widget->parentWidget());
    if (!view || view->viewport() != widget)
        return false;
    for (QWidget *p = view; p; p = p->parentWidget()) {
        if (qobject_cast<TFrame_liebiao *>(p))
            return true;
    }
    return false;
}

// What the mode does once the list has painted; throws what it cannot measure.
void afterStart(const QString &mode, int runs, app::Startup &started)
{
    if (mode == QLatin1String(protocol::kWindows))
        runWindowFigures(started, runs);
    else if (mode == QLatin1String(protocol::kMemory))
        reloadThenWait(started);
    if (!ui::MessageBox::shown().isEmpty())
        throw std::runtime_error("a message box came up: " + ui::MessageBox::lastText().toStdString());
}

} // namespace

int runChild(int argc, char *argv[])
{
    const QString mode = argc > 2 ? QString::fromLatin1(argv[2]) : QString();
    const int runs = argc > 3 ? std::atoi(argv[3]) : 0;
    // The reports and the export need the data module alone, not the program.
    if (mode == QLatin1String(protocol::kReportPdf) || mode == QLatin1String(protocol::kReportPreview))
        return runReportChild(argc, argv);
    if (mode == QLatin1String(protocol::kExport))
        return runExportChild(argc, argv);
    if (mode != QLatin1String(protocol::kStartup) && mode != QLatin1String(protocol::kWindows)
        && mode != QLatin1String(protocol::kMemory)) {
        childError(QStringLiteral("unknown child mode %1").arg(mode));
        return 2;
    }

    // From here on, the start of the program as its main() has it.
    ::umask(077);
    const app::InstanceGuard guard(app::kInstanceName);
    if (guard.state() == app::InstanceGuard::State::Second) {
        childError(QStringLiteral("another copy of the program holds the guard"));
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Talvero CRM"));
    app::installFonts();
    if (!guard.isFirst()) {
        childError(app::guardFailureText(guard));
        return 1;
    }
    // A message box would wait for a click that never comes: each is
    // recorded instead, and any one of them fails the measurement.
    ui::MessageBox::setTestMode(true);

    std::unique_ptr<app::Startup> started;
    PaintWatch watch(isCustomerList);
    watch.setOnIdle([&] {
        try {
            if (!started)
                throw std::runtime_error("the list painted before the start-up was over");
            childSay(protocol::kPainted, QString::number(started->data().atc1_all().count()));
            afterStart(mode, runs, *started);
            QCoreApplication::exit(0);
        } catch (const data::DbError &e) {
            childError(e.message());
            QCoreApplication::exit(1);
        } catch (const std::exception &e) {
            childError(QString::fromStdString(e.what()));
            QCoreApplication::exit(1);
        }
    });
    watch.arm();

    started = app::start(QDir::current());
    if (!started) {
        childError(QStringLiteral("the program did not start: %1").arg(ui::MessageBox::lastText()));
        return 1;
    }
    return QApplication::exec();
}

} // namespace bench
