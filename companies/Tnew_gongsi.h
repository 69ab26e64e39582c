#pragma once

#include "Windows.h"

#include <QDialog>

class CompanyForm;
class QButtonGroup;
class QLineEdit;
class QPushButton;

// The new-company window: collects a company's fields and inserts one row.
class Tnew_gongsi : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tnew_gongsi(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    // Empties every field; both area codes "0", rating "1". Runs on every showing.
    void reset();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createLayout();
    void connectActions();
    void Button1Click(); // 确定

    CompanyForm *m_form = nullptr;
    QLineEdit *Edit12 = nullptr; // hidden: the rating the radio buttons set
    QButtonGroup *m_rating = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    TData_in *m_data = nullptr;
};
