#pragma once

#include "CustomerDetailHeader.h"
#include "Windows.h"

#include <QFrame>

class CustomerDetailPages;
class QToolBar;

namespace data {
class StandingQuery;
}

namespace ui {
class DeletePanel;
}

// The customer detail view: a header with the customer on show and six tabs
// with the customer's memos, activities, analyses, company, supplementary
// information and a credit enquiry.
class TFrame_lianxiren : public QFrame, public ui::DataBound {
    Q_OBJECT
public:
    enum class Tab { Memos, Activities, Analyses, Company, Supplement, Credit };

    explicit TFrame_lianxiren(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    void showTab(Tab tab);
    // The main window shows the detail view alone, with that tab in front:
    // where a window that wrote a customer's row shows it.
    static void showInFront(Tab tab);
    Tab currentTab() const;

    // Opens the view on the current customer of the query: the header, and
    // the tabs with that customer's activities, analyses, memos, company and
    // rating, so that header and tabs always show the same customer. False
    // (after the error box) when a load was refused.
    bool openCustomer(const data::StandingQuery &customers);

    // Header mirroring: the customer list copies the current customer row
    // into the header (every column but the rating) whenever it paints.
    void mirrorHeader(const data::StandingQuery &customers);
    // The rating stars; a value other than "1".."5" shows no star.
    void showRating(const QString &a11);
    int stars() const;
    // The customer whose memos, activities and analyses the tabs were loaded
    // for (the one last opened); empty until then.
    QString shownCustomer() const;
    // Every value the header mirroring copied last (a1..a28 and aid, without a11 and a25).
    const CustomerValues &headerValues() const { return m_values; }

    CustomerDetailPages *pages() const { return m_pages; }

private:
    void createLayout();
    QToolBar *createToolBar();
    void connectActions();

    void backClick();
    void newActivityClick(bool fromToolBar);
    void newAnalysisClick(bool fromToolBar);
    void newMemoClick(bool fromToolBar);
    void editClick();
    void endActivityClick();
    void followUpClick();
    void activityTypeChange(const QString &text);
    void deleteMemoClick();
    void deleteMemoConfirmed(const QString &jid);
    void closeMemoPanel();
    void setBrowsing(bool browsing);

    TData_in *m_data = nullptr;
    QToolBar *m_toolBar = nullptr;
    CustomerDetailHeader *m_header = nullptr;
    CustomerDetailPages *m_pages = nullptr;
    ui::DeletePanel *m_memoPanel = nullptr;
    CustomerValues m_values;
    QString m_shownCustomer;
};
