#include "Tedit_worker.h"

#include "DbNavigator.h"
#include "EmployeeForm.h"
#include "FormParts.h"
#include "MessageBox.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WindowNames.h"

#include <QPushButton>
#include <QShowEvent>

Tedit_worker::Tedit_worker(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, ui::names::Tedit_worker, QStringLiteral("编辑员工资料"));
    m_form = new EmployeeForm(EmployeeForm::Kind::Edit, this);
    DBNavigator1 = new ui::DbNavigator(this);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    Button2 = new QPushButton(QStringLiteral("取 消"), this);
    // Enter in a field must not throw the typing away.
    Button2->setAutoDefault(false);
    ui::layOutWindow(this, ui::titleStrip(QStringLiteral("  编辑员工资料"), this), {m_form}, {DBNavigator1, Button2});
    connect(Button2, &QPushButton::clicked, this, &Tedit_worker::reject);
    connect(DBNavigator1, &ui::DbNavigator::clicked, this, [this](ui::DbNavigator::Button which) {
        if (which == ui::DbNavigator::Post)
            accept();
    });
}

void Tedit_worker::bindData(TData_in &data)
{
    m_data = &data;
    data::StandingQuery *employees = &data.utm1_all();
    m_form->setPickLists(data);
    m_form->bind(employees);
    DBNavigator1->bind(employees, ui::DbNavigator::Post, {{ui::DbNavigator::Post, QStringLiteral("保存")}});
}

void Tedit_worker::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        ui::readyToOpen(this);
    QDialog::showEvent(event);
}

// What was typed and not posted is dropped here, so that it can never be
// written later, when the list moves to another employee.
void Tedit_worker::reject()
{
    if (m_data)
        ui::guarded(this, [this] { m_data->utm1_all().cancel(); });
    QDialog::reject();
}
