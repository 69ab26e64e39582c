#include "Tnew_user.h"

#include "EmployeeForm.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "MessageBox.h"
#include "RequiredFields.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WindowNames.h"

#include <QPushButton>
#include <QShowEvent>

Tnew_user::Tnew_user(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, ui::names::Tnew_user, QStringLiteral("创建新员工"));
    m_form = new EmployeeForm(EmployeeForm::Kind::New, this);
    Button1 = new QPushButton(QStringLiteral("确 定"), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("取 消"), this);
    Button2->setAutoDefault(false);
    ui::layOutWindow(this, ui::titleStrip(QStringLiteral("  创建新员工"), this), {m_form}, {Button1, Button2});
    connect(Button1, &QPushButton::clicked, this, &Tnew_user::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void Tnew_user::bindData(TData_in &data)
{
    m_data = &data;
    m_form->setPickLists(data);
}

// Each time the window is opened (not when the window system shows it again):
// the dates back on today, everything else as it was left.
void Tnew_user::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    m_form->resetDates();
    ui::readyToOpen(this);
}

// The marked fields, in screen order.
bool Tnew_user::requiredFilled()
{
    QList<ui::Required> fields;
    for (const char *column : {"u1", "u20", "u8", "u19"}) {
        const QString c = QString::fromLatin1(column);
        fields.append({m_form->field(c), !m_form->text(c).isEmpty()});
    }
    return ui::requiredFilled(this, fields);
}

void Tnew_user::Button1Click()
{
    if (!requiredFilled())
        return;
    const data::RecordDef &employee = data::employeeRecord();
    const auto write = [&] {
        m_data->Con_data().execute(data::insertStatement(employee),
                                   data::insertParameters(employee, [this](const QString &column) {
                                       return m_form->text(column);
                                   }));
    };
    if (!ui::writeThenRefresh(this, write, [&] { m_data->utm1_all().reopen(); }))
        return; // not written: the error was shown and the window stays open
    accept();
}
