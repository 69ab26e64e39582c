#include "Report.h"

#include <cstdio>

namespace bench {

namespace {

QString verdict(bool ok) { return ok ? QStringLiteral("ok") : QStringLiteral("FAIL"); }

} // namespace

void printLine(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void printTimed(int customers, const TimedFigure &f)
{
    printLine(QStringLiteral("N=%1 %2: %3 ms vs bare loop %4 ms, ratio %5 (target <= %6) %7 [%8 rows]")
                  .arg(customers)
                  .arg(f.name)
                  .arg(f.modelMs, 0, 'f', 1)
                  .arg(f.bareMs, 0, 'f', 1)
                  .arg(f.ratio(), 0, 'f', 2)
                  .arg(f.target, 0, 'f', 2)
                  .arg(verdict(f.ok()))
                  .arg(f.rows));
}

void printMemory(int customers, const MemoryFigure &f)
{
    printLine(QStringLiteral("N=%1 memory atc1_all: %2 MB per 100000 customers (target <= %3) %4 "
                             "[heap growth of one load; row store's own figure %5 MB per 100000; %6 rows]")
                  .arg(customers)
                  .arg(f.heapMbPer100k, 0, 'f', 1)
                  .arg(f.target, 0, 'f', 1)
                  .arg(verdict(f.ok()))
                  .arg(f.rowStoreMbPer100k, 0, 'f', 1)
                  .arg(f.rows));
}

void printInfo(int customers, const QString &what, double ms)
{
    printLine(QStringLiteral("N=%1 %2: %3 ms").arg(customers).arg(what).arg(ms, 0, 'f', 1));
}

} // namespace bench
