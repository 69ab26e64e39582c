#pragma once

#include "ListView.h"

// The product list: the products in vtv4_all, newest first, or those a
// search put there; the place to add, change, delete, search and print
// them, and to see one in full with a double click.
class TFrame_chanpin : public ui::ListView {
    Q_OBJECT
public:
    explicit TFrame_chanpin(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
    void newClick();
    void editClick();
    void refreshClick();
    void searchClick();
    void reportClick();
    void DBGrid1DblClick();

    TData_in *m_data = nullptr;
};
