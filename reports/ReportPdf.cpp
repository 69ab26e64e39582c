#include "ReportPdf.h"

#include "DbError.h"
#include "ReportDefinition.h"
#include "ReportPages.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>

namespace reports {

void writeReportPdf(const data::ReportDefinition &definition, const ReportRows &rows, const QString &path,
                    const QString &date)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        throw data::DbError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    constexpr int kDpi = 300;
    QPdfWriter writer(&file);
    writer.setResolution(kDpi);
    writer.setTitle(QStringLiteral("Talvero CRM"));
    writer.setCreator(QStringLiteral("Talvero CRM"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     definition.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                     QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    const QRect paint = writer.pageLayout().paintRectPixels(kDpi);
    ReportPages pages(definition, rows, &writer, QRectF(0, 0, paint.width(), paint.height()), date);
    const int count = pages.pageCount();
    QPainter painter(&writer);
    for (int page = 0; page < count; ++page) {
        if (page > 0)
            writer.newPage();
        pages.paintPage(painter, page);
    }
    painter.end();
    file.close();
    if (file.error() != QFileDevice::NoError)
        throw data::DbError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

} // namespace reports
