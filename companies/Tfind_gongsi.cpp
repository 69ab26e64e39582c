#include "Tfind_gongsi.h"

#include "FieldTable.h"
#include "FormParts.h"
#include "KeyFilter.h"
#include "ListCombos.h"
#include "SearchText.h"
#include "TData_in.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

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

Tfind_gongsi::Tfind_gongsi(QWidget *parent) : SearchWindow(parent, QStringLiteral("find_gongsi"), QStringLiteral("搜索公司"))
{
    layOut({createSearchGroup()});
}

// The fields are named, limited and filtered like their counterparts in the
// new-company window.
QGroupBox *Tfind_gongsi::createSearchGroup()
{
    auto *box = new QGroupBox(QStringLiteral("自定义条件搜索"), this);
    Edit1 = fields().add(QStringLiteral("c1"), ui::textBox(box, QStringLiteral("Edit1"), 150, 420, Mode::NoSpace));
    Edit5 = fields().add(QStringLiteral("c3"), ui::textBox(box, QStringLiteral("Edit5"), 8, 150, Mode::NoSpace));
    Edit2 = fields().add(QStringLiteral("c2"),
        ui::textBox(box, QStringLiteral("Edit2"), 150, 170, Mode::LowerWeb, QStringLiteral("-")));
    Edit3 = fields().add(QStringLiteral("c4"), ui::textBox(box, QStringLiteral("Edit3"), 190, 420, Mode::NoSpace));
    Edit4 = fields().add(QStringLiteral("c5"), ui::textBox(box, QStringLiteral("Edit4"), 10, 150, Mode::Digits));
    Edit6 = fields().add(QStringLiteral("c6"),
        ui::textBox(box, QStringLiteral("Edit6"), 75, 170, Mode::LowerWeb, QStringLiteral(".")));
    Edit7 = fields().add(QStringLiteral("c14"), ui::textBox(box, QStringLiteral("Edit7"), 5, 50, Mode::Digits));
    Edit10 = fields().add(QStringLiteral("c11"), ui::textBox(box, QStringLiteral("Edit10"), 15, 120, Mode::Digits));
    Edit8 = fields().add(QStringLiteral("c15"), ui::textBox(box, QStringLiteral("Edit8"), 5, 50, Mode::Digits));
    Edit11 = fields().add(QStringLiteral("c12"), ui::textBox(box, QStringLiteral("Edit11"), 15, 120, Mode::Digits));
    Edit13 = fields().add(QStringLiteral("c16"), ui::textBox(box, QStringLiteral("Edit13"), 8, 70, Mode::Digits));
    Edit9 = fields().add(QStringLiteral("c8"),
        ui::textBox(box, QStringLiteral("Edit9"), ui::kNoLimit, 150, Mode::NoSpace));
    DBBox2 = fields().add(QStringLiteral("c9"), pickList("DBBox2", box));
    DBBox3 = fields().add(QStringLiteral("c10"), pickList("DBBox3", box));
    DBBox1 = fields().add(QStringLiteral("c7"), pickList("DBBox1", box));

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

void Tfind_gongsi::bindData(TData_in &data)
{
    m_data = &data;
    DBBox2->setList(&data.pickList(6));
    DBBox3->setList(&data.pickList(7));
    DBBox1->setList(&data.pickList(8));
}

void Tfind_gongsi::search()
{
    data::StandingQuery &companies = m_data->atc2_all();
    const QString statement = data::companySearch(fields().texts(data::companyRecord()));
    showFound(companies, [&] {
        companies.close();
        companies.filter(statement);
    });
}
