#pragma once

#include "PaintWatch.h"
#include "Touch.h"

#include <QString>
#include <functional>

class QAction;
class QToolButton;
class TData_in;
class Ta_main;

namespace app {
class Startup;
}

namespace bench {

// Works the real main window of a started program as a user does, and waits
// for what the user waits for: the customer list painted and the program idle.
class MainWindowDriver {
public:
    explicit MainWindowDriver(app::Startup &started);

    Ta_main &mainWindow() const { return m_main; }
    TData_in &data() const { return m_data; }

    QToolButton *navigationButton(const QString &caption) const; // throws when missing
    QAction *menuAction(const QString &menu, const QString &item) const;

    // Runs the command, then the event loop until the customer list has
    // painted and the program is idle. Throws when that does not come.
    void untilListPainted(const std::function<void()> &command);
    // From now on the next paint of the list counts; untilListPainted() without
    // a command then waits for it.
    void armList() { m_list.arm(); }
    void waitForList();

    // 公 司: the company view, painted and idle.
    void showCompanies();
    // 客 户: the customer list, reset, painted and idle.
    void showCustomers();
    // The small write of an edit window (Touch).
    void write() { m_touch(); }

private:
    Ta_main &m_main;
    TData_in &m_data;
    PaintWatch m_list;
    Touch m_touch;
};

// How long a command may take before the measurement is given up.
inline constexpr int kLongestWaitMs = 300000;

} // namespace bench
