#pragma once

#include "Windows.h"

#include <QDialog>

// The memo window of the changing kind. A saved memo cannot be changed, so
// nothing opens it; it exists like every other window of the program.
class Tedit_beiwang : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tedit_beiwang(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
};
