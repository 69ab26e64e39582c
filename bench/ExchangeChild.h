#pragma once

namespace bench {

// talvero-bench --child export RUNS FILE, started by the benchmark in an
// installation's folder: opens the data module there as the program does,
// loads the customer list (not timed) and takes the bare loop over its
// statement on the same connection, then exports the list to FILE, taking
// the two in turns (Protocol.h). Returns the exit code.
int runExportChild(int argc, char *argv[]);

} // namespace bench
