#pragma once

// What the benchmark's child process (talvero-bench --child MODE ...) tells
// its parent, one line each on its standard output. Other lines are ignored.
namespace bench::protocol {

inline constexpr char kChildFlag[] = "--child";

// Modes.
inline constexpr char kStartup[] = "startup"; // start, report painted, end
inline constexpr char kWindows[] = "windows"; // start, then the main window's figures
inline constexpr char kMemory[] = "memory";   // start, five reloads, report ready, end on "quit"
// The customer list's report (客户清单表) over the data module alone, no
// program started: "reportpdf RUNS FILE" writes it to the PDF file FILE,
// reports the time, then ends on "quit"; "reportpreview RUNS" opens its
// preview to the first page painted, then lays out the rest, reports, ends.
inline constexpr char kReportPdf[] = "reportpdf";
inline constexpr char kReportPreview[] = "reportpreview";
// The customer list exported over the data module alone: "export RUNS FILE"
// writes it to FILE (a workbook when the name ends in .xlsx, comma-separated
// text otherwise) as often as the runs ask, reports, then ends on "quit".
inline constexpr char kExport[] = "export";

// "@painted ROWS": the customer list has painted once and the event loop has
// come round; ROWS is the list's row count.
inline constexpr char kPainted[] = "@painted";
// "@figure KEY MS BARE_MS ROWS": one of the main window's figures.
inline constexpr char kFigure[] = "@figure";
// "@ready": the reloads are done; the child waits for a line "quit".
inline constexpr char kReady[] = "@ready";
inline constexpr char kQuit[] = "quit";
// "@pdf MS BARE_MS ROWS": the report written to the file, against the bare
// loop over its statement on the same connection; the child then waits for
// "quit", so that its peak memory can be read.
inline constexpr char kPdf[] = "@pdf";
// "@preview MS BARE_MS ROWS LAID_OUT PAGES": the preview opened to its first
// page painted and idle, against the same bare loop; the pages laid out when
// the first page painted (the most of any run), and all pages once complete.
inline constexpr char kPreview[] = "@preview";
// "@export MS BARE_MS ROWS": the list written to the file, the median of the
// runs, against the bare loop over its statement on the same connection,
// taken in turns; the child then waits for "quit", so that its peak memory
// can be read.
inline constexpr char kExported[] = "@export";
// "@error TEXT": something could not be measured; the child ends with 1.
inline constexpr char kError[] = "@error";

// Keys of the main window's figures.
inline constexpr char kCustomersButton[] = "customers-button";
inline constexpr char kRefresh[] = "refresh";
inline constexpr char kRefreshAfterWrite[] = "refresh-after-write";
inline constexpr char kMenuSearch[] = "menu-search";

} // namespace bench::protocol
