#include "Tfind_chanpin.h"

#include "FieldTable.h"
#include "FormParts.h"
#include "ListCombos.h"
#include "ProductForm.h"
#include "SearchText.h"
#include "StandingQuery.h"
#include "TData_in.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QSignalBlocker>

Tfind_chanpin::Tfind_chanpin(QWidget *parent)
    : SearchWindow(parent, QStringLiteral("find_chanpin"), QStringLiteral("搜索产品"))
{
    m_form = new ProductForm(ProductForm::Kind::Search, this);
    m_dateText = ui::textBox(this, QStringLiteral("dateText"), ui::kNoLimit);
    m_dateText->hide();
    // The name first: the cursor starts there.
    fields().add(QStringLiteral("o1"), m_form->field(QStringLiteral("o1")));
    fields().add(QStringLiteral("o8"), m_dateText);
    for (const char *column : {"o11", "o2", "o3", "o4", "o10", "o5", "o6", "o7"})
        fields().add(QString::fromLatin1(column), m_form->field(QString::fromLatin1(column)));
    layOut({m_form});
    connect(m_form->datePicker(), &QDateEdit::dateChanged, this, &Tfind_chanpin::DateP1Change);
}

void Tfind_chanpin::bindData(TData_in &data)
{
    m_data = &data;
    m_form->setPickLists(data);
}

// Only a date the user chose is a condition.
void Tfind_chanpin::DateP1Change()
{
    m_dateText->setText(m_form->datePicker()->text());
}

void Tfind_chanpin::resetMore()
{
    const QSignalBlocker quiet(m_form->datePicker());
    m_form->datePicker()->setDate(QDate::currentDate());
}

void Tfind_chanpin::search()
{
    data::StandingQuery &products = m_data->vtv4_all();
    const QString statement = data::productSearch(fields().texts(data::productRecord()));
    showFound(products, [&] {
        products.close();
        products.filter(statement);
    });
}
