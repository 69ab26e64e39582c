#pragma once

#include <QString>
#include <QStringList>

namespace testing {

// The text of a PDF file, page by page, as a reader extracts it (pdftotext,
// keeping the layout); empty when it cannot be read.
QStringList pdfPages(const QString &pdf);

} // namespace testing
