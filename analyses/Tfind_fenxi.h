#pragma once

#include "SearchWindow.h"

class QDateEdit;
class QGroupBox;
class QLineEdit;

namespace ui {
class PickListCombo;
class QueryCombo;
}

// The analysis search: up to eleven conditions, each a substring of its
// column (numbers matched as text); the expected signing date counts only
// once the picker was changed. The found analyses replace the rows of
// vtv2_all.
class Tfind_fenxi : public ui::SearchWindow {
    Q_OBJECT
public:
    explicit Tfind_fenxi(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
    QGroupBox *createSearchGroup();
    QGroupBox *createSalesGroup(QWidget *parent);
    void search() override;
    void resetMore() override;

    TData_in *m_data = nullptr;

    QLineEdit *Edit1 = nullptr; // 客户名(中文)
    QLineEdit *Edit2 = nullptr; // 客户名(英文)
    ui::QueryCombo *m_product = nullptr;
    QLineEdit *m_quantity = nullptr;
    QLineEdit *m_unitPrice = nullptr;
    QLineEdit *m_total = nullptr;
    QDateEdit *DateP1 = nullptr;
    QLineEdit *m_dateText = nullptr; // hidden: the date chosen in the picker
    QLineEdit *m_probability = nullptr;
    ui::PickListCombo *m_salesType = nullptr;
    ui::PickListCombo *m_competitor = nullptr;
    ui::PickListCombo *m_stage = nullptr;
};
