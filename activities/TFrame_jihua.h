#pragma once

#include "ListView.h"

class QComboBox;

// The activity list: every customer's activities in vtv1_all, latest
// scheduled first, filtered by type; the place to end, delete, search and
// print them. Activities are made for a customer, in the customer views.
class TFrame_jihua : public ui::ListView {
    Q_OBJECT
public:
    explicit TFrame_jihua(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    QComboBox *typeFilter() const { return ComboBox1; }

private:
    void endClick();
    void refreshClick();
    void searchClick();
    void reportClick();
    void ComboBox1Change(const QString &text);

    TData_in *m_data = nullptr;
    QComboBox *ComboBox1 = nullptr; // the type filter
};
