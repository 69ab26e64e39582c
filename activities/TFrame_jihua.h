#pragma once

#include "Windows.h"

#include <QFrame>

class QComboBox;
class QToolBar;

namespace ui {
class DbGrid;
class DbNavigator;
class DeletePanel;
}

// The activity list: every customer's activities in vtv1_all, latest
// scheduled first, filtered by type; the place to end, delete, search and
// print them. Activities are made for a customer, in the customer views.
class TFrame_jihua : public QFrame, public ui::DataBound {
    Q_OBJECT
public:
    explicit TFrame_jihua(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    ui::DbGrid *grid() const { return DBGrid1; }
    QComboBox *typeFilter() const { return ComboBox1; }
    ui::DeletePanel *deletePanel() const { return m_deletePanel; }

private:
    void createLayout();
    QToolBar *createToolBar();
    QWidget *createCaptionStrip();
    void connectActions();

    // The empty-table test of the commands that need an activity.
    bool hasActivities();

    void endClick();
    void deleteClick();
    void refreshClick();
    void searchClick();
    void reportClick();
    void ComboBox1Change(const QString &text);

    void deleteConfirmed(const QString &eid);
    void closeDeletePanel();
    void setBrowsing(bool browsing);

    TData_in *m_data = nullptr;
    QToolBar *m_toolBar = nullptr;
    QWidget *m_captionStrip = nullptr;
    ui::DbNavigator *DBNavigator1 = nullptr;
    QComboBox *ComboBox1 = nullptr; // the type filter
    ui::DbGrid *DBGrid1 = nullptr;
    ui::DeletePanel *m_deletePanel = nullptr;
};
