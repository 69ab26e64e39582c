#pragma once

#include "ExchangeFigures.h"
#include "Figures.h"
#include "ProcessFigures.h"
#include "ReportFigures.h"

#include <QString>

namespace bench {

// One line per figure on standard output, with its target and "ok" or
// "MISS", e.g.
// "N=100000 刷新 after a write: 812.3 ms vs bare loop 640.1 ms, ratio 1.27 (target <= 1.20) MISS [100000 rows]".
void printLine(const QString &line);
void printInfo(int customers, const QString &what, double ms);
void printTimed(int customers, const TimedFigure &figure);
void printStartup(int customers, const StartupFigure &figure);
void printMemory(int customers, const MemoryFigure &figure);
// The PDF's time, then the peak memory of its process.
void printReportPdf(int customers, const PdfFigure &figure);
// The preview's time to its first page, then the pages laid out by then.
void printPreview(int customers, const PreviewFigure &figure);
// The export's time with the file's size, then the peak memory of its process.
void printExport(int customers, const ExportFigure &figure);
// The import's time with the companies it made.
void printImport(int customers, const ImportFigure &figure);

} // namespace bench
