#include "WindowFigures.h"

#include "BareLoop.h"
#include "ChildOutput.h"
#include "Figures.h"
#include "MainWindowDriver.h"
#include "Measure.h"
#include "Protocol.h"

#include "StandingQuery.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "Windows.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

namespace bench {

namespace {

const QString kCustomers = QStringLiteral("客 户");

void report(const char *key, const PairedTimes &t, int64_t rows)
{
    childSay(protocol::kFigure,
             QStringLiteral("%1 %2 %3 %4").arg(QLatin1String(key)).arg(t.firstMs, 0, 'f', 3).arg(t.secondMs, 0, 'f', 3).arg(rows));
}

// The query holds the statement and the rows the bare loop read.
void check(const char *key, const data::StandingQuery &query, const QString &sql, const BareResult &bare)
{
    if (query.text() != sql)
        throw std::runtime_error(std::string(key) + ": the list shows another statement: " + query.text().toStdString());
    if (query.count() != bare.rows)
        throw std::runtime_error(std::string(key) + ": the list holds " + std::to_string(query.count())
                                 + " rows, the bare loop read " + std::to_string(bare.rows));
}

QLineEdit *fieldByCaption(QWidget *window, const QString &caption)
{
    const auto labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->text() == caption) {
            if (auto *field = qobject_cast<QLineEdit *>(label->buddy()))
                return field;
        }
    }
    throw std::runtime_error("the search window has no field " + caption.toStdString());
}

QLineEdit *fieldByName(QWidget *window, const QString &name)
{
    const auto fields = window->findChildren<QLineEdit *>();
    for (QLineEdit *field : fields) {
        if (field->accessibleName() == name)
            return field;
    }
    throw std::runtime_error("the search window has no field " + name.toStdString());
}

QPushButton *buttonByCaption(QWidget *window, const QString &caption)
{
    const auto buttons = window->findChildren<QPushButton *>();
    for (QPushButton *button : buttons) {
        if (button->text() == caption)
            return button;
    }
    throw std::runtime_error("the search window has no button " + caption.toStdString());
}

// 搜索 > 客户信息: once the search window has painted and is idle, types the
// texts of customerSearchText() and presses 搜 索; returns when the list
// has painted the results and the program is idle.
void menuSearch(MainWindowDriver &driver)
{
    auto *window = ui::Windows::get<QDialog>(ui::names::Tfind_lianxiren);
    if (!window)
        throw std::runtime_error("there is no customer search window");
    QString failure;
    bool pressed = false;
    PaintWatch shown(PaintWatch::inside(window));
    shown.setOnIdle([&] {
        try {
            fieldByCaption(window, QStringLiteral("中文名"))->setText(QStringLiteral("华"));
            fieldByName(window, QStringLiteral("手  机 电话号码"))->setText(QStringLiteral("13"));
            QPushButton *search = buttonByCaption(window, QStringLiteral("搜 索"));
            driver.armList();
            search->click();
            pressed = true;
        } catch (const std::exception &e) {
            failure = QString::fromStdString(e.what());
        }
        if (window->isVisible())
            window->reject();
    });
    shown.arm();
    // A window that never paints is closed rather than waited for forever.
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, window, [&] {
        if (window->isVisible()) {
            failure = QStringLiteral("the search window did not paint");
            window->reject();
        }
    });
    giveUp.start(kLongestWaitMs);
    driver.menuAction(QStringLiteral("搜索"), QStringLiteral("客户信息"))->trigger();
    if (!failure.isEmpty())
        throw std::runtime_error(failure.toStdString());
    if (!pressed)
        throw std::runtime_error("the search window did not open");
    driver.waitForList();
}

} // namespace

void runWindowFigures(app::Startup &started, int runs)
{
    MainWindowDriver driver(started);
    data::StandingQuery &list = driver.data().atc1_all();
    sqlite3 *db = list.connection().handle();
    const QString listSql = list.standingText();
    const QByteArray listUtf8 = listSql.toUtf8();
    BareResult bare;
    const auto bareList = [&] { bare = bareLoop(db, listUtf8); };

    PairedTimes t = timeAlternately(
        runs, [&] { driver.showCustomers(); }, bareList, [&] { driver.showCompanies(); });
    check(protocol::kCustomersButton, list, listSql, bare);
    report(protocol::kCustomersButton, t, bare.rows);

    QAction *refresh = driver.menuAction(QStringLiteral("客户"), QStringLiteral("刷新"));
    t = timeAlternately(runs, [&] { driver.untilListPainted([&] { refresh->trigger(); }); }, bareList);
    check(protocol::kRefresh, list, listSql, bare);
    report(protocol::kRefresh, t, bare.rows);

    t = timeAlternately(
        runs, [&] { driver.untilListPainted([&] { refresh->trigger(); }); }, bareList, [&] { driver.write(); });
    check(protocol::kRefreshAfterWrite, list, listSql, bare);
    report(protocol::kRefreshAfterWrite, t, bare.rows);

    const QString searchSql = customerSearchText();
    const QByteArray searchUtf8 = searchSql.toUtf8();
    t = timeAlternately(
        runs, [&] { menuSearch(driver); }, [&] { bare = bareLoop(db, searchUtf8); }, [&] { driver.showCustomers(); });
    check(protocol::kMenuSearch, list, searchSql, bare);
    report(protocol::kMenuSearch, t, bare.rows);
}

} // namespace bench
