#pragma once

#include <QString>

class QToolButton;
class QWidget;

namespace employees {

// The caption beside the field of a column, the same in the new, edit,
// detail and search windows ("性  别:").
QString captionOf(const QString &column);

// A pick list of the employee windows and the caption its editor shows.
struct EmployeeList {
    const char *column;
    const char *table;
    const char *caption;
};

inline constexpr EmployeeList kStates{"u19", "vx17", "员工状态菜单"};
inline constexpr EmployeeList kDepartments{"u5", "vx18", "员工部门菜单"};
inline constexpr EmployeeList kPositions{"u4", "vx19", "员工职务菜单"};
inline constexpr EmployeeList kLists[] = {kStates, kDepartments, kPositions};

// The small button beside a drop-down that opens the employee list editor on
// that list alone, under its caption.
QToolButton *listEditButton(QWidget *parent, const EmployeeList &list);

} // namespace employees
