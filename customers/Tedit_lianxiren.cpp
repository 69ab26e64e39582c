#include "Tedit_lianxiren.h"

#include "DbControls.h"
#include "DbNavigator.h"
#include "FormParts.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "PickListEditor.h"
#include "Shell.h"
#include "TData_in.h"
#include "WindowNames.h"

#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

Tedit_lianxiren::Tedit_lianxiren(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("edit_lianxiren"));
    setWindowTitle(QStringLiteral("修改客户"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    m_form.setupUi(this, customers::FormKind::Edit);
    connectActions();
}

void Tedit_lianxiren::bindData(TData_in &data)
{
    m_data = &data;
    data::StandingQuery *customers = &data.atc1_all();
    for (const QString &column : customers::kLineColumns)
        m_form.line(column)->bind(customers, column);
    m_form.salutation->bind(customers, QStringLiteral("a12"));
    m_form.ratingList->bind(customers, QStringLiteral("a11"));
    m_form.companyText->bind(customers, QStringLiteral("a18"));
    m_form.department->setList(&data.pickList(1));
    m_form.department->bind(customers, QStringLiteral("a13"));
    m_form.jobTitle->setList(&data.pickList(2));
    m_form.jobTitle->bind(customers, QStringLiteral("a26"));
    m_form.description->bind(customers, QStringLiteral("a17"));
    m_form.navigator->bind(customers, ui::DbNavigator::Post, {{ui::DbNavigator::Post, QStringLiteral("保存")}});
}

void Tedit_lianxiren::connectActions()
{
    connect(m_form.moreButton, &QPushButton::clicked, this, [this] { m_form.showFullForm(); });
    connect(m_form.cancelButton, &QPushButton::clicked, this, &Tedit_lianxiren::reject);
    connect(m_form.navigator, &ui::DbNavigator::clicked, this, [this](ui::DbNavigator::Button which) {
        if (which == ui::DbNavigator::Post)
            afterPost();
    });
    connect(m_form.departmentButton, &QToolButton::clicked, this, [] {
        ui::Windows::get<PickListEditor>(ui::names::Tlist_suoshu)->openOn(QStringLiteral("vx1"), QStringLiteral("部门菜单"));
    });
    connect(m_form.jobTitleButton, &QToolButton::clicked, this, [] {
        ui::Windows::get<PickListEditor>(ui::names::Tlist_suoshu)->openOn(QStringLiteral("vx2"), QStringLiteral("职务菜单"));
    });
}

void Tedit_lianxiren::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        m_form.showShortForm();
        ui::centreOnScreen(this);
    }
    QDialog::showEvent(event);
}

// The row is saved: the list shows every customer again, the newest current.
void Tedit_lianxiren::afterPost()
{
    ui::guarded(this, [this] { m_data->atc1_all().reset(); });
    accept();
    if (ui::Shell *shell = ui::Shell::instance())
        shell->showView(ui::Windows::get<QWidget>(ui::names::Frame_liebiao1));
}

// Leaving without saving drops the pending changes, so that no later move
// of the current row writes them behind the user's back.
void Tedit_lianxiren::reject()
{
    if (m_data)
        ui::guarded(this, [this] { m_data->atc1_all().cancel(); });
    QDialog::reject();
}
