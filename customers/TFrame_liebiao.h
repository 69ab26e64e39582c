#pragma once

#include "Windows.h"

#include <QFrame>

// The customer list: atc1_all newest first, the starting point for creating,
// deleting, searching and printing customers and for opening a customer's
// details, activities, analyses and memos.
class TFrame_liebiao : public QFrame, public ui::DataBound {
    Q_OBJECT
public:
    explicit TFrame_liebiao(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;
};
