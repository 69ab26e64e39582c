#pragma once

#include "TFrame_lianxiren.h"
#include "Windows.h"

#include <QFrame>
#include <optional>

class CustomerListMirror;
class QLineEdit;
class QToolBar;

namespace ui {
class DbGrid;
class DbNavigator;
class DeletePanel;
}

// The customer list: atc1_all newest first, the starting point for creating,
// deleting, searching and printing customers and for opening a customer's
// details, activities, analyses and memos.
class TFrame_liebiao : public QFrame, public ui::DataBound {
    Q_OBJECT
public:
    explicit TFrame_liebiao(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    ui::DbGrid *grid() const { return DBGrid1; }

protected:
    // Header mirroring: whenever the grid paints, the detail view's header
    // takes the current customer.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createLayout();
    QToolBar *createToolBar();
    QWidget *createCaptionStrip();
    void connectActions();

    TFrame_lianxiren *detail() const;
    // The empty-table test of the commands that need a customer.
    bool hasCustomers();
    bool showDetail(std::optional<TFrame_lianxiren::Tab> tab);

    void newCustomerClick();
    void deleteClick();
    void newActivityClick();
    void newAnalysisClick();
    void newMemoClick();
    void refreshClick();
    void searchClick();
    void reportClick();
    void DBGrid1DblClick();

    void deleteConfirmed(const QString &aid);
    void closeDeletePanel();
    void setBrowsing(bool browsing);

    TData_in *m_data = nullptr;
    QToolBar *m_toolBar = nullptr;
    QWidget *m_captionStrip = nullptr;
    ui::DbNavigator *DBNavigator1 = nullptr;
    ui::DbGrid *DBGrid1 = nullptr;
    CustomerListMirror *m_mirror = nullptr;
    ui::DeletePanel *m_deletePanel = nullptr;
    QLineEdit *m_deleteKey = nullptr; // the key of the customer being deleted, while the panel is up
};
