#include "Program.h"

#include "DeletePanel.h"
#include "ListView.h"
#include "MessageBox.h"
#include "NavigationBar.h"
#include "Schema.h"
#include "StandingQuery.h"
#include "Startup.h"
#include "TData_in.h"
#include "Ta_main.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QToolBar>

namespace testing {

Program::Program() : Program([](TempInstall &) {}) {}

Program::Program(const Rows &onFile) : Program([&](TempInstall &install) { install.insert(onFile); }) {}

Program::Program(const std::function<void(TempInstall &)> &prepare)
{
    ui::MessageBox::setTestMode(true);
    // Programs come and go in one run of the tests.
    QApplication::setQuitOnLastWindowClosed(false);
    m_install = std::make_unique<TempInstall>();
    prepare(*m_install);
    m_started = app::start(QDir::current());
    if (!m_started)
        qFatal("the program did not start over a fresh installation");
    // The first-run check runs once the event loop turns after the main
    // window came up; the flag is set before that.
    execute(QStringLiteral("update ptp1 set watts='1'"));
    data().ptp1_all().reset();
    if (!QTest::qWaitForWindowExposed(&main()))
        qWarning("the main window was not shown");
    ui::MessageBox::clearShown();
}

Program::~Program()
{
    m_started.reset();
    m_install.reset();
    ui::MessageBox::clearShown();
}

Ta_main &Program::main() const
{
    return m_started->mainWindow();
}

TData_in &Program::data() const
{
    return m_started->data();
}

qint64 Program::insert(const QString &table, const Row &row)
{
    return insertRow(inLookupFile(table) ? data().Con_c() : data().Con_data(), table, row);
}

void Program::execute(const QString &sql, const data::Params &params)
{
    data().Con_data().execute(sql, params);
}

void Program::reload()
{
    for (data::StandingQuery *query : data().queries()) {
        if (!query->standingText().isEmpty())
            query->reset();
    }
}

QStringList Program::messages() const
{
    QStringList texts;
    for (const ui::MessageBox::Shown &shown : ui::MessageBox::shown())
        texts << shown.text;
    return texts;
}

QString partNotAs(const Ta_main &main, const ui::ListView &view, bool browsing)
{
    if (main.navigationBar()->buttonPanel()->isEnabled() != browsing)
        return QStringLiteral("navigation bar");
    for (QMenu *menu : main.topMenus()) {
        if (menu->menuAction()->isEnabled() != browsing)
            return menu->title();
    }
    if (view.findChild<QToolBar *>()->isEnabled() != browsing)
        return QStringLiteral("toolbar");
    if (view.grid()->isEnabled() != browsing)
        return QStringLiteral("grid");
    if (view.deletePanel()->isVisible() == browsing)
        return QStringLiteral("delete panel");
    return {};
}

} // namespace testing
