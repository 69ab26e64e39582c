#pragma once

namespace ui {

// Starts the help program Update/Update.exe of the working folder, detached,
// when it is there and executable; nothing is shown when it is not.
void startOnlineHelp();

} // namespace ui
