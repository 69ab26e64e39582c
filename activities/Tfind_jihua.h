#pragma once

#include "SearchWindow.h"

#include <array>

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class GoalChoices;

// The activity search: narrows vtv1_all to the activities of one type that
// match the other conditions, newest first, so that the activity list shows
// them. Without a type it does nothing. Cleared every time it is shown.
class Tfind_jihua : public ui::SearchWindow {
    Q_OBJECT
public:
    explicit Tfind_jihua(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

private:
    QGroupBox *createSearchGroup();
    void connectActions();
    void resetMore() override;
    void search() override;

    // A type button: its goal drop-down is shown, and its type text and code kept.
    void typeClick(int type);
    void DateP1Change();

    TData_in *m_data = nullptr;

    QButtonGroup *m_types = nullptr;
    std::array<QRadioButton *, 3> m_typeButtons{}; // 沟通, 拜访, 计划
    QLineEdit *Edit1 = nullptr;      // 客户名(中文)
    QLineEdit *Edit2 = nullptr;      // 客户名(英文)
    QDateEdit *DateP1 = nullptr;     // 日 期
    QComboBox *ComboBox1 = nullptr;  // 优 先 级
    QComboBox *ComboBox2 = nullptr;  // 持续时间
    GoalChoices *m_goals = nullptr; // 目 标 of each type
    QLabel *m_goalCaption = nullptr;

    // Kept beside the controls: what the type buttons and the picker set.
    QLineEdit *m_typeText = nullptr;
    QLineEdit *m_typeCode = nullptr;
    QLineEdit *m_dateText = nullptr; // empty until the picker is changed: no condition
};
