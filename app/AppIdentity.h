#pragma once

namespace app {

// The program's name, which titles its windows.
inline constexpr char kApplicationName[] = "Talvero CRM";
// The name of its desktop entry (org.talvero.crm.desktop), by which a
// Wayland compositor finds the entry's name and icon for its windows.
inline constexpr char kDesktopFileName[] = "org.talvero.crm";

// Gives the application both names, its fonts and the Chinese texts of Qt's
// own dialogs. Call once the QApplication exists.
void setUpApplication();

} // namespace app
