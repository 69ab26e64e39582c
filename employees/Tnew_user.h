#pragma once

#include "Windows.h"

#include <QDialog>

class EmployeeForm;
class QPushButton;

// The new-employee window. It keeps what was typed and chosen from one use to
// the next, saved or not; only the two dates are today's again each time it
// is opened. 确 定 needs the Chinese name, the sex, the identity number and
// the status, writes one employee and refreshes the employee list.
class Tnew_user : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tnew_user(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    EmployeeForm *form() const { return m_form; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Button1Click(); // 确 定
    // Whether the marked fields are filled; otherwise says so, the cursor in the first empty one.
    bool requiredFilled();

    TData_in *m_data = nullptr;
    EmployeeForm *m_form = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};
