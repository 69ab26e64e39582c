#pragma once

#include "Windows.h"

#include <QDialog>

// The new-memo window, for a customer or for a company.
class Tnew_beiwang : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tnew_beiwang(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    // Set by the caller before showing the window.
    void setCustomerMode(const QString &name, const QString &key);
    void setCompanyMode(const QString &name, const QString &key);

private:
};
