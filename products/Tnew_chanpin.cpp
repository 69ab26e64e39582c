#include "Tnew_chanpin.h"

#include "DateText.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "RequiredFields.h"
#include "ProductForm.h"
#include "WholeNumber.h"
#include "TData_in.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

Tnew_chanpin::Tnew_chanpin(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, QStringLiteral("new_chanpin"), QStringLiteral("新产品"));
    createLayout();
    connectActions();
}

void Tnew_chanpin::createLayout()
{
    m_form = new ProductForm(ProductForm::Kind::New, this);
    m_ok = new QPushButton(QStringLiteral("确 定"), this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("取 消"), this);
    m_cancel->setAutoDefault(false);
    m_form->setButtons({m_ok, m_cancel});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_form);
}

void Tnew_chanpin::connectActions()
{
    // A number field is never empty: emptied, it shows "0" again, selected,
    // so that the next digit typed takes its place.
    for (const QString &column : ProductForm::numberColumns()) {
        QLineEdit *number = m_form->line(column);
        connect(number, &QLineEdit::textChanged, number, [number](const QString &text) {
            if (!text.isEmpty())
                return;
            number->setText(QStringLiteral("0"));
            number->selectAll();
        });
    }
    connect(m_ok, &QPushButton::clicked, this, &Tnew_chanpin::Button1Click);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tnew_chanpin::bindData(TData_in &data)
{
    m_data = &data;
    m_form->setPickLists(data);
}

// Only an opening resets the window, not the window system showing it again.
void Tnew_chanpin::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        reset();
        ui::readyToOpen(this);
    }
    QDialog::showEvent(event);
}

void Tnew_chanpin::reset()
{
    const data::RecordDef &record = data::productRecord();
    m_form->setText(QStringLiteral("o8"), data::dateText(QDate::currentDate()));
    for (const char *category : {"o2", "o3", "o4"})
        m_form->list(QString::fromLatin1(category))->clearChoice();
    m_form->line(QStringLiteral("o1"))->clear();
    for (const QString &column : ProductForm::numberColumns())
        m_form->line(column)->setText(data::field(record, column).initial);
    m_form->description()->clear();
}

void Tnew_chanpin::Button1Click()
{
    const auto required = [this](const char *column) {
        const QString c = QString::fromLatin1(column);
        return ui::Required{m_form->field(c), !m_form->text(c).isEmpty()};
    };
    if (!ui::requiredFilled(this, {required("o1"), required("o11"), required("o2")}))
        return;
    if (const QString problem = m_form->numberProblem(); !problem.isEmpty()) {
        ui::MessageBox::warning(this, problem);
        return;
    }
    const data::RecordDef &record = data::productRecord();
    const data::Params params = data::insertParameters(record, [this](const QString &column) {
        const QString text = m_form->text(column);
        return ProductForm::numberColumns().contains(column) ? data::storedNumber(text) : text;
    });
    const QString insert = data::insertStatement(record);
    if (ui::writeThenRefresh(this, [&] { m_data->Con_data().execute(insert, params); },
                             [this] { m_data->vtv4_all().reopen(); }))
        accept();
}
