#include "Tfind_gongsi.h"

#include "FormParts.h"
#include "KeyFilter.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "SearchText.h"
#include "TData_in.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using Mode = ui::KeyFilter::Mode;

const char *const kPhoneHint = "区号   电话号码   分机号";

ui::PickListCombo *pickList(const char *name, QWidget *parent)
{
    auto *combo = new ui::PickListCombo(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setFixedWidth(170);
    combo->setMaxVisibleItems(12);
    return combo;
}

} // namespace

Tfind_gongsi::Tfind_gongsi(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, QStringLiteral("find_gongsi"), QStringLiteral("搜索公司"));
    createLayout();
    connectActions();
}

QWidget *Tfind_gongsi::createStrip()
{
    return ui::titleStrip(QStringLiteral("  搜索公司"), this);
}

// The fields are named, limited and filtered like their counterparts in the
// new-company window.
QGroupBox *Tfind_gongsi::createSearchGroup()
{
    auto *box = new QGroupBox(QStringLiteral("自定义条件搜索"), this);
    Edit1 = ui::textBox(box, QStringLiteral("Edit1"), 150, 420, Mode::NoSpace);
    Edit5 = ui::textBox(box, QStringLiteral("Edit5"), 8, 150, Mode::NoSpace);
    Edit2 = ui::textBox(box, QStringLiteral("Edit2"), 150, 170, Mode::LowerWeb, QStringLiteral("-"));
    Edit3 = ui::textBox(box, QStringLiteral("Edit3"), 190, 420, Mode::NoSpace);
    Edit4 = ui::textBox(box, QStringLiteral("Edit4"), 10, 150, Mode::Digits);
    Edit6 = ui::textBox(box, QStringLiteral("Edit6"), 75, 170, Mode::LowerWeb, QStringLiteral("."));
    Edit7 = ui::textBox(box, QStringLiteral("Edit7"), 5, 50, Mode::Digits);
    Edit10 = ui::textBox(box, QStringLiteral("Edit10"), 15, 120, Mode::Digits);
    Edit8 = ui::textBox(box, QStringLiteral("Edit8"), 5, 50, Mode::Digits);
    Edit11 = ui::textBox(box, QStringLiteral("Edit11"), 15, 120, Mode::Digits);
    Edit13 = ui::textBox(box, QStringLiteral("Edit13"), 8, 70, Mode::Digits);
    Edit9 = ui::textBox(box, QStringLiteral("Edit9"), ui::kNoLimit, 150, Mode::NoSpace);
    DBBox2 = pickList("DBBox2", box);
    DBBox3 = pickList("DBBox3", box);
    DBBox1 = pickList("DBBox1", box);

    const QString switchboard = QStringLiteral("总    机:"), fax = QStringLiteral("传    真:");
    Edit10->setAccessibleName(switchboard + QStringLiteral(" 电话号码"));
    Edit11->setAccessibleName(fax + QStringLiteral(" 电话号码"));
    Edit13->setAccessibleName(fax + QStringLiteral(" 分机号"));
    auto *hint = new QLabel(QString::fromUtf8(kPhoneHint), box);
    hint->setStyleSheet(QStringLiteral("color: gray;"));

    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(6);
    ui::FormGrid rows(box, grid, {.fields = Qt::AlignLeft});
    const ui::PhoneLook phone{.dash = QStringLiteral("-"), .extension = QStringLiteral("转"), .spacing = 4};
    rows.add(QStringLiteral("公司名称:"), Edit1, 3);
    rows.nextLine();
    rows.add(QStringLiteral("简称:"), Edit5);
    rows.add(QStringLiteral("英文名称:"), Edit2);
    rows.nextLine();
    rows.add(QStringLiteral("地    址:"), Edit3, 3);
    rows.nextLine();
    rows.add(QStringLiteral("邮编:"), Edit4);
    rows.add(QStringLiteral("网    站:"), Edit6);
    rows.nextLine();
    rows.skip();
    rows.addSpanning(hint, 3);
    rows.nextLine();
    rows.add(switchboard, Edit7, ui::phoneRow(Edit7, Edit10, nullptr, phone), 3);
    rows.nextLine();
    rows.add(fax, Edit8, ui::phoneRow(Edit8, Edit11, Edit13, phone), 3);
    rows.nextLine();
    rows.add(QStringLiteral("所属行业:"), DBBox2);
    rows.add(QStringLiteral("销售规模:"), DBBox3);
    rows.nextLine();
    rows.add(QStringLiteral("产    品:"), Edit9);
    rows.add(QStringLiteral("关    系:"), DBBox1);
    return box;
}

void Tfind_gongsi::createLayout()
{
    QWidget *strip = createStrip();
    QGroupBox *search = createSearchGroup();
    BitBtn1 = ui::searchButton(this);
    ui::layOutWindow(this, strip, {search}, {BitBtn1});
}

void Tfind_gongsi::connectActions()
{
    connect(BitBtn1, &QPushButton::clicked, this, &Tfind_gongsi::BitBtn1Click);
}

void Tfind_gongsi::bindData(TData_in &data)
{
    m_data = &data;
    DBBox2->setList(&data.pickList(6));
    DBBox3->setList(&data.pickList(7));
    DBBox1->setList(&data.pickList(8));
}

void Tfind_gongsi::reset()
{
    for (QLineEdit *edit : {Edit1, Edit5, Edit2, Edit3, Edit4, Edit6, Edit7, Edit10, Edit8, Edit11, Edit13, Edit9})
        edit->clear();
    for (ui::PickListCombo *combo : {DBBox2, DBBox3, DBBox1})
        combo->clearChoice();
    Edit1->setFocus();
}

void Tfind_gongsi::showEvent(QShowEvent *event)
{
    reset();
    QDialog::showEvent(event);
    ui::centreOnScreen(this);
}

data::SearchTexts Tfind_gongsi::criteria() const
{
    return {
        {QStringLiteral("c1"), Edit1->text()},  {QStringLiteral("c2"), Edit2->text()},
        {QStringLiteral("c3"), Edit5->text()},  {QStringLiteral("c4"), Edit3->text()},
        {QStringLiteral("c5"), Edit4->text()},  {QStringLiteral("c6"), Edit6->text()},
        {QStringLiteral("c7"), DBBox1->text()}, {QStringLiteral("c8"), Edit9->text()},
        {QStringLiteral("c9"), DBBox2->text()}, {QStringLiteral("c10"), DBBox3->text()},
        {QStringLiteral("c11"), Edit10->text()}, {QStringLiteral("c12"), Edit11->text()},
        {QStringLiteral("c14"), Edit7->text()}, {QStringLiteral("c15"), Edit8->text()},
        {QStringLiteral("c16"), Edit13->text()},
    };
}

void Tfind_gongsi::BitBtn1Click()
{
    data::StandingQuery &companies = m_data->atc2_all();
    const QString statement = data::companySearch(criteria());
    const bool opened = ui::guarded(this, [&] {
        companies.close();
        companies.filter(statement);
    });
    if (!opened)
        return; // the error was shown; the window stays open
    accept();
    if (companies.isEmpty()) {
        ui::MessageBox::information(this, QStringLiteral("没有找到记录"));
        reset();
    }
}
