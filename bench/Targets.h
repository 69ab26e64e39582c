#pragma once

namespace bench {

// The highest acceptable ratio of each figure to its reference, taken in the
// same run. Report.cpp prints "ok" at or below it and "MISS" above it.

// Start-up to the list painted and idle, against start-up on an empty
// installation plus one bare loop over the list's statement.
inline constexpr double kStartupTarget = 1.2;
// The 客 户 button from another view and 刷新, data unchanged, against one
// bare loop over the list's statement.
inline constexpr double kUnchangedResetTarget = 0.15;
// 刷新 after a write, against the same bare loop.
inline constexpr double kChangedResetTarget = 1.2;
// The data layer's reset after a write, against the same bare loop.
inline constexpr double kResetTarget = 1.2;
// A search to its results, against one bare loop over the search statement.
inline constexpr double kSearchTarget = 1.3;
// Resident memory after five reloads, against the empty program's plus this
// many times the list's row store.
inline constexpr double kRowStoreAllowance = 1.3;
inline constexpr double kMemoryTarget = 1.0;
// The activity list's reset, type filter and search, against their bare loops.
inline constexpr double kActivityTarget = 1.3;
// The loaded activity list, megabytes per 100,000 activities.
inline constexpr double kActivityStoreMbPer100k = 100.0;
// The analysis and product lists' resets and searches, against their bare loops.
inline constexpr double kAnalysisTarget = 1.3;
// A loaded analysis or product list, megabytes per 100,000 rows.
inline constexpr double kListStoreMbPer100k = 100.0;
// The employee list's reset and search, against their bare loops.
inline constexpr double kEmployeeTarget = 1.3;
// One reminder poll at 1,000,000 activities, in milliseconds.
inline constexpr double kReminderPollMs = 2.0;
// The customer list's report written to a PDF file, against one bare loop
// over the list's statement.
inline constexpr double kReportPdfTarget = 20.0;
// The peak resident memory of the process that wrote it stays below this,
// in megabytes.
inline constexpr double kReportPdfPeakMb = 300.0;
// Its preview to the first page painted, against the same bare loop.
inline constexpr double kPreviewFirstPageTarget = 0.5;
// The most pages the preview may have laid out when its first page paints.
inline constexpr int kPreviewPagesAtFirstPaint = 2;
// A backup of both files into one archive, against copying the two files.
inline constexpr double kBackupTarget = 3.0;
// The customer list exported to a .xlsx or a .csv file, against one bare
// loop over the list's statement.
inline constexpr double kExportTarget = 5.0;
// The peak resident memory of the process that exported it stays below
// this, in megabytes.
inline constexpr double kExportPeakMb = 200.0;
// A .xlsx file of customers imported into a fresh installation, against
// inserting the same rows through the data layer in one transaction.
inline constexpr double kImportTarget = 10.0;

} // namespace bench
