#pragma once

#include "Figures.h"

#include <QString>
#include <vector>

namespace bench {

class Installation;

// Start-up to the customer list painted and idle, timed from outside: from
// before the spawn of a child that starts the program as its main() does to
// the child's report. Against start-up on an empty installation, measured
// the same way in turns with it, plus one bare loop over the list's
// statement on a connection just opened (so nothing is decrypted yet).
struct StartupFigure {
    double startupMs = 0;
    double emptyMs = 0;
    double bareMs = 0;
    int64_t rows = 0;
    double target = 0;
    double referenceMs() const { return emptyMs + bareMs; }
    double ratio() const { return referenceMs() > 0 ? startupMs / referenceMs() : 0; }
    bool ok() const { return ratio() <= target; }
};

// Resident memory of the whole process after five reloads of the list,
// against the same on an empty installation plus an allowance for the
// list's row store (RowStore::memoryUsed() of an equal load).
struct MemoryFigure {
    QString measure; // "VmRSS" or "VmHWM"
    double mb = 0;
    double emptyMb = 0;
    double rowStoreMb = 0;
    double allowance = 0; // times the row store
    int64_t rows = 0;
    double target = 0;
    double referenceMb() const { return emptyMb + allowance * rowStoreMb; }
    double ratio() const { return referenceMb() > 0 ? mb / referenceMb() : 0; }
    bool ok() const { return ratio() <= target; }
};

// Runs the child processes. The runtime folder given to each child keeps its
// single-instance guard apart from any program the user runs.
class ProcessFigures {
public:
    ProcessFigures(const Installation &empty, const QString &runtimeDir, int runs)
        : m_empty(empty), m_runtimeDir(runtimeDir), m_runs(runs)
    {
    }

    // `listSql` is the statement the list shows at start.
    StartupFigure startup(const Installation &full, int64_t rows, const QString &listSql) const;
    // The main window's figures (WindowFigures.h), in the order run.
    std::vector<TimedFigure> windows(const Installation &full, int64_t rows) const;
    // VmRSS, then VmHWM.
    std::vector<MemoryFigure> memory(const Installation &full, int64_t rows, const QString &listSql) const;

private:
    const Installation &m_empty;
    QString m_runtimeDir;
    int m_runs;
};

} // namespace bench
