#include "Reloads.h"

#include "ChildOutput.h"
#include "MainWindowDriver.h"
#include "Protocol.h"

#include <cstdio>
#include <cstring>

namespace bench {

void reloadThenWait(app::Startup &started)
{
    constexpr int kReloads = 5;
    MainWindowDriver driver(started);
    for (int i = 0; i < kReloads; ++i) {
        driver.write();
        driver.showCustomers();
    }
    childSay(protocol::kReady);
    char line[64];
    while (std::fgets(line, sizeof line, stdin)) {
        if (std::strncmp(line, protocol::kQuit, std::strlen(protocol::kQuit)) == 0)
            break;
    }
}

} // namespace bench
