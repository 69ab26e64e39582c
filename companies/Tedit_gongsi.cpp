#include "Tedit_gongsi.h"

#include "CompanyForm.h"
#include "DbControls.h"
#include "DbNavigator.h"
#include "FormParts.h"
#include "TData_in.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

Tedit_gongsi::Tedit_gongsi(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, QStringLiteral("edit_gongsi"), QStringLiteral("修改公司信息"));
    createLayout();
    connectActions();
}

void Tedit_gongsi::createLayout()
{
    m_form = new CompanyForm(CompanyForm::Kind::Edit, this);

    auto *rating = new QWidget(this);
    auto *ratingLayout = new QHBoxLayout(rating);
    ratingLayout->setContentsMargins(0, 0, 0, 0);
    m_ratingBox = new ui::DbComboBox(rating);
    m_ratingBox->setObjectName(QStringLiteral("DBComboBox1"));
    m_ratingBox->addItems({"1", "2", "3", "4", "5"});
    m_ratingBox->setFixedWidth(60);
    ratingLayout->addWidget(ui::caption(QStringLiteral("评    级:"), m_ratingBox, rating));
    ratingLayout->addWidget(m_ratingBox);

    m_navigator = new ui::DbNavigator(this);
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    // Enter in a field must not throw the typing away.
    m_cancel->setAutoDefault(false);
    m_form->setBottomRow(rating, {m_navigator, m_cancel});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_form);
}

void Tedit_gongsi::connectActions()
{
    connect(m_cancel, &QPushButton::clicked, this, &Tedit_gongsi::reject);
    connect(m_navigator, &ui::DbNavigator::clicked, this, [this](ui::DbNavigator::Button which) {
        if (which == ui::DbNavigator::Post)
            accept();
    });
}

void Tedit_gongsi::bindData(TData_in &data)
{
    m_data = &data;
    data::StandingQuery *company = &data.atc2_all();
    m_form->setPickLists(data);
    m_form->bind(company);
    m_ratingBox->bind(company, QStringLiteral("c17"));
    m_navigator->bind(company, ui::DbNavigator::Post, {{ui::DbNavigator::Post, QStringLiteral("保存")}});
}

void Tedit_gongsi::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        ui::centreOnScreen(this);
    QDialog::showEvent(event);
}

// What was typed and not posted is dropped here, so that it can never be
// written later, when the company view moves to another company.
void Tedit_gongsi::reject()
{
    if (m_data)
        m_data->atc2_all().cancel();
    QDialog::reject();
}
