#include "Tedit_gongsi.h"

#include "CompanyForm.h"
#include "DbControls.h"
#include "DbNavigator.h"
#include "FieldLink.h"
#include "ListCombos.h"
#include "TData_in.h"
#include "TextLimit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

Tedit_gongsi::Tedit_gongsi(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("edit_gongsi"));
    setWindowTitle(QStringLiteral("修改公司信息"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    createLayout();
    connectActions();
}

void Tedit_gongsi::createLayout()
{
    m_form = new CompanyForm(this);
    m_form->setRequiredMarksVisible(false);
    // The name is copied into customers when they are saved: it never changes.
    m_form->Edit1->setReadOnly(true);
    QPalette fixed = m_form->Edit1->palette();
    fixed.setColor(QPalette::Base, fixed.color(QPalette::Window));
    m_form->Edit1->setPalette(fixed);
    ui::limitText(m_form->Edit2, 150);
    ui::limitText(m_form->RichEdit1, 200);

    auto *rating = new QWidget(this);
    auto *ratingLayout = new QHBoxLayout(rating);
    ratingLayout->setContentsMargins(0, 0, 0, 0);
    m_ratingBox = new ui::DbComboBox(rating);
    m_ratingBox->setObjectName(QStringLiteral("DBComboBox1"));
    m_ratingBox->addItems({"1", "2", "3", "4", "5"});
    m_ratingBox->setFixedWidth(60);
    auto *ratingCaption = new QLabel(QStringLiteral("评    级:"), rating);
    ratingCaption->setBuddy(m_ratingBox);
    ratingLayout->addWidget(ratingCaption);
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

    QLineEdit *name = m_form->Edit1;
    new ui::FieldLink(name, company, QStringLiteral("c1"), [name](const QString &value, bool) { name->setText(value); });
    const std::pair<ui::DbEdit *, const char *> fields[] = {
        {m_form->Edit2, "c2"},  {m_form->Edit5, "c3"},   {m_form->Edit3, "c4"},  {m_form->Edit4, "c5"},
        {m_form->Edit6, "c6"},  {m_form->Edit7, "c14"},  {m_form->Edit10, "c11"}, {m_form->Edit8, "c15"},
        {m_form->Edit11, "c12"}, {m_form->Edit13, "c16"}, {m_form->Edit9, "c8"},
    };
    for (const auto &[edit, column] : fields)
        edit->bind(company, QString::fromLatin1(column));
    m_form->DBBox2->bind(company, QStringLiteral("c9"));
    m_form->DBBox3->bind(company, QStringLiteral("c10"));
    m_form->DBBox1->bind(company, QStringLiteral("c7"));
    m_form->RichEdit1->bind(company, QStringLiteral("c13"));
    m_ratingBox->bind(company, QStringLiteral("c17"));

    m_navigator->bind(company, ui::DbNavigator::Post, {{ui::DbNavigator::Post, QStringLiteral("保存")}});
}

void Tedit_gongsi::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        centreOnScreen(this);
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
