#pragma once

#include <QWidget>
#include <array>

class TData_in;

namespace ui {
class PickListCombo;
}

// The goal of an activity: one drop-down per activity type over that type's
// goal list (沟通 vx3, 拜访 vx4, 计划 vx5), all in one place, of which the
// one of the chosen type is on show. Each keeps its own choice.
class GoalChoices : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTypes = 3;

    explicit GoalChoices(QWidget *parent = nullptr, int width = 220);
    void bindData(TData_in &data);

    // Shows the drop-down of a type (0 沟通, 1 拜访, 2 计划), or none (-1).
    void showType(int type);
    int type() const { return m_type; }
    ui::PickListCombo *of(int type) const { return m_goals[size_t(type)]; }
    // The drop-down of the type on show, else the first.
    ui::PickListCombo *current() const { return m_goals[size_t(m_type < 0 ? 0 : m_type)]; }
    // The goal list (its table) of a type.
    static QString listOf(int type);

private:
    std::array<ui::PickListCombo *, kTypes> m_goals{};
    int m_type = -1;
};
