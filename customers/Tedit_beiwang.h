#pragma once

#include "Windows.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;

// The memo window of the changing kind. A saved memo cannot be changed, so
// nothing opens it; it exists like every other window of the program. Shown,
// it reads the current memo of vtv3_all and writes nothing.
class Tedit_beiwang : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tedit_beiwang(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createLayout();

    TData_in *m_data = nullptr;
    QLabel *Label_date = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
};
