#include "MainWindowDriver.h"

#include "DbGrid.h"
#include "Startup.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "companies/TFrame_fenzu.h"
#include "customers/TFrame_liebiao.h"

#include <QAction>
#include <QToolButton>
#include <stdexcept>

namespace bench {

namespace {

const QString kCustomers = QStringLiteral("客 户");
const QString kCompanies = QStringLiteral("公 司");

} // namespace

MainWindowDriver::MainWindowDriver(app::Startup &started)
    : m_main(started.mainWindow()),
      m_data(started.data()),
      m_list(PaintWatch::inside(started.mainWindow().Frame_liebiao1->grid()->viewport())),
      m_touch(started.data().Con_data())
{
}

QToolButton *MainWindowDriver::navigationButton(const QString &caption) const
{
    QToolButton *button = m_main.navigationButton(caption);
    if (!button)
        throw std::runtime_error("the main window has no button " + caption.toStdString());
    return button;
}

QAction *MainWindowDriver::menuAction(const QString &menu, const QString &item) const
{
    QAction *action = m_main.menuAction(menu, item);
    if (!action)
        throw std::runtime_error("the main window has no menu item " + menu.toStdString() + " > " + item.toStdString());
    return action;
}

void MainWindowDriver::waitForList()
{
    if (!m_list.wait(kLongestWaitMs))
        throw std::runtime_error("the customer list did not paint");
}

void MainWindowDriver::untilListPainted(const std::function<void()> &command)
{
    m_list.arm();
    command();
    waitForList();
}

void MainWindowDriver::showCompanies()
{
    PaintWatch companies(PaintWatch::inside(m_main.Frame_fenzu1));
    companies.arm();
    navigationButton(kCompanies)->click();
    if (!companies.wait(kLongestWaitMs))
        throw std::runtime_error("the company view did not paint");
}

void MainWindowDriver::showCustomers()
{
    untilListPainted([&] { navigationButton(kCustomers)->click(); });
}

} // namespace bench
