#pragma once

namespace bench {

// talvero-bench --child reportpdf RUNS FILE | reportpreview RUNS, started by
// the benchmark in an installation's folder: opens the data module there as
// the program does, with the application's fonts, loads the customer list
// (not timed) and takes the bare loop over its statement on the same
// connection, then makes the customer list's report, 客户清单表, as the mode
// says (Protocol.h). Returns the exit code.
int runReportChild(int argc, char *argv[]);

} // namespace bench
