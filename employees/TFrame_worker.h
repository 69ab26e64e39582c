#pragma once

#include "ListView.h"

// The employee list: the employees in utm1_all, newest first, or those a
// search put there; the place to create, edit, delete, search and print
// them. A double click shows one employee's details.
class TFrame_worker : public ui::ListView {
    Q_OBJECT
public:
    explicit TFrame_worker(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
    void editClick();
    void refreshClick();
    void searchClick();
    void reportClick();
    void detailClick();

    TData_in *m_data = nullptr;
};
