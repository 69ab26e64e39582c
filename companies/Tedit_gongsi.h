#pragma once

#include "Windows.h"

#include <QDialog>

class CompanyForm;
class QPushButton;

namespace ui {
class DbComboBox;
class DbNavigator;
}

// The edit-company window: edits the current company of atc2_all in place.
// Its post button writes the change and closes the window; 取消, the close
// box and Escape drop whatever was changed and not posted.
class Tedit_gongsi : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tedit_gongsi(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createLayout();
    void connectActions();

    CompanyForm *m_form = nullptr;
    ui::DbComboBox *m_ratingBox = nullptr;
    ui::DbNavigator *m_navigator = nullptr;
    QPushButton *m_cancel = nullptr;
    TData_in *m_data = nullptr;
};
