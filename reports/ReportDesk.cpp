#include "ReportDesk.h"

#include "DateText.h"
#include "DbError.h"
#include "FileChoice.h"
#include "MessageBox.h"
#include "ReportOptions.h"
#include "ReportOutput.h"
#include "ReportPaper.h"
#include "ReportPreview.h"
#include "ReportRows.h"
#include "ReportStatus.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "Windows.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QScopeGuard>

namespace reports {

namespace {

const QString kTitle = QStringLiteral("Talvero CRM");

} // namespace

ReportDesk::ReportDesk(const QDir &workDir, QObject *parent) : QObject(parent), m_library(workDir)
{
    setObjectName(ui::names::ReportDesk);
}

ReportDesk::~ReportDesk() = default;

QPrinter &ReportDesk::printer()
{
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setDocName(kTitle);
        m_printer->setCreator(kTitle);
        m_printer->setPageOrientation(QPageLayout::Landscape);
        m_printer->setFullPage(false);
    }
    return *m_printer;
}

void ReportDesk::run(QWidget *parent, const QString &queryName)
{
    const ReportProject *project = reportOf(queryName);
    if (!project)
        return;
    data::StandingQuery &query = ui::Windows::data().query(queryName);
    if (query.isEmpty()) {
        ui::MessageBox::information(parent, QString::fromUtf8(project->none));
        return;
    }
    const data::ReportDefinition *definition = nullptr;
    try {
        definition = &m_library.definition(*project);
    } catch (const ReportUnavailable &e) {
        ui::MessageBox::error(parent, e.message());
        return;
    }
    // The report reads the rows where they are held, so the current row does
    // not move; whatever happens meanwhile, the one current before comes back.
    const int current = query.currentRow();
    auto back = qScopeGuard([&query, current] {
        if (current >= 0 && current < query.count() && query.currentRow() != current)
            query.moveTo(current);
    });

    QPrinter &device = printer();
    device.setPageLayout(reportPageLayout(*definition));
    ReportOptions options(device, defaultFile(*definition), parent);
    if (options.exec() != QDialog::Accepted)
        return;
    const QueryRows rows(query);
    deliver(parent, *definition, rows, options.choice());
}

void ReportDesk::deliver(QWidget *parent, const data::ReportDefinition &definition, const ReportRows &rows,
                         const OutputChoice &choice)
{
    switch (choice.destination) {
    case Destination::Preview: {
        // Printing from the preview asks for the printer first.
        ReportPreview preview(
            definition, rows, data::dateText(QDate::currentDate()),
            [&] {
                QPrintDialog dialog(&printer(), &preview);
                dialog.setWindowTitle(kTitle);
                if (dialog.exec() == QDialog::Accepted)
                    print(&preview, definition, rows);
            },
            parent);
        preview.setZoom(choice.previewZoom);
        preview.run();
        break;
    }
    case Destination::Printer:
        print(parent, definition, rows);
        break;
    case Destination::File:
        save(parent, definition, rows, choice.file);
        break;
    }
}

void ReportDesk::print(QWidget *parent, const data::ReportDefinition &definition, const ReportRows &rows)
{
    QPrinter &device = printer();
    if (device.outputFormat() == QPrinter::PdfFormat && device.outputFileName().isEmpty()) {
        ui::MessageBox::warning(parent, QStringLiteral("没有可用的打印机,请先在打印机设置中选定打印机"));
        return;
    }
    ReportStatus status(parent);
    printReport(definition, rows, device, data::dateText(QDate::currentDate()), &status);
}

void ReportDesk::save(QWidget *parent, const data::ReportDefinition &definition, const ReportRows &rows,
                      const QString &file)
{
    const QFileInfo target(file);
    if (!ui::confirmReplace(parent, kTitle, file))
        return;
    try {
        ReportStatus status(parent);
        if (!writeReportPdf(definition, rows, target.absoluteFilePath(), data::dateText(QDate::currentDate()), &status))
            return;
    } catch (const data::DbError &e) {
        ui::MessageBox::error(parent, e.message());
        return;
    }
    m_folder = target.absolutePath();
}

QString ReportDesk::defaultFile(const data::ReportDefinition &definition) const
{
    const QString folder = !m_folder.isEmpty() && QFileInfo(m_folder).isDir() ? m_folder : ui::documentsFolder();
    return QDir(folder).filePath(definition.title + QStringLiteral(".pdf"));
}

void runReport(QWidget *parent, const QString &query)
{
    if (auto *desk = ui::Windows::get<ReportDesk>(ui::names::ReportDesk))
        desk->run(parent, query);
}

} // namespace reports
