#pragma once

class QWidget;

namespace ui {

class DbGrid;

// What the main window offers the views it hosts: showing one view and
// hiding the others, switching its navigation off while a view holds a
// delete confirmation, and the wheel handling of the list grids.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void showView(QWidget *view) = 0;
    virtual void setNavigationEnabled(bool enabled) = 0;
    // False while a view holds a delete confirmation: the view on show must
    // stay until the user has answered it.
    virtual bool navigationEnabled() const = 0;
    virtual void registerListGrid(DbGrid *grid) = 0;

    static Shell *instance() { return s_instance; }
    static void set(Shell *shell) { s_instance = shell; }

private:
    static inline Shell *s_instance = nullptr;
};

} // namespace ui
