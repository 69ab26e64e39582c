#pragma once

#include "Windows.h"

#include <QDialog>

// The edit-customer window: edits the current customer of atc1_all in place.
class Tedit_lianxiren : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tedit_lianxiren(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
};
