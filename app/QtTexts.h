#pragma once

namespace app {

// The texts Qt's own dialogs show (the file and print dialogs, the buttons
// of its boxes) in Simplified Chinese, like the rest of the program, in any
// locale. Where the translation is not installed they stay as Qt has them.
void installQtTexts();

} // namespace app
