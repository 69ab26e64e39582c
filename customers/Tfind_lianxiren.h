#pragma once

#include "SearchWindow.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLineEdit;

namespace ui {
class PickListCombo;
}

// The customer search: narrows atc1_all to the customers that match, so that
// the customer list shows them. Cleared every time it is shown.
class Tfind_lianxiren : public ui::SearchWindow {
    Q_OBJECT
public:
    explicit Tfind_lianxiren(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
    QGroupBox *createSearchGroup();
    QGroupBox *createBasicGroup();
    QGroupBox *createAffiliationGroup();
    void fillCompanies();
    void search() override;

    TData_in *m_data = nullptr;

    QLineEdit *Edit1 = nullptr;     // 中文名
    QComboBox *ComboBox1 = nullptr; // salutation
    QLineEdit *Edit2 = nullptr;     // 英文名
    QLineEdit *Edit3 = nullptr;     // 电话 area code
    QLineEdit *Edit4 = nullptr;     // 电话 number
    QLineEdit *Edit5 = nullptr;     // 电话 extension
    QLineEdit *Edit6 = nullptr;     // 传真 area code
    QLineEdit *Edit7 = nullptr;     // 传真 number
    QLineEdit *Edit8 = nullptr;     // 传真 extension
    QLineEdit *Edit9 = nullptr;     // 手机 prefix
    QLineEdit *Edit10 = nullptr;    // 手机 number
    QLineEdit *Edit11 = nullptr;    // E-mail
    QComboBox *DBBox1 = nullptr;    // 公司: the names of atc2_all
    ui::PickListCombo *DBBox2 = nullptr; // 部门 (vx1)
    ui::PickListCombo *DBBox3 = nullptr; // 职务 (vx2)
};
