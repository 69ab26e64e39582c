#include "Reloads.h"

#include "ChildOutput.h"
#include "MainWindowDriver.h"
#include "Protocol.h"

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
    waitForQuit();
}

} // namespace bench
