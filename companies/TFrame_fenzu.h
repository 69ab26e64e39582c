#pragma once

#include "Windows.h"

#include <QFrame>

class QLabel;
class QPushButton;
class QTabWidget;
class QToolBar;
class CompanyViewDescription;
class CompanyViewDetails;

namespace ui {
class DbGrid;
class DeletePanel;
}

// The company view: the companies at the left, the current company's details
// at the right, and tabs with its description, memos, customers and a credit
// enquiry.
class TFrame_fenzu : public QFrame, public ui::DataBound {
    Q_OBJECT
public:
    // The tabs, in the order they are shown.
    enum class Page { Description, Memos, Customers, Credit };

    explicit TFrame_fenzu(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    // Brings the description page "描述" to the front.
    void showDescriptionPage();
    Page currentPage() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createLayout();
    QToolBar *createToolbar();
    QWidget *createCaptionStrip();
    QWidget *createCompanyPanel();
    QWidget *createMemoPage();
    QWidget *createCreditPage();
    void createDeletePanels();
    void connectActions();

    // The empty-table test of the toolbar: false, after saying so, when
    // there is no company to work on.
    bool hasCompanies();
    void showCurrentCompany();
    void pageChanged(int index);
    void loadMemos();
    void loadCustomers();

    void newCompanyClick();
    void editCompanyClick();
    void deleteCompanyClick();
    void newMemoClick();
    void refreshClick();
    void searchClick();
    void reportClick();
    void deleteMemoClick();

    // While a delete panel is up, the user reaches nothing but the panel.
    void holdForPanel(bool held);
    void deleteCompany(const QString &cid);
    void deleteMemo(const QString &jid);
    void closePanel(ui::DeletePanel *panel);

    TData_in *m_data = nullptr;

    QWidget *m_titleStrip = nullptr;
    QToolBar *m_toolbar = nullptr;
    QWidget *m_captionStrip = nullptr;
    QWidget *m_content = nullptr;

    ui::DbGrid *m_companyGrid = nullptr;
    CompanyViewDetails *m_details = nullptr;
    QTabWidget *m_pages = nullptr;
    CompanyViewDescription *m_description = nullptr;
    QPushButton *m_memoNew = nullptr;
    QPushButton *m_memoDelete = nullptr;
    ui::DbGrid *m_memoGrid = nullptr;
    ui::DbGrid *m_customerGrid = nullptr;
    QPushButton *m_creditEnquiry = nullptr;

    ui::DeletePanel *m_companyPanel = nullptr;
    ui::DeletePanel *m_memoPanel = nullptr;
};
