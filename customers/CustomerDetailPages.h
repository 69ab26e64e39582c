#pragma once

#include "CustomerDetailHeader.h"

#include <QTabWidget>
#include <vector>

class CustomerDetailCompany;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class TData_in;

namespace ui {
class DbGrid;
}

// The six pages of the customer detail view, in their order: memos,
// activities, analyses, company, supplementary information, credit.
class CustomerDetailPages : public QTabWidget {
    Q_OBJECT
public:
    explicit CustomerDetailPages(QWidget *parent = nullptr);
    void bind(TData_in &data);

    void showSupplement(const CustomerValues &values);
    CustomerDetailCompany *company() const { return m_company; }

    // The controls the view gives their work.
    ui::DbGrid *memoGrid() const { return m_memoGrid; }
    ui::DbGrid *activityGrid() const { return m_activityGrid; }
    ui::DbGrid *analysisGrid() const { return m_analysisGrid; }
    QComboBox *activityType() const { return m_activityType; }
    QPushButton *newMemoButton() const { return m_newMemo; }
    QPushButton *deleteMemoButton() const { return m_deleteMemo; }
    QPushButton *newActivityButton() const { return m_newActivity; }
    QPushButton *endActivityButton() const { return m_endActivity; }
    QPushButton *newAnalysisButton() const { return m_newAnalysis; }
    QPushButton *followUpButton() const { return m_followUp; }
    QPushButton *enquiryButton() const { return m_enquiry; }

private:
    QWidget *createMemos();
    QWidget *createActivities();
    QWidget *createAnalyses();
    QWidget *createSupplement();
    QWidget *createCredit();

    ui::DbGrid *m_memoGrid = nullptr;
    ui::DbGrid *m_activityGrid = nullptr;
    ui::DbGrid *m_analysisGrid = nullptr;
    QComboBox *m_activityType = nullptr;
    QPushButton *m_newMemo = nullptr;
    QPushButton *m_deleteMemo = nullptr;
    QPushButton *m_newActivity = nullptr;
    QPushButton *m_endActivity = nullptr;
    QPushButton *m_newAnalysis = nullptr;
    QPushButton *m_followUp = nullptr;
    QPushButton *m_enquiry = nullptr;
    CustomerDetailCompany *m_company = nullptr;

    std::vector<QLabel *> m_moreValues; // one for each of the customer record's detail values
    QPlainTextEdit *m_description = nullptr;
};
