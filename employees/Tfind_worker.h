#pragma once

#include "SearchWindow.h"

#include <map>

class QDateEdit;
class QGroupBox;
class QLineEdit;

// The employee search: twenty conditions in the groups of the employee form,
// each a substring of its column; a date counts only once its picker was
// changed since the window was opened. The pickers keep the date they showed
// last. The found employees replace the rows of utm1_all.
class Tfind_worker : public ui::SearchWindow {
    Q_OBJECT
public:
    explicit Tfind_worker(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    QDateEdit *datePicker(const QString &column) const { return m_pickers.at(column); }

private:
    QGroupBox *createBasicGroup();
    QGroupBox *createWorkGroup();
    QGroupBox *createContactGroup();
    QLineEdit *line(QWidget *parent, const QString &column, int width = 130);
    void search() override;

    TData_in *m_data = nullptr;
    std::map<QString, QDateEdit *> m_pickers;
};
