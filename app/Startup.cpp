#include "Startup.h"

#include "DbError.h"
#include "MessageBox.h"
#include "PickListEditor.h"
#include "TData_in.h"
#include "Ta_about.h"
#include "Ta_gour.h"
#include "Ta_main.h"
#include "Windows.h"

#include <QScreen>

namespace app {

Startup::Startup(const QDir &workDir)
{
    // The order of creation is the order the program has always had; windows
    // of the business subsystems take their places in it as they are built.
    m_main = new Ta_main;
    add(QStringLiteral("Ta_main"), m_main);
    add(QStringLiteral("Ta_about"), new Ta_about);
    m_data = new TData_in(workDir);
    add(QStringLiteral("Data_in"), m_data);
    add(QStringLiteral("Ta_gour"), new Ta_gour);
    add(QStringLiteral("Tlist_user"), new Tlist_user);
    add(QStringLiteral("Tlist_goutong"), new Tlist_goutong);
    add(QStringLiteral("Tlist_jihua"), new Tlist_jihua);
    add(QStringLiteral("Tlist_baifang"), new Tlist_baifang);
    add(QStringLiteral("Tlist_gongsi"), new Tlist_gongsi);
    add(QStringLiteral("Tlist_fenxi"), new Tlist_fenxi);
    add(QStringLiteral("Tlist_suoshu"), new Tlist_suoshu);
    add(QStringLiteral("Tlist_chanpin"), new Tlist_chanpin);
}

Startup::~Startup()
{
    // The windows go in the reverse order of their making, the data module
    // (and with it both connections) among them.
    while (!m_windows.empty())
        m_windows.pop_back();
    ui::Windows::clear();
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
