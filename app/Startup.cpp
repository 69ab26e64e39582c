#include "Startup.h"

#include "AppIcon.h"
#include "Backup.h"
#include "DailyBackup.h"

#include "DbError.h"
#include "MessageBox.h"
#include "PickListEditor.h"
#include "Restore.h"
#include "TData_in.h"
#include "Ta_about.h"
#include "Ta_gour.h"
#include "Ta_main.h"
#include "WindowNames.h"
#include "Windows.h"
#include "activities/Tfind_jihua.h"
#include "activities/Tnew_sell.h"
#include "activities/Tover_sell.h"
#include "activities/Tring.h"
#include "activities/Tring_list.h"
#include "analyses/Tfind_fenxi.h"
#include "analyses/Tnew_fenxi.h"
#include "analyses/Tover_fenxi.h"
#include "companies/Tedit_gongsi.h"
#include "companies/Tfind_gongsi.h"
#include "companies/Tnew_gongsi.h"
#include "customers/Tedit_beiwang.h"
#include "customers/Tedit_lianxiren.h"
#include "customers/Tfind_lianxiren.h"
#include "customers/Tnew_beiwang.h"
#include "customers/Tnew_lianxiren.h"
#include "products/Tedit_chanpin.h"
#include "products/Tfind_chanpin.h"
#include "products/Tnew_chanpin.h"
#include "products/Tover_chanpin.h"
#include "employees/Tedit_worker.h"
#include "employees/Tfind_worker.h"
#include "employees/Tnew_user.h"
#include "employees/Tover_user.h"
#include "reports/ReportDesk.h"

#include <QApplication>
#include <QScreen>

namespace app {

Startup::Startup(const QDir &workDir)
{
    // Every window shows the program's icon.
    QApplication::setWindowIcon(appIcon());
    // The order of creation is the order the program has always had; windows
    // of the business subsystems take their places in it as they are built.
    m_main = new Ta_main;
    add(ui::names::Ta_main, m_main);
    add(ui::names::Ta_about, new Ta_about);
    add(ui::names::Tnew_gongsi, new Tnew_gongsi);
    add(ui::names::Tnew_lianxiren, new Tnew_lianxiren);
    m_data = new TData_in(workDir);
    add(ui::names::Data_in, m_data);
    add(ui::names::Tnew_beiwang, new Tnew_beiwang);
    add(ui::names::Tnew_sell, new Tnew_sell);
    add(ui::names::Tnew_fenxi, new Tnew_fenxi);
    add(ui::names::Tover_sell, new Tover_sell);
    add(ui::names::Tover_fenxi, new Tover_fenxi);
    add(ui::names::Ta_gour, new Ta_gour);
    add(ui::names::Tedit_beiwang, new Tedit_beiwang);
    add(ui::names::Tlist_user, new Tlist_user);
    add(ui::names::Tedit_lianxiren, new Tedit_lianxiren);
    add(ui::names::Tedit_gongsi, new Tedit_gongsi);
    add(ui::names::Tfind_jihua, new Tfind_jihua);
    add(ui::names::Tfind_lianxiren, new Tfind_lianxiren);
    add(ui::names::Tfind_gongsi, new Tfind_gongsi);
    add(ui::names::Tlist_goutong, new Tlist_goutong);
    add(ui::names::Tlist_jihua, new Tlist_jihua);
    add(ui::names::Tlist_baifang, new Tlist_baifang);
    add(ui::names::Tlist_gongsi, new Tlist_gongsi);
    add(ui::names::Tlist_fenxi, new Tlist_fenxi);
    add(ui::names::Tlist_suoshu, new Tlist_suoshu);
    add(ui::names::Tring, new Tring);
    add(ui::names::Tring_list, new Tring_list);
    add(ui::names::Tnew_chanpin, new Tnew_chanpin);
    add(ui::names::Tlist_chanpin, new Tlist_chanpin);
    add(ui::names::Tfind_fenxi, new Tfind_fenxi);
    add(ui::names::Tedit_chanpin, new Tedit_chanpin);
    add(ui::names::Tnew_user, new Tnew_user);
    add(ui::names::Tover_user, new Tover_user);
    add(ui::names::Tover_chanpin, new Tover_chanpin);
    add(ui::names::Tedit_worker, new Tedit_worker);
    add(ui::names::Tfind_chanpin, new Tfind_chanpin);
    add(ui::names::Tfind_worker, new Tfind_worker);
    // Not a window of its own, so not among them: the desk opens the
    // windows of the reports as they run.
    m_reports = std::make_unique<reports::ReportDesk>(workDir);
    ui::Windows::add(ui::names::ReportDesk, m_reports.get());
    m_dailyBackup = std::make_unique<DailyBackup>(workDir);
    ui::Windows::add(ui::names::DailyBackup, m_dailyBackup.get());
}

Startup::~Startup()
{
    // The windows go in the reverse order of their making, the data module
    // (and with it both connections) among them.
    ui::Windows::clear();
    m_dailyBackup.reset();
    while (!m_windows.empty())
        m_windows.pop_back();
}

void Startup::add(const QString &name, QObject *window)
{
    m_windows.emplace_back(window);
    m_order.push_back(name);
    ui::Windows::add(name, window);
    if (!m_data)
        return;
    if (window == m_data) {
        // A change refused while the user moved off a row is shown like
        // every other refused statement.
        for (data::StandingQuery *query : m_data->queries()) {
            QObject::connect(query, &data::StandingQuery::failed, m_main,
                             [main = m_main](const QString &message) { ui::MessageBox::error(main, message); });
        }
        // Bind what was made before the data module.
        for (const auto &earlier : m_windows) {
            if (auto *bound = dynamic_cast<ui::DataBound *>(earlier.get()))
                bound->bindData(*m_data);
        }
    } else if (auto *bound = dynamic_cast<ui::DataBound *>(window)) {
        bound->bindData(*m_data);
    }
}

std::unique_ptr<Startup> start(const QDir &workDir)
{
    std::unique_ptr<Startup> started;
    // A restore that did not finish is taken back before the files are
    // opened; what a backup that did not finish left goes.
    data::recoverInterruptedRestore(workDir.absolutePath());
    data::removeInterruptedBackups(workDir);
    try {
        started = std::make_unique<Startup>(workDir);
    } catch (const data::DbError &e) {
        ui::Windows::clear();
        ui::MessageBox::fatal(e.message());
        return nullptr;
    }
    Ta_main &main = started->mainWindow();
    // Where no window manager maximizes it, the window still fills the screen.
    if (const QScreen *screen = main.screen())
        main.setGeometry(screen->availableGeometry());
    main.showMaximized();
    return started;
}

} // namespace app
