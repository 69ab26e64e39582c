#pragma once

// What the benchmark's child process (talvero-bench --child MODE ...) tells
// its parent, one line each on its standard output. Other lines are ignored.
namespace bench::protocol {

inline constexpr char kChildFlag[] = "--child";

// Modes.
inline constexpr char kStartup[] = "startup"; // start, report painted, end
inline constexpr char kWindows[] = "windows"; // start, then the main window's figures
inline constexpr char kMemory[] = "memory";   // start, five reloads, report ready, end on "quit"

// "@painted ROWS": the customer list has painted once and the event loop has
// come round; ROWS is the list's row count.
inline constexpr char kPainted[] = "@painted";
// "@figure KEY MS BARE_MS ROWS": one of the main window's figures.
inline constexpr char kFigure[] = "@figure";
// "@ready": the reloads are done; the child waits for a line "quit".
inline constexpr char kReady[] = "@ready";
inline constexpr char kQuit[] = "quit";
// "@error TEXT": something could not be measured; the child ends with 1.
inline constexpr char kError[] = "@error";

// Keys of the main window's figures.
inline constexpr char kCustomersButton[] = "customers-button";
inline constexpr char kRefresh[] = "refresh";
inline constexpr char kRefreshAfterWrite[] = "refresh-after-write";
inline constexpr char kMenuSearch[] = "menu-search";

} // namespace bench::protocol
