#include "Tfind_worker.h"

#include "EmployeeCaptions.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "ListCombos.h"
#include "SearchText.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WindowNames.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

namespace {

ui::FormGridLook gridLook()
{
    return {.captions = Qt::AlignRight | Qt::AlignVCenter, .fields = Qt::AlignLeft};
}

} // namespace

Tfind_worker::Tfind_worker(QWidget *parent) : SearchWindow(parent, ui::names::Tfind_worker, QStringLiteral("搜索员工"))
{
    layOut({createBasicGroup(), createWorkGroup(), createContactGroup()});
}

QLineEdit *Tfind_worker::line(QWidget *parent, const QString &column, int width)
{
    return fields().add(column, ui::textBox(parent, column, ui::kNoLimit, width));
}

QGroupBox *Tfind_worker::createBasicGroup()
{
    auto *group = ui::groupBox(QStringLiteral("基本信息"), this);
    // The Chinese name first: the cursor starts there.
    QLineEdit *name = line(group, "u1");
    QComboBox *sex = fields().add(QStringLiteral("u20"),
                                  ui::choiceBox(group, QStringLiteral("u20"), {QStringLiteral("男"), QStringLiteral("女")}));
    sex->setFixedWidth(130);
    auto *grid = new QGridLayout(group);
    ui::FormGrid rows(group, grid, gridLook());
    const char *right[] = {"u9", "u10", "u11", "u12", "u7"};
    QWidget *left[] = {name, line(group, "u2"), sex, line(group, "u6"), line(group, "u8")};
    const char *leftColumns[] = {"u1", "u2", "u20", "u6", "u8"};
    for (int i = 0; i < 5; ++i) {
        rows.add(employees::captionOf(QString::fromLatin1(leftColumns[i])), left[i]);
        rows.add(employees::captionOf(QString::fromLatin1(right[i])), line(group, QString::fromLatin1(right[i])));
        rows.nextLine();
    }
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox *Tfind_worker::createWorkGroup()
{
    auto *group = ui::groupBox(QStringLiteral("工作信息"), this);
    auto *grid = new QGridLayout(group);
    ui::FormGrid rows(group, grid, gridLook());
    QWidget *lists[3];
    int i = 0;
    for (const employees::EmployeeList &list : employees::kLists) {
        auto *combo = new ui::PickListCombo(group);
        combo->setObjectName(QString::fromLatin1(list.table));
        combo->setFixedWidth(130);
        lists[i++] = fields().add(QString::fromLatin1(list.column), combo);
    }
    QWidget *dates[2];
    i = 0;
    for (const char *column : {"u17", "u18"}) {
        const QString c = QString::fromLatin1(column);
        auto *picker = new QDateEdit(QDate::currentDate(), group);
        picker->setObjectName(c + QStringLiteral("Picker"));
        picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        picker->setCalendarPopup(true);
        picker->setFixedWidth(130);
        QLineEdit *dateText = fields().add(c, ui::textBox(group, c, ui::kNoLimit));
        dateText->hide();
        // Only a date the user chose is a condition.
        connect(picker, &QDateEdit::dateChanged, dateText, [picker, dateText] {
            dateText->setText(picker->text().left(19));
        });
        m_pickers[c] = picker;
        dates[i++] = picker;
    }
    rows.add(employees::captionOf("u19"), lists[0]);
    rows.add(employees::captionOf("u17"), dates[0]);
    rows.nextLine();
    rows.add(employees::captionOf("u5"), lists[1]);
    rows.add(employees::captionOf("u18"), dates[1]);
    rows.nextLine();
    rows.add(employees::captionOf("u4"), lists[2]);
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox *Tfind_worker::createContactGroup()
{
    auto *group = ui::groupBox(QStringLiteral("联系方式"), this);
    auto *grid = new QGridLayout(group);
    ui::FormGrid rows(group, grid, gridLook());
    rows.add(employees::captionOf("u13"), line(group, "u13"));
    rows.add(employees::captionOf("u14"), line(group, "u14"));
    rows.nextLine();
    rows.add(employees::captionOf("u15"), line(group, "u15"));
    rows.add(employees::captionOf("u16"), line(group, "u16"));
    rows.nextLine();
    rows.add(employees::captionOf("u22"), line(group, "u22", 130));
    grid->setColumnStretch(3, 1);
    return group;
}

void Tfind_worker::bindData(TData_in &data)
{
    m_data = &data;
    for (const employees::EmployeeList &list : employees::kLists) {
        auto *combo = findChild<ui::PickListCombo *>(QString::fromLatin1(list.table));
        combo->setList(&data.query(QString::fromLatin1(list.table)));
    }
}

void Tfind_worker::search()
{
    data::StandingQuery &employees = m_data->utm1_all();
    const QString statement = data::employeeSearch(fields().texts(data::employeeRecord()));
    showFound(employees, [&] {
        employees.close();
        employees.filter(statement);
    });
}
