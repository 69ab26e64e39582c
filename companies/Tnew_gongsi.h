#pragma once

#include "Windows.h"

#include <QDialog>

// The new-company window: collects a company's fields and inserts one row.
class Tnew_gongsi : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tnew_gongsi(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
};
