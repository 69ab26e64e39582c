#pragma once

#include "CustomerForm.h"
#include "Windows.h"

#include <QDialog>

class QLineEdit;

namespace ui {
class DbEdit;
}

// The new-customer window: collects a customer's fields and inserts one row.
class Tnew_lianxiren : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tnew_lianxiren(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    // Runs every time the window is shown: short form, every field as new.
    void reset();

    // The hidden fields: the rating digit and the cid of atc2_all's current row.
    QString rating() const;
    QString companyKey() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createHiddenFields();
    void connectActions();
    // Whether the marked fields are filled; otherwise says so, the cursor in the first empty one.
    bool requiredFilled();
    QString columnText(const QString &column) const;
    void Button1Click(); // 确定

    customers::CustomerFormUi m_form;
    QLineEdit *m_rating = nullptr;
    ui::DbEdit *m_companyKey = nullptr;
    TData_in *m_data = nullptr;
};
