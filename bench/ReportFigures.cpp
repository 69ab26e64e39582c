#include "ReportFigures.h"

#include "ChildRun.h"
#include "Installation.h"
#include "Protocol.h"
#include "Targets.h"

#include "DbError.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace bench {

namespace {

constexpr double kKbPerMb = 1024.0;

// The words of a child's line, as many as expected, the third being the rows.
QStringList reported(const QString &what, const QString &line, qsizetype words, int64_t rows)
{
    const QStringList parts = line.split(u' ');
    if (parts.size() != words)
        throw data::DbError(QStringLiteral("%1: cannot read \"%2\"").arg(what, line));
    if (parts[2].toLongLong() != rows)
        throw data::DbError(QStringLiteral("%1: the report has %2 rows, not %3").arg(what, parts[2]).arg(rows));
    return parts;
}

TimedFigure timed(const QString &name, const QStringList &words, double target)
{
    TimedFigure f;
    f.name = name;
    f.modelMs = words[0].toDouble();
    f.bareMs = words[1].toDouble();
    f.rows = words[2].toLongLong();
    f.target = target;
    return f;
}

// The pages of a PDF file as pdfinfo counts them; -1 without pdfinfo.
int pdfPages(const QString &file)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (pdfinfo.isEmpty())
        return -1;
    QProcess process;
    process.start(pdfinfo, {file});
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        throw data::DbError(QStringLiteral("pdfinfo cannot read the report: %1")
                                .arg(QString::fromLocal8Bit(process.readAllStandardError()).trimmed()));
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption)
            .match(QString::fromLocal8Bit(process.readAllStandardOutput()));
    if (!pages.hasMatch())
        throw data::DbError(QStringLiteral("pdfinfo gives no number of pages for the report"));
    return pages.captured(1).toInt();
}

} // namespace

PdfFigure reportPdfFigure(const Installation &at, int64_t rows, const QString &runtimeDir, int runs)
{
    QTemporaryDir out;
    if (!out.isValid())
        throw data::DbError(QStringLiteral("cannot create a temporary folder"));
    const QString file = out.filePath(QStringLiteral("s1.pdf"));
    PdfFigure f;
    {
        ChildRun child(QString::fromLatin1(protocol::kReportPdf), at.dir(), runtimeDir, {QString::number(runs), file});
        const QString what = QStringLiteral("report to a PDF file");
        f.time = timed(QStringLiteral("客户清单表 to a PDF file"), reported(what, child.waitFor(protocol::kPdf), 3, rows),
                       kReportPdfTarget);
        f.peakMb = child.memory().hwmKb / kKbPerMb;
        child.send(protocol::kQuit);
        child.finish();
    }
    f.peakTargetMb = kReportPdfPeakMb;
    f.bytes = QFileInfo(file).size();
    if (f.bytes <= 0)
        throw data::DbError(QStringLiteral("report to a PDF file: %1 is missing or empty").arg(file));
    f.pages = pdfPages(file);
    return f;
}

PreviewFigure reportPreviewFigure(const Installation &at, int64_t rows, const QString &runtimeDir, int runs)
{
    ChildRun child(QString::fromLatin1(protocol::kReportPreview), at.dir(), runtimeDir, {QString::number(runs)});
    const QStringList words = reported(QStringLiteral("preview"), child.waitFor(protocol::kPreview), 5, rows);
    child.finish();
    PreviewFigure f;
    f.time = timed(QStringLiteral("preview of 客户清单表 to its first page painted and idle"), words,
                   kPreviewFirstPageTarget);
    f.laidOutAtPaint = words[3].toInt();
    f.pages = words[4].toInt();
    f.laidOutTarget = kPreviewPagesAtFirstPaint;
    return f;
}

} // namespace bench
