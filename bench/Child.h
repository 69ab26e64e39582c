#pragma once

namespace bench {

// talvero-bench --child MODE [RUNS], started by the benchmark in a working
// folder that holds Data/: starts the program as app/main.cpp does, tells
// its parent when the customer list has painted and the event loop is idle,
// then does what the mode asks (see Protocol.h). The report and export
// modes start no program, only its data module (ReportChild.h,
// ExchangeChild.h). Returns the exit code.
int runChild(int argc, char *argv[]);

} // namespace bench
