#include "TFrame_lianxiren.h"

TFrame_lianxiren::TFrame_lianxiren(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame_lianxiren1"));
    setAccessibleName(QStringLiteral("客户详细信息"));
}

void TFrame_lianxiren::bindData(TData_in &data)
{
    Q_UNUSED(data);
}

void TFrame_lianxiren::showTab(Tab tab)
{
    Q_UNUSED(tab);
}

TFrame_lianxiren::Tab TFrame_lianxiren::currentTab() const
{
    return Tab::Company;
}

void TFrame_lianxiren::mirrorHeader(const data::StandingQuery &customers)
{
    Q_UNUSED(customers);
}

void TFrame_lianxiren::showRating(const QString &a11)
{
    Q_UNUSED(a11);
}

QString TFrame_lianxiren::companyKey() const
{
    return {};
}

void TFrame_lianxiren::setShownCustomer(const QString &aid)
{
    Q_UNUSED(aid);
}

QString TFrame_lianxiren::shownCustomer() const
{
    return {};
}
