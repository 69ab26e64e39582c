#include "Tnew_gongsi.h"

#include "CompanyForm.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "MessageBox.h"
#include "RequiredFields.h"
#include "TData_in.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// After a new company the standing memo query lists the memos of all companies.
const QString kCompanyMemos = QStringLiteral("select * from vtv3 where j5 like '2' order by jid desc");

const char *const kRatings[] = {"一", "二", "三", "四", "五"};

} // namespace

Tnew_gongsi::Tnew_gongsi(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, QStringLiteral("new_gongsi"), QStringLiteral("新建公司信息"));
    createLayout();
    connectActions();
    reset();
}

void Tnew_gongsi::createLayout()
{
    m_form = new CompanyForm(CompanyForm::Kind::New, this);

    Edit12 = ui::textBox(this, QStringLiteral("Edit12"), ui::kNoLimit);
    Edit12->hide();

    auto *ratingBox = new QGroupBox(QStringLiteral("评级"), this);
    auto *ratingLayout = new QHBoxLayout(ratingBox);
    m_rating = new QButtonGroup(this);
    for (int i = 0; i < 5; ++i) {
        auto *radio = new QRadioButton(QString::fromUtf8(kRatings[i]), ratingBox);
        ratingLayout->addWidget(radio);
        m_rating->addButton(radio, i + 1);
    }

    m_ok = new QPushButton(QStringLiteral("确定"), this);
    m_ok->setDefault(true);
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setAutoDefault(false);
    m_form->setBottomRow(ratingBox, {m_ok, m_cancel});

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_form);
}

void Tnew_gongsi::connectActions()
{
    // A button writes its digit only when it becomes the chosen one.
    connect(m_rating, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            Edit12->setText(QString::number(id));
    });
    connect(m_ok, &QPushButton::clicked, this, &Tnew_gongsi::Button1Click);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void Tnew_gongsi::bindData(TData_in &data)
{
    m_data = &data;
    m_form->setPickLists(data);
}

void Tnew_gongsi::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        reset();
        ui::centreOnScreen(this);
    }
    QDialog::showEvent(event);
}

void Tnew_gongsi::reset()
{
    m_form->reset();
    Edit12->setText(QStringLiteral("1"));
    m_rating->button(1)->setChecked(true);
}

void Tnew_gongsi::Button1Click()
{
    const auto required = [this](const char *column) {
        const QString c = QString::fromLatin1(column);
        return ui::Required{m_form->line(c), !m_form->text(c).isEmpty()};
    };
    if (!ui::requiredFilled(this, {required("c1"), required("c11")}))
        return;
    // Every column goes in under its parameter; the rating c17 comes from the radio buttons.
    const data::RecordDef &record = data::companyRecord();
    const data::Params params = data::insertParameters(
        record, [this](const QString &column) { return column == u"c17" ? Edit12->text() : m_form->text(column); });
    const QString insert = data::insertStatement(record);
    // A written company closes the window whatever the reload does.
    const auto reload = [this] {
        m_data->atc2_all().reset();
        m_data->vtv3_all().filter(kCompanyMemos);
    };
    if (ui::writeThenRefresh(this, [&] { m_data->Con_data().execute(insert, params); }, reload))
        accept();
}
