#include "ReportPaper.h"

#include "ReportDefinition.h"

#include <QMarginsF>
#include <QPageSize>

namespace reports {

QPageLayout reportPageLayout(const data::ReportDefinition &definition)
{
    return QPageLayout(QPageSize(QPageSize::A4), definition.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

} // namespace reports
