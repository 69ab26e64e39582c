#pragma once

#include <QWidget>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class TData_in;

namespace ui {
class DbEdit;
class DbMemo;
class PickListCombo;
}

// The fields of a company as the new-company and edit-company windows lay
// them out, in screen order, each beside its caption. The form holds no data
// of its own: the new window reads the fields, the edit window binds them.
// Below the fields each window puts its own rating control and buttons.
class CompanyForm : public QWidget {
    Q_OBJECT
public:
    explicit CompanyForm(QWidget *parent = nullptr);

    // Fills the drop-downs from the company pick lists; the small button
    // beside each opens the company pick-list editor on its list.
    void setPickLists(TData_in &data);
    // The red marks beside the two fields a new company needs.
    void setRequiredMarksVisible(bool visible);
    // The row under the description: the window's rating control on the
    // left, its buttons on the right.
    void setBottomRow(QWidget *rating, const QList<QWidget *> &buttons);

    QLineEdit *Edit1;      // 公司名称  c1
    ui::DbEdit *Edit5;     // 简称      c3
    ui::DbEdit *Edit2;     // 英文名称  c2
    ui::DbEdit *Edit3;     // 地址      c4
    ui::DbEdit *Edit4;     // 邮编      c5
    ui::DbEdit *Edit6;     // 网站      c6
    ui::DbEdit *Edit7;     // 总机区号  c14
    ui::DbEdit *Edit10;    // 总机号码  c11
    ui::DbEdit *Edit8;     // 传真区号  c15
    ui::DbEdit *Edit11;    // 传真号码  c12
    ui::DbEdit *Edit13;    // 分机号    c16
    ui::PickListCombo *DBBox2; // 所属行业  c9, list vx6
    ui::PickListCombo *DBBox3; // 销售规模  c10, list vx7
    ui::DbEdit *Edit9;     // 产品      c8
    ui::PickListCombo *DBBox1; // 关系      c7, list vx8
    ui::DbMemo *RichEdit1; // 描述      c13

private:
    void createFields();
    void createLayout();
    QLabel *caption(const QString &text, QWidget *buddy);
    QWidget *withListButton(ui::PickListCombo *combo, const QString &listCaption);
    QWidget *phoneLine(QWidget *area, QWidget *number, QWidget *third);

    QGridLayout *m_grid = nullptr;
    QHBoxLayout *m_bottom = nullptr;
    QList<QLabel *> m_requiredMarks;
};

// Both company windows open in the middle of the desktop, wherever they were
// last left.
void centreOnScreen(QWidget *window);
