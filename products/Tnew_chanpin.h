#pragma once

#include "Windows.h"

#include <QDialog>

class ProductForm;
class QPushButton;

// The new-product window: collects one product and inserts it into vtv4.
// Each opening starts on today's date, an empty name, no categories and
// "0" in the number fields; the status keeps the last choice.
class Tnew_chanpin : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tnew_chanpin(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    void reset();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createLayout();
    void connectActions();
    void Button1Click(); // 确 定

    ProductForm *m_form = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    TData_in *m_data = nullptr;
};
