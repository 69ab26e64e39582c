#pragma once

#include "Windows.h"

#include <QDialog>

// The new-customer window: collects a customer's fields and inserts one row.
class Tnew_lianxiren : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tnew_lianxiren(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
};
