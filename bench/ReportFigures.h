#pragma once

#include "Figures.h"

#include <QString>

namespace bench {

class Installation;

// The customer list's report, 客户清单表, written to a PDF file in a child
// process (ReportChild.h): the time against the bare loop over the list's
// statement on the same warm connection, taken in that child just before;
// the file's size and pages (by pdfinfo where it is installed); and the
// child's peak resident memory (VmHWM) once the file is written, against a
// fixed ceiling.
struct PdfFigure {
    TimedFigure time;
    qint64 bytes = 0;
    int pages = -1; // -1: not counted, there is no pdfinfo
    double peakMb = 0;
    double peakTargetMb = 0; // the peak must stay below it
    bool peakOk() const { return peakMb < peakTargetMb; }
};

// The same report's preview, in another child: from its construction to its
// first page painted and idle, against the same bare loop; how many pages
// were laid out when the first page painted, and how many there are once the
// preview has laid out the rest.
struct PreviewFigure {
    TimedFigure time;
    int laidOutAtPaint = 0;
    int pages = 0;
    int laidOutTarget = 0; // the most pages that may be laid out at the first paint
    bool laidOutOk() const { return laidOutAtPaint <= laidOutTarget; }
};

// `runtimeDir` is the children's runtime folder (ProcessFigures.h).
PdfFigure reportPdfFigure(const Installation &at, int64_t rows, const QString &runtimeDir, int runs);
PreviewFigure reportPreviewFigure(const Installation &at, int64_t rows, const QString &runtimeDir, int runs);

} // namespace bench
