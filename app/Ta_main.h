#pragma once

#include "Shell.h"
#include "Windows.h"

#include <QMainWindow>
#include <QList>

class QAction;
class QMenu;
class QStackedLayout;
class QToolButton;
class TFrame_chanpin;
class TFrame_fenzu;
class TFrame_jihua;
class TFrame_lianxiren;
class TFrame_liebiao;
class TFrame_renwu;
class TFrame_worker;

namespace ui {
class DbEdit;
class DbGrid;
class WheelStepper;
}

namespace app {
class NavigationBar;
}

// The main window: the navigation bar at the left, one business view at a
// time at the right, the main menu and the status bar. Closing it ends the
// program, after asking.
class Ta_main : public QMainWindow, public ui::DataBound, public ui::Shell {
    Q_OBJECT
public:
    explicit Ta_main(QWidget *parent = nullptr);
    ~Ta_main() override;

    void bindData(TData_in &data) override;

    // The seven views.
    TFrame_liebiao *Frame_liebiao1;
    TFrame_lianxiren *Frame_lianxiren1;
    TFrame_fenzu *Frame_fenzu1;
    TFrame_jihua *Frame_jihua1;
    TFrame_renwu *Frame_renwu1;
    TFrame_chanpin *Frame_chanpin1;
    TFrame_worker *Frame_worker1;

    // Shows one view and hides the other six.
    void showView(QWidget *view) override;
    QWidget *currentView() const;
    QList<QWidget *> views() const;

    // While a view holds a delete confirmation, the navigation buttons and
    // the eight top-level menus are disabled.
    void setNavigationEnabled(bool enabled) override;
    bool navigationEnabled() const override;
    app::NavigationBar *navigationBar() const { return m_navigation; }
    QList<QMenu *> topMenus() const { return m_menus; }
    QAction *menuAction(const QString &menu, const QString &item) const;
    QToolButton *navigationButton(const QString &caption) const;

    // Every list grid registered here moves its current row by one per wheel message.
    void registerListGrid(ui::DbGrid *grid) override;

    // The first-run check of the main window's first show; public for the
    // start-up that runs it once the window is up.
    void firstRunCheck();

signals:
    void firstShown();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    enum class Test { None, Customers, Own };
    struct Route {
        Test test;
        QString query;        // the standing query reset (and tested, for Own)
        QString emptyMessage; // for Own
        QWidget *view;
        bool showBeforeReset;
        QString window;       // a modal window opened last, by instance name
    };

    void createLayout();
    void createMenus();
    void createNavigation();
    void createStatusBar();
    void go(const Route &route);
    bool passes(Test test, const QString &query, const QString &message);
    void newRecord(QWidget *view, const QString &window);
    void report(const QString &query);

    app::NavigationBar *m_navigation = nullptr;
    QStackedLayout *m_views = nullptr;
    QList<QMenu *> m_menus;
    ui::WheelStepper *m_wheel = nullptr;
    ui::DbEdit *m_firstRunFlag = nullptr;
    bool m_shownOnce = false;
};
