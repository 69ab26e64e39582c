#pragma once

#include "DbGrid.h"
#include "Windows.h"

#include <QFrame>
#include <QList>

class QToolBar;

namespace data {
class StandingQuery;
}

namespace ui {

class DbNavigator;
class DeletePanel;

// What a list view says and shows beside its rows.
struct ListTexts {
    QString caption;  // the caption box of its strip, and its name ("销售活动")
    QString banner;   // the line of advice beside the navigator
    QString none;     // what a command that needs a row says when there is none
    QString deleteTitle;
    QString deleted;  // said once a row was deleted
    QString warning;  // what the delete panel says before its question; none when empty
};

// Whether a list view's strip holds a record navigator beside its caption box.
enum class StripNavigator { Shown, None };

// What of a list view, besides its toolbar and grid, is disabled while its
// delete panel is up: its strip (the usual), nothing more, or the strip and
// the picture strip above the toolbar.
enum class DeleteLock { Strip, ToolbarAndGrid, WholeView };

// A list view of the main window: its toolbar, a strip with the caption box,
// the record navigator (unless the view has none), maybe more controls and
// the banner (when it has a text), and a read-only
// grid over one standing query with the delete panel over it. A command that
// needs a row tests the query as it stands (hasRows()). While the panel is up,
// the view and the main window's navigation bar and menus are disabled; its
// minus button deletes the row the panel asked about, and no other.
class ListView : public QFrame, public DataBound {
    Q_OBJECT
public:
    DbGrid *grid() const { return DBGrid1; }
    DeletePanel *deletePanel() const { return m_deletePanel; }
    void setDeleteLock(DeleteLock lock) { m_deleteLock = lock; }

protected:
    ListView(const QString &name, const ListTexts &texts, QWidget *parent,
             StripNavigator navigator = StripNavigator::Shown);

    // Lays the view out: `top` (a picture strip, or none), the toolbar, the
    // strip with `more` between the navigator and the banner, the grid.
    void layOut(QToolBar *toolBar, const QList<QWidget *> &more = {}, QWidget *top = nullptr);
    // Binds the grid and the navigator, and lets the main window's wheel step the grid.
    void bindList(data::StandingQuery *query, std::vector<GridColumn> columns);
    data::StandingQuery *query() const { return m_query; }

    // True when the query has a row; otherwise says so and is false.
    bool hasRows();
    // 删 除: the panel over the grid, for the current row.
    void deleteClick();

private:
    QWidget *createStrip(const QList<QWidget *> &more);
    void deleteConfirmed(const QString &key);
    void closeDeletePanel();
    void setBrowsing(bool browsing);

    ListTexts m_texts;
    StripNavigator m_navigator;
    data::StandingQuery *m_query = nullptr;
    QToolBar *m_toolBar = nullptr;
    QWidget *m_strip = nullptr;
    QWidget *m_top = nullptr;
    DeleteLock m_deleteLock = DeleteLock::Strip;
    DbNavigator *DBNavigator1 = nullptr;
    DbGrid *DBGrid1 = nullptr;
    DeletePanel *m_deletePanel = nullptr;
};

} // namespace ui
