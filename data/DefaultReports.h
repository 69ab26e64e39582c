#pragma once

#include "ReportDefinition.h"

#include <QDir>
#include <QStringList>
#include <vector>

namespace data {

// The six list reports as a fresh installation has them, by file name under
// Rop/ ("s1.rav" … "s5.rav" and "s7.rav"; there is no s6).
struct DefaultReport {
    const char *file;
    ReportDefinition definition;
};
const std::vector<DefaultReport> &defaultReports();

// The folder of the report files, relative to the working folder.
inline constexpr const char *kReportFolder = "Rop";

// Writes each default report file that Rop/ lacks, private to the user; a
// file of that name (or anything else there) is never replaced. Returns the
// paths written; throws DbError when a file cannot be written.
QStringList writeReportsIfMissing(const QDir &workDir);

} // namespace data
