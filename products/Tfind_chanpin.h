#pragma once

#include "SearchWindow.h"

class ProductForm;
class QLineEdit;

// The product search: narrows vtv4_all to the products that contain every
// typed text in its column, newest first, so that the product list and the
// analysis window's product drop-down offer only them. The creation date
// counts only once the picker has been changed.
class Tfind_chanpin : public ui::SearchWindow {
    Q_OBJECT
public:
    explicit Tfind_chanpin(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
    void resetMore() override;
    void search() override;
    void DateP1Change();

    ProductForm *m_form = nullptr;
    QLineEdit *m_dateText = nullptr; // empty until the picker is changed: no condition
    TData_in *m_data = nullptr;
};
