#pragma once

#include "Windows.h"

#include <QDialog>

// The edit-company window: edits the current company of atc2_all in place.
class Tedit_gongsi : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tedit_gongsi(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
};
