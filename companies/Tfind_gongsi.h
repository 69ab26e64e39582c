#pragma once

#include "SearchWindow.h"

class QGroupBox;
class QLineEdit;

namespace ui {
class PickListCombo;
}

// The company search: narrows atc2_all to the companies that match, so that
// the company view lists them. Cleared every time it is shown.
class Tfind_gongsi : public ui::SearchWindow {
    Q_OBJECT
public:
    explicit Tfind_gongsi(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
    QGroupBox *createSearchGroup();
    void search() override;

    TData_in *m_data = nullptr;

    QLineEdit *Edit1 = nullptr;  // 公司名称
    QLineEdit *Edit5 = nullptr;  // 简称
    QLineEdit *Edit2 = nullptr;  // 英文名称
    QLineEdit *Edit3 = nullptr;  // 地址
    QLineEdit *Edit4 = nullptr;  // 邮编
    QLineEdit *Edit6 = nullptr;  // 网站
    QLineEdit *Edit7 = nullptr;  // 总机 area code
    QLineEdit *Edit10 = nullptr; // 总机 number
    QLineEdit *Edit8 = nullptr;  // 传真 area code
    QLineEdit *Edit11 = nullptr; // 传真 number
    QLineEdit *Edit13 = nullptr; // extension, on the fax line
    QLineEdit *Edit9 = nullptr;  // 产品
    ui::PickListCombo *DBBox2 = nullptr; // 所属行业 (vx6)
    ui::PickListCombo *DBBox3 = nullptr; // 销售规模 (vx7)
    ui::PickListCombo *DBBox1 = nullptr; // 关系 (vx8)
};
