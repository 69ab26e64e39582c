#include "PdfText.h"

#include <QProcess>

namespace testing {

QStringList pdfPages(const QString &pdf)
{
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!reader.waitForFinished(60000) || reader.exitCode() != 0)
        return {};
    // The text exactly as the reader gives it: what a search or a copy in a viewer finds.
    QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\f');
    if (!pages.isEmpty() && pages.last().isEmpty())
        pages.removeLast();
    return pages;
}

} // namespace testing
