#pragma once

namespace app {

// "宋体" is the program's type face; it is mapped to an installed
// Simplified-Chinese face so that it renders in any locale. Sets it, at 12
// pixels, as the application's font.
void installFonts();

} // namespace app
