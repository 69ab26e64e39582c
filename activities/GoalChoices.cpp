#include "GoalChoices.h"

#include "ListCombos.h"
#include "TData_in.h"

#include <QGridLayout>

namespace {

constexpr int kFirstList = 3; // vx3, vx4, vx5 in the order of the types

} // namespace

GoalChoices::GoalChoices(QWidget *parent, int width) : QWidget(parent)
{
    auto *stack = new QGridLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    for (size_t type = 0; type < m_goals.size(); ++type) {
        m_goals[type] = new ui::PickListCombo(this);
        m_goals[type]->setObjectName(QStringLiteral("DBBox%1").arg(type + 1));
        m_goals[type]->setFixedWidth(width);
        m_goals[type]->setMaxVisibleItems(12);
        m_goals[type]->hide();
        stack->addWidget(m_goals[type], 0, 0);
    }
    setFixedSize(width, m_goals[0]->sizeHint().height());
}

void GoalChoices::bindData(TData_in &data)
{
    for (size_t type = 0; type < m_goals.size(); ++type)
        m_goals[type]->setList(&data.pickList(kFirstList + int(type)));
}

void GoalChoices::showType(int type)
{
    m_type = type;
    for (size_t other = 0; other < m_goals.size(); ++other)
        m_goals[other]->setVisible(int(other) == type);
}

QString GoalChoices::listOf(int type)
{
    return QStringLiteral("vx%1").arg(kFirstList + type);
}
