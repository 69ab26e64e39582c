#pragma once

#include <QDir>
#include <QObject>
#include <memory>
#include <vector>

class Ta_main;
class TData_in;

namespace reports {
class ReportDesk;
}

namespace app {

class DailyBackup;

// Creates every window of the program once, in a fixed order, together with
// the data module, and keeps them until the end; each is reachable by its
// instance name through ui::Windows. Windows made before the data module are
// bound to the standing queries as soon as it exists.
class Startup {
public:
    // Throws data::DbError when a database cannot be opened.
    explicit Startup(const QDir &workDir);
    ~Startup();
    Startup(const Startup &) = delete;
    Startup &operator=(const Startup &) = delete;

    Ta_main &mainWindow() const { return *m_main; }
    TData_in &data() const { return *m_data; }
    const std::vector<QString> &creationOrder() const { return m_order; }
    DailyBackup &dailyBackup() const { return *m_dailyBackup; }

private:
    void add(const QString &name, QObject *window);

    std::vector<std::unique_ptr<QObject>> m_windows; // in creation order
    std::vector<QString> m_order;
    Ta_main *m_main = nullptr;
    TData_in *m_data = nullptr;
    std::unique_ptr<reports::ReportDesk> m_reports;
    std::unique_ptr<DailyBackup> m_dailyBackup;
};

// Start-up up to the main window: builds everything and shows the main window
// maximized. When a database cannot be opened, shows the engine's message and
// returns nothing; no window has been shown.
std::unique_ptr<Startup> start(const QDir &workDir);

} // namespace app
