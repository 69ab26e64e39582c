#pragma once

#include "Windows.h"

#include <QDialog>

class ProductForm;
class QPushButton;

namespace ui {
class DbNavigator;
}

// The edit-product window: edits the current product of vtv4_all in place.
// The tick posts what the fields hold (once something changed) and closes
// the window; a number that is not a whole number in range is refused
// before anything is written. 取 消, the close box and Escape drop whatever
// was changed and not posted.
class Tedit_chanpin : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tedit_chanpin(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createLayout();
    void connectActions();
    bool numbersFit();

    ProductForm *m_form = nullptr;
    ui::DbNavigator *m_navigator = nullptr;
    QPushButton *m_cancel = nullptr;
    TData_in *m_data = nullptr;
};
