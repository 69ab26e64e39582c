#pragma once

#include <QWidget>
#include <map>

class QDateEdit;
class QGridLayout;
class QGroupBox;
class QLineEdit;
class TData_in;

namespace data {
class StandingQuery;
}
namespace ui {
class DbComboBox;
class DbEdit;
class DbMemo;
class PickListCombo;
}

// The fields of an employee as the new-employee and edit-employee windows lay
// them out, in four groups: 基本信息 in two columns, 工作信息, 联系方式 and
// 备注, each field beside its caption and found by its column of utm1.
//
// The new window types into them: the required ones are marked with a red
// "*", E-mail takes no blank, and the two dates are chosen in pickers whose
// displayed text goes into a hidden date text. The edit window binds every
// field to the current employee, the dates as plain text, without marks or
// key filters.
class EmployeeForm : public QWidget {
    Q_OBJECT
public:
    enum class Kind { New, Edit };

    explicit EmployeeForm(Kind kind, QWidget *parent = nullptr);

    // Fills the three drop-downs from the employee pick lists.
    void setPickLists(TData_in &data);
    // Every field shows and writes its column of the current employee (edit window).
    void bind(data::StandingQuery *employees);
    // Both pickers on today and both date texts today's date (new window).
    void resetDates();

    // What is stored for a column: the typed text, the sex field's text, a
    // drop-down's chosen entry, a date text or the remarks.
    QString text(const QString &column) const;
    // The field of a column (a line, the sex drop-down, a list drop-down or the remarks).
    QWidget *field(const QString &column) const;
    QDateEdit *datePicker(const QString &column) const;

private:
    void createFields();
    QGroupBox *createBasicGroup();
    QGroupBox *createWorkGroup();
    QGroupBox *createContactGroup();
    QGroupBox *createRemarksGroup();
    void markRequired(QGridLayout *grid, int line, int column);

    Kind m_kind;
    std::map<QString, ui::DbEdit *> m_lines;
    std::map<QString, ui::PickListCombo *> m_lists;
    ui::DbComboBox *m_sex = nullptr;
    ui::DbMemo *m_remarks = nullptr;
    // New window: the pickers and their hidden date texts, by column.
    std::map<QString, QDateEdit *> m_pickers;
    std::map<QString, QLineEdit *> m_dateTexts;
};
