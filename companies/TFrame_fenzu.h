#pragma once

#include "Windows.h"

#include <QFrame>

// The company view: the companies at the left, the current company's details
// at the right, and tabs with its description, memos, customers and a credit
// enquiry.
class TFrame_fenzu : public QFrame, public ui::DataBound {
    Q_OBJECT
public:
    explicit TFrame_fenzu(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    // Brings the description page "描述" to the front.
    void showDescriptionPage();
};
