#pragma once

#include "Windows.h"

#include <QDialog>

class EmployeeForm;
class QPushButton;

namespace ui {
class DbNavigator;
}

// The edit-employee window: edits the current employee of utm1_all in place.
// Every field is bound to the current row, the dates as the text they hold;
// the navigator's tick, available once something was changed, saves.
// 取 消, the close box and Escape drop what was typed and not saved.
class Tedit_worker : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tedit_worker(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    EmployeeForm *form() const { return m_form; }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    TData_in *m_data = nullptr;
    EmployeeForm *m_form = nullptr;
    ui::DbNavigator *DBNavigator1 = nullptr;
    QPushButton *Button2 = nullptr; // 取 消
};
