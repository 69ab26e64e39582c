#pragma once

#include "ListView.h"

// The analysis list: the sales analyses in vtv2_all, newest first, or those
// a customer view or a search put there; the place to follow them up,
// delete, search and print them. Analyses are made for a customer, in the
// customer views.
class TFrame_renwu : public ui::ListView {
    Q_OBJECT
public:
    explicit TFrame_renwu(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
    void followUpClick();
    void refreshClick();
    void searchClick();
    void reportClick();

    TData_in *m_data = nullptr;
};
