#pragma once

#include "CustomerForm.h"
#include "Windows.h"

#include <QDialog>

// The edit-customer window: edits the current customer of atc1_all in place.
// Every field is bound to the current row; the navigator's Post button saves.
// 取消 and the close box drop what was typed and not saved.
class Tedit_lianxiren : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tedit_lianxiren(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void connectActions();
    void afterPost();

    customers::CustomerFormUi m_form;
    TData_in *m_data = nullptr;
};
