#pragma once

#include "Windows.h"

#include <QDialog>

// The customer search: narrows atc1_all to the customers that match.
class Tfind_lianxiren : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tfind_lianxiren(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
};
