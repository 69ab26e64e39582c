#include "Tedit_chanpin.h"

#include "DbNavigator.h"
#include "FormParts.h"
#include "MessageBox.h"
#include "ProductForm.h"
#include "TData_in.h"

#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

Tedit_chanpin::Tedit_chanpin(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, QStringLiteral("edit_chanpin"), QStringLiteral("修改产品信息"));
    createLayout();
    connectActions();
}

void Tedit_chanpin::createLayout()
{
    m_form = new ProductForm(ProductForm::Kind::Edit, this);
    m_navigator = new ui::DbNavigator(this);
    m_cancel = new QPushButton(QStringLiteral("取 消"), this);
    // Enter in a field must not throw the typing away.
    m_cancel->setAutoDefault(false);
    m_form->setButtons({m_navigator, m_cancel});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_form);
}

void Tedit_chanpin::connectActions()
{
    connect(m_cancel, &QPushButton::clicked, this, &Tedit_chanpin::reject);
    m_navigator->setPostCheck([this] { return numbersFit(); });
    connect(m_navigator, &ui::DbNavigator::clicked, this, [this](ui::DbNavigator::Button which) {
        if (which == ui::DbNavigator::Post)
            accept();
    });
}

void Tedit_chanpin::bindData(TData_in &data)
{
    m_data = &data;
    data::StandingQuery *products = &data.vtv4_all();
    m_form->setPickLists(data);
    m_form->bind(products);
    m_navigator->bind(products, ui::DbNavigator::Post, {{ui::DbNavigator::Post, QStringLiteral("保存")}});
}

void Tedit_chanpin::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        ui::readyToOpen(this);
    QDialog::showEvent(event);
}

// Stock and prices are stored as whole numbers: other text is not posted.
bool Tedit_chanpin::numbersFit()
{
    const QString problem = m_form->numberProblem();
    if (!problem.isEmpty())
        ui::MessageBox::warning(this, problem);
    return problem.isEmpty();
}

// What was typed and not posted is dropped here, so that it can never be
// written later, when the product list moves to another product.
void Tedit_chanpin::reject()
{
    if (m_data)
        ui::guarded(this, [this] { m_data->vtv4_all().cancel(); });
    QDialog::reject();
}
