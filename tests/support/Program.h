#pragma once

// The fixture of every test that drives the program's windows:
//
//     void TestX::init() { m_program = std::make_unique<testing::Program>(); }
//     void TestX::cleanup() { m_program.reset(); }
//     void TestX::something()
//     {
//         m_program->insert("atc1", {{"a1", "张三"}, {"a14", "1"}});
//         m_program->reload();
//         QVERIFY(testing::runModal("Tedit_lianxiren", [&](QDialog *w) { ... }));
//         QCOMPARE(m_program->install().columnMain("select a1 from atc1"), QStringList{"张三"});
//     }

#include "Connection.h"
#include "TestSupport.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class TData_in;
class Ta_main;

namespace ui {
class ListView;
}

namespace app {
class Startup;
}

namespace testing {

// The whole program started over a fresh installation, for one test:
// - a temporary working folder with both encrypted databases (TempInstall),
//   the current directory while the object lives;
// - every window made by app::start and the main window shown;
// - the first-run flag set, so that the quick-start guide stays away;
// - message boxes in test mode: none comes up, each is recorded and answered
//   through ui::MessageBox; the record starts empty;
// - the application does not end when its last window closes.
// Going out of scope closes every window and the data module, then removes
// the folder.
//
// Rows go in through the program's own connections: every opening of an
// encrypted file derives its key again, which takes its time. The standing
// queries do not see them until reload().
class Program {
public:
    Program();
    // Runs `prepare` on the fresh installation before the program starts:
    // rows the program finds on file, as a user's start-up does.
    explicit Program(const std::function<void(TempInstall &)> &prepare);
    // Starts over files that already hold these rows, as a user starts the
    // program on a working day: nothing is reloaded after the start.
    explicit Program(const Rows &onFile);
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    TempInstall &install() const { return *m_install; }
    app::Startup &startup() const { return *m_started; }
    Ta_main &main() const;
    TData_in &data() const;

    // Inserts one row into a table of either file; returns its key.
    qint64 insert(const QString &table, const Row &row);
    // Runs a statement through the program's connection to Data/Main_data.db.
    void execute(const QString &sql, const data::Params &params = {});
    // Every standing query back to its standing statement, as start-up leaves them.
    void reload();

    // The texts of the message boxes shown so far.
    QStringList messages() const;

private:
    std::unique_ptr<TempInstall> m_install;
    std::unique_ptr<app::Startup> m_started;
};

// While a list view's delete panel is up (deleting), the view's toolbar and
// grid, the navigation bar and every top-level menu are disabled; otherwise
// (browsing) they are usable and the panel is hidden. The first part that is
// not as it should be, by name; empty when every part is.
QString partNotAs(const Ta_main &main, const ui::ListView &view, bool browsing);

} // namespace testing
