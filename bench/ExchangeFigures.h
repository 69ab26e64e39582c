#pragma once

#include "Figures.h"

#include <QString>

namespace data {
struct ExportTable;
}

namespace bench {

class Installation;

// The export of the customers as the program offers it (over atc1_all).
const data::ExportTable &customerExport();

// The customer list exported to a file in a temporary folder, in a child
// process (ExchangeChild.h): the time against the bare loop over the list's
// statement on the same warm connection, taken in turns in that child; the
// file's size; and the child's peak resident memory (VmHWM) once it has
// written the file, against a fixed ceiling.
struct ExportFigure {
    TimedFigure time;
    qint64 bytes = 0;
    double peakMb = 0;
    double peakTargetMb = 0; // the peak must stay below it
    bool peakOk() const { return peakMb < peakTargetMb; }
};

// `suffix` is the file's, "xlsx" or "csv"; `runtimeDir` the children's
// runtime folder (ProcessFigures.h).
ExportFigure exportFigure(const Installation &at, int64_t rows, const QString &suffix, const QString &runtimeDir,
                          int runs);

// A .xlsx file exported (not timed) from `source`, which holds `customers`
// customers as the new-customer window takes them, imported into a fresh
// installation as 从Excel导入 does it (the file opened and read, the headings
// matched, duplicates skipped, companies made), against inserting the same
// rows, read into memory before, through the data layer in one transaction
// into another fresh installation. Every run has fresh copies of its own.
struct ImportFigure {
    TimedFigure time;
    int companiesMade = 0;
};
ImportFigure importFigure(const Installation &source, int customers, int runs);

} // namespace bench
