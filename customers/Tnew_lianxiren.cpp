#include "Tnew_lianxiren.h"

#include "DbControls.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "HandOver.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "PickListEditor.h"
#include "RequiredFields.h"
#include "TData_in.h"
#include "TextLimit.h"
#include "WindowNames.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>

Tnew_lianxiren::Tnew_lianxiren(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("new_lianxiren"));
    setWindowTitle(QStringLiteral("新建客户"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setModal(true);
    m_form.setupUi(this, customers::FormKind::New);
    createHiddenFields();
    connectActions();
}

void Tnew_lianxiren::createHiddenFields()
{
    m_rating = new QLineEdit(this);
    m_rating->setObjectName(QStringLiteral("rating"));
    ui::limitText(m_rating, ui::kNoLimit);
    m_rating->hide();
    m_companyKey = new ui::DbEdit(this);
    m_companyKey->setObjectName(QStringLiteral("companyKey"));
    m_companyKey->hide();
}

void Tnew_lianxiren::bindData(TData_in &data)
{
    m_data = &data;
    m_form.companyList->setQuery(&data.atc2_all(), QStringLiteral("c1"));
    m_companyKey->bind(&data.atc2_all(), QStringLiteral("cid"));
    m_form.department->setList(&data.pickList(1));
    m_form.jobTitle->setList(&data.pickList(2));
}

void Tnew_lianxiren::connectActions()
{
    connect(m_form.ratingButtons, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            m_rating->setText(QString::number(id));
    });
    connect(m_form.moreButton, &QPushButton::clicked, this, [this] { m_form.showFullForm(); });
    connect(m_form.okButton, &QPushButton::clicked, this, &Tnew_lianxiren::Button1Click);
    connect(m_form.cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_form.newCompanyButton, &QToolButton::clicked, this, [] { ui::openWindow(ui::names::Tnew_gongsi); });
    connect(m_form.departmentButton, &QToolButton::clicked, this, [] {
        ui::Windows::get<PickListEditor>(ui::names::Tlist_suoshu)->openOn(QStringLiteral("vx1"), QStringLiteral("部门菜单"));
    });
    connect(m_form.jobTitleButton, &QToolButton::clicked, this, [] {
        ui::Windows::get<PickListEditor>(ui::names::Tlist_suoshu)->openOn(QStringLiteral("vx2"), QStringLiteral("职务菜单"));
    });
}

void Tnew_lianxiren::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        reset();
        ui::centreOnScreen(this);
    }
    QDialog::showEvent(event);
}

void Tnew_lianxiren::reset()
{
    m_form.showShortForm();
    const data::RecordDef &record = data::customerRecord();
    m_rating->setText(data::field(record, QStringLiteral("a11")).initial);
    m_form.ratingButtons->button(1)->setChecked(true);
    m_form.companyList->clearChoice();
    m_form.department->clearChoice();
    m_form.jobTitle->clearChoice();
    m_form.salutation->setCurrentIndex(0);
    m_form.salutation->setEditText(data::field(record, QStringLiteral("a12")).initial);
    for (const QString &column : customers::kLineColumns)
        m_form.line(column)->setText(data::field(record, column).initial);
    m_form.description->clear();
    m_form.line(QStringLiteral("a1"))->setFocus();
}

QString Tnew_lianxiren::rating() const
{
    return m_rating->text();
}

QString Tnew_lianxiren::companyKey() const
{
    return m_companyKey->text();
}

bool Tnew_lianxiren::requiredFilled()
{
    QLineEdit *name = m_form.line(QStringLiteral("a1"));
    QLineEdit *phone = m_form.line(QStringLiteral("a3"));
    return ui::requiredFilled(this, {{name, !name->text().isEmpty()},
                                     {phone, !phone->text().isEmpty()},
                                     {m_form.companyList, !m_form.companyList->text().isEmpty()}});
}

// The text the insert writes into one column.
QString Tnew_lianxiren::columnText(const QString &column) const
{
    if (column == u"a11")
        return rating();
    if (column == u"a12")
        return m_form.salutation->currentText();
    if (column == u"a13")
        return m_form.department->text();
    if (column == u"a14")
        return companyKey();
    if (column == u"a17")
        return m_form.description->toPlainText();
    if (column == u"a18")
        return m_form.companyList->text();
    if (column == u"a26")
        return m_form.jobTitle->text();
    return m_form.line(column)->text();
}

void Tnew_lianxiren::Button1Click()
{
    if (!requiredFilled())
        return;
    const data::RecordDef &record = data::customerRecord();
    const data::Params params = data::insertParameters(record, [this](const QString &column) { return columnText(column); });
    const QString insert = data::insertStatement(record);
    // A written customer closes the window even when the list cannot be read
    // again, so that a second 确定 never writes it twice.
    if (ui::writeThenRefresh(
            this, [&] { m_data->Con_data().execute(insert, params); }, [&] { m_data->atc1_all().reopen(); }))
        accept();
}
