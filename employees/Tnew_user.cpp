#include "Tnew_user.h"

#include "EmployeeForm.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "MessageBox.h"
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
    m_form->field(QStringLiteral("u1"))->setFocus();
    ui::centreOnScreen(this);
}

// The marked fields, in screen order.
bool Tnew_user::requiredFilled() const
{
    for (const char *column : {"u1", "u20", "u8", "u19"}) {
        if (m_form->text(QString::fromLatin1(column)).isEmpty())
            return false;
    }
    return true;
}

void Tnew_user::Button1Click()
{
    if (!requiredFilled()) {
        ui::MessageBox::warning(this, QStringLiteral("请将标有*号项填写完整"));
        return;
    }
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
