#include "Report.h"

#include <cstdio>

namespace bench {

namespace {

QString verdict(bool ok) { return ok ? QStringLiteral("ok") : QStringLiteral("MISS"); }

QString fixed(double value, int decimals = 1) { return QString::number(value, 'f', decimals); }

QString megabytes(qint64 bytes) { return fixed(double(bytes) / (1024.0 * 1024.0)); }

// "N=... peak memory of the process that WHAT, VmHWM: ... MB (target < ... MB) ok [ROWS rows]".
QString peakLine(int customers, const QString &what, double peakMb, double targetMb, bool ok, int64_t rows)
{
    return QStringLiteral("N=%1 peak memory of the process that %2, VmHWM: %3 MB (target < %4 MB) %5 [%6 rows]")
        .arg(customers)
        .arg(what, fixed(peakMb), fixed(targetMb, 0), verdict(ok))
        .arg(rows);
}

QString ratioAndTarget(double ratio, double target, bool ok)
{
    return QStringLiteral("ratio %1 (target <= %2) %3").arg(fixed(ratio, 2), fixed(target, 2), verdict(ok));
}

// "NAME: MS ms vs REFERENCE MS ms, ratio ... [ROWS rows" and what follows, up to the "]".
QString timedLine(int customers, const TimedFigure &f, const QString &more = {})
{
    return QStringLiteral("N=%1 %2: %3 ms vs %4 %5 ms, %6 [%7 rows%8]")
        .arg(customers)
        .arg(f.name, fixed(f.modelMs), f.reference, fixed(f.bareMs), ratioAndTarget(f.ratio(), f.target, f.ok()))
        .arg(f.rows)
        .arg(more);
}

} // namespace

void printLine(const QString &line)
{
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void printInfo(int customers, const QString &what, double ms)
{
    printLine(QStringLiteral("N=%1 %2: %3 ms").arg(customers).arg(what, fixed(ms)));
}

void printTimed(int customers, const TimedFigure &f)
{
    printLine(timedLine(customers, f));
}

void printStartup(int customers, const StartupFigure &f)
{
    printLine(QStringLiteral("N=%1 start-up to the list painted and idle: %2 ms vs empty start-up %3 ms + cold bare "
                             "loop %4 ms = %5 ms, %6 [%7 rows]")
                  .arg(customers)
                  .arg(fixed(f.startupMs), fixed(f.emptyMs), fixed(f.bareMs), fixed(f.referenceMs()),
                       ratioAndTarget(f.ratio(), f.target, f.ok()))
                  .arg(f.rows));
}

void printMemory(int customers, const MemoryFigure &f)
{
    printLine(QStringLiteral("N=%1 memory after five reloads, %2: %3 MB vs empty program %4 MB + %5 x row store %6 MB "
                             "= %7 MB, %8 [%9 rows]")
                  .arg(customers)
                  .arg(f.measure, fixed(f.mb), fixed(f.emptyMb), fixed(f.allowance), fixed(f.rowStoreMb),
                       fixed(f.referenceMb()), ratioAndTarget(f.ratio(), f.target, f.ok()))
                  .arg(f.rows));
}

void printReportPdf(int customers, const PdfFigure &f)
{
    const QString pages =
        f.pages < 0 ? QStringLiteral("pages not counted, no pdfinfo") : QStringLiteral("%1 pages").arg(f.pages);
    printLine(timedLine(customers, f.time, QStringLiteral(", %1, %2 MB").arg(pages, megabytes(f.bytes))));
    printLine(peakLine(customers, QStringLiteral("wrote it"), f.peakMb, f.peakTargetMb, f.peakOk(), f.time.rows));
}

void printPreview(int customers, const PreviewFigure &f)
{
    printLine(timedLine(customers, f.time));
    printLine(QStringLiteral("N=%1 preview's pages laid out at its first paint: %2 of %3 (target <= %4) %5")
                  .arg(customers)
                  .arg(f.laidOutAtPaint)
                  .arg(f.pages)
                  .arg(f.laidOutTarget)
                  .arg(verdict(f.laidOutOk())));
}

void printExport(int customers, const ExportFigure &f)
{
    printLine(timedLine(customers, f.time, QStringLiteral(", %1 MB").arg(megabytes(f.bytes))));
    printLine(peakLine(customers, QStringLiteral("exported it"), f.peakMb, f.peakTargetMb, f.peakOk(), f.time.rows));
}

void printImport(int customers, const ImportFigure &f)
{
    printLine(timedLine(customers, f.time, QStringLiteral(", %1 companies made").arg(f.companiesMade)));
}

} // namespace bench
