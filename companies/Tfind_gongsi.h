#pragma once

#include "Windows.h"

#include <QDialog>

// The company search: narrows atc2_all to the companies that match.
class Tfind_gongsi : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tfind_gongsi(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
};
