#pragma once

#include <QPageLayout>

namespace data {
struct ReportDefinition;
}

namespace reports {

// The paper every report is laid out on: A4 in the definition's orientation
// with margins of 10 mm. The PDF file, the printer and the preview share it.
QPageLayout reportPageLayout(const data::ReportDefinition &definition);

} // namespace reports
