#pragma once

#include "HandOver.h"
#include "Windows.h"

#include <QDialog>

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace ui {
class PickListCombo;
class QueryCombo;
class WrappedValue;
}

// The new-analysis window: one sales opportunity for the customer the caller
// hands over. The product is chosen from the product list, whose current row
// follows the choice; the total is quantity × unit price while typing. 确定
// writes the analysis and brings the customer's analyses to the front.
class Tnew_fenxi : public QDialog, public ui::DataBound, public ui::CustomerWindow {
    Q_OBJECT
public:
    explicit Tnew_fenxi(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;
    void setCustomer(const ui::CustomerRef &customer) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createGeneralPage();
    QWidget *createMorePage();
    QWidget *createCustomerGroup(QWidget *page);
    QWidget *createProductGroup(QWidget *page);
    QWidget *createSalesGroup(QWidget *page);
    void connectActions();
    void reset();

    void factorChange(QLineEdit *factor);
    void Button1Click(); // 确定

    TData_in *m_data = nullptr;
    ui::CustomerRef m_customer;
    QString m_dateText; // the expected signing date as stored

    QLabel *Label14 = nullptr; // Chinese name
    QLabel *Label15 = nullptr; // salutation
    QLabel *Label17 = nullptr; // English name
    ui::QueryCombo *m_product = nullptr;
    QList<ui::WrappedValue *> m_productValues;
    QLineEdit *m_quantity = nullptr;
    QLineEdit *m_unitPrice = nullptr;
    QLineEdit *m_total = nullptr;
    QDateEdit *DateP1 = nullptr;
    QLineEdit *m_probability = nullptr;
    ui::PickListCombo *m_salesType = nullptr;
    ui::PickListCombo *m_stage = nullptr;
    ui::PickListCombo *m_competitor = nullptr;
    QTextEdit *Memo1 = nullptr; // 详细
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};
