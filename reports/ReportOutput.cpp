#include "ReportOutput.h"

#include "PrivateFile.h"
#include "ReportDefinition.h"
#include "ReportPages.h"
#include "ReportPaper.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <functional>

namespace reports {

namespace {

const QString kTitle = QStringLiteral("Talvero CRM");

// Lays out every page, telling the progress of each.
bool layOut(ReportPages &pages, ReportProgress *progress)
{
    for (int page = 0; pages.hasPage(page); ++page) {
        if (progress && !progress->preparing(page + 1))
            return false;
    }
    return true;
}

// Paints the pages of `copies` copies, one copy after the other when
// collated, else each page as many times over. A stopped run calls `abort`
// while the painter is still active, so that nothing half made goes out.
bool paintAll(ReportPages &pages, QPagedPaintDevice &device, int copies, bool collate, ReportProgress *progress,
              const std::function<void()> &abort = {})
{
    const int count = pages.pageCount();
    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    bool first = true;
    const int outer = collate ? copies : 1, inner = collate ? 1 : copies;
    for (int copy = 0; copy < outer; ++copy) {
        for (int page = 0; page < count; ++page) {
            for (int again = 0; again < inner; ++again) {
                if ((progress && !progress->printing(page + 1)) || (!first && !device.newPage())) {
                    if (abort)
                        abort();
                    return false;
                }
                first = false;
                pages.paintPage(painter, page);
            }
        }
    }
    return painter.end();
}

} // namespace

bool writeReportPdf(const data::ReportDefinition &definition, const ReportRows &rows, const QString &path,
                    const QString &date, ReportProgress *progress)
{
    data::PrivateFileWriter file(path);
    constexpr int kDpi = 300;
    bool done = false;
    {
        QPdfWriter writer(&file.device());
        writer.setResolution(kDpi);
        writer.setTitle(kTitle);
        writer.setCreator(kTitle);
        writer.setPageLayout(reportPageLayout(definition));
        const QRect paint = writer.pageLayout().paintRectPixels(kDpi);
        ReportPages pages(definition, rows, &writer, QRectF(0, 0, paint.width(), paint.height()), date);
        done = layOut(pages, progress) && paintAll(pages, writer, 1, true, progress);
    }
    if (!done)
        return false; // the writer takes away what it wrote
    file.commit();
    return true;
}

bool printReport(const data::ReportDefinition &definition, const ReportRows &rows, QPrinter &printer,
                 const QString &date, ReportProgress *progress)
{
    printer.setDocName(kTitle);
    printer.setCreator(kTitle);
    const QRect paint = printer.pageLayout().paintRectPixels(printer.resolution());
    ReportPages pages(definition, rows, &printer, QRectF(0, 0, paint.width(), paint.height()), date);
    if (!layOut(pages, progress))
        return false;
    // A printer that makes its copies itself gets each page once.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    return paintAll(pages, printer, copies, printer.collateCopies(), progress, [&printer] { printer.abort(); });
}

} // namespace reports
