#include "Tfind_lianxiren.h"

#include "FieldTable.h"
#include "FirstShow.h"
#include "FormParts.h"
#include "KeyFilter.h"
#include "ListCombos.h"
#include "SearchText.h"
#include "TData_in.h"
#include "TextLimit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

using ui::caption;
using ui::separator;

const char *const kPhoneHint = "区号   电话号码   分机号";

} // namespace

Tfind_lianxiren::Tfind_lianxiren(QWidget *parent)
    : SearchWindow(parent, QStringLiteral("find_lianxiren"), QStringLiteral("搜索联系人"))
{
    layOut({createSearchGroup()});
}

QGroupBox *Tfind_lianxiren::createBasicGroup()
{
    auto *box = new QGroupBox(QStringLiteral("基本信息"), this);
    box->setAccessibleName(box->title()); // inside another group, it would be read by that one's title
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(4);

    Edit1 = fields().add(QStringLiteral("a1"), ui::textBox(box, {}, 10, 150));
    ComboBox1 = fields().add(QStringLiteral("a12"), new QComboBox(box));
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ui::limitText(ComboBox1->lineEdit(), ui::kNoLimit);
    ComboBox1->addItems({QStringLiteral("先生"), QStringLiteral("女士")});
    ComboBox1->setAccessibleName(QStringLiteral("称谓"));
    ComboBox1->setFixedWidth(70);
    Edit2 = fields().add(QStringLiteral("a2"), ui::textBox(box, {}, 25, 232));

    Edit3 = fields().add(QStringLiteral("a19"), ui::textBox(box, {}, 5, 50, ui::KeyFilter::Mode::Digits));
    Edit4 = fields().add(QStringLiteral("a3"), ui::textBox(box, {}, 15, 116, ui::KeyFilter::Mode::Digits));
    Edit5 = fields().add(QStringLiteral("a22"), ui::textBox(box, {}, 8, 70, ui::KeyFilter::Mode::Digits));
    Edit6 = fields().add(QStringLiteral("a21"), ui::textBox(box, {}, 5, 50, ui::KeyFilter::Mode::Digits));
    Edit7 = fields().add(QStringLiteral("a7"), ui::textBox(box, {}, 15, 116, ui::KeyFilter::Mode::Digits));
    Edit8 = fields().add(QStringLiteral("a24"), ui::textBox(box, {}, 8, 70, ui::KeyFilter::Mode::Digits));
    Edit9 = fields().add(QStringLiteral("a27"), ui::textBox(box, {}, 5, 50, ui::KeyFilter::Mode::Digits));
    Edit10 = fields().add(QStringLiteral("a5"), ui::textBox(box, {}, 15, 116, ui::KeyFilter::Mode::Digits));
    Edit11 = fields().add(QStringLiteral("a8"), ui::textBox(box, {}, 45, 232));

    // The boxes after the first of a phone line are named by the hint above them.
    const QString phone = QStringLiteral("电  话"), fax = QStringLiteral("传  真"), mobile = QStringLiteral("手  机");
    Edit4->setAccessibleName(phone + QStringLiteral(" 电话号码"));
    Edit5->setAccessibleName(phone + QStringLiteral(" 分机号"));
    Edit7->setAccessibleName(fax + QStringLiteral(" 电话号码"));
    Edit8->setAccessibleName(fax + QStringLiteral(" 分机号"));
    Edit10->setAccessibleName(mobile + QStringLiteral(" 电话号码"));

    auto *hint = new QLabel(QString::fromUtf8(kPhoneHint), box);
    hint->setStyleSheet(QStringLiteral("color: gray;"));

    int row = 0;
    grid->addWidget(caption(QStringLiteral("中文名"), Edit1, box), row, 0);
    grid->addWidget(Edit1, row, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(ComboBox1, row, 4, 1, 2, Qt::AlignLeft);
    grid->addWidget(caption(QStringLiteral("英文名"), Edit2, box), ++row, 0);
    grid->addWidget(Edit2, row, 1, 1, 5, Qt::AlignLeft);
    grid->addWidget(hint, ++row, 1, 1, 5);
    const struct {
        QString text;
        QLineEdit *area, *number, *extension;
    } lines[] = {{phone, Edit3, Edit4, Edit5}, {fax, Edit6, Edit7, Edit8}, {mobile, Edit9, Edit10, nullptr}};
    for (const auto &line : lines) {
        grid->addWidget(caption(line.text, line.area, box), ++row, 0);
        grid->addWidget(line.area, row, 1);
        grid->addWidget(separator(QStringLiteral("-"), box), row, 2);
        grid->addWidget(line.number, row, 3);
        if (line.extension) {
            grid->addWidget(separator(QStringLiteral("转"), box), row, 4);
            grid->addWidget(line.extension, row, 5);
        }
    }
    grid->addWidget(caption(QStringLiteral("E-mail"), Edit11, box), ++row, 0);
    grid->addWidget(Edit11, row, 1, 1, 5, Qt::AlignLeft);
    return box;
}

QGroupBox *Tfind_lianxiren::createAffiliationGroup()
{
    auto *box = new QGroupBox(QStringLiteral("所属"), this);
    box->setAccessibleName(box->title()); // inside another group, it would be read by that one's title
    auto *grid = new QGridLayout(box);
    DBBox1 = fields().add(QStringLiteral("a18"), new QComboBox(box));
    DBBox1->setObjectName(QStringLiteral("DBBox1"));
    DBBox2 = fields().add(QStringLiteral("a13"), new ui::PickListCombo(box));
    DBBox2->setObjectName(QStringLiteral("DBBox2"));
    DBBox3 = fields().add(QStringLiteral("a26"), new ui::PickListCombo(box));
    DBBox3->setObjectName(QStringLiteral("DBBox3"));
    const QPair<QString, QComboBox *> rows[] = {
        {QStringLiteral("公  司"), DBBox1}, {QStringLiteral("部  门"), DBBox2}, {QStringLiteral("职  务"), DBBox3}};
    int row = 0;
    for (const auto &[text, combo] : rows) {
        combo->setFixedWidth(232);
        combo->setMaxVisibleItems(12);
        grid->addWidget(caption(text, combo, box), row, 0);
        grid->addWidget(combo, row++, 1, Qt::AlignLeft);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

QGroupBox *Tfind_lianxiren::createSearchGroup()
{
    auto *search = new QGroupBox(QStringLiteral("自定义条件搜索"), this);
    auto *inner = new QVBoxLayout(search);
    inner->addWidget(createBasicGroup());
    inner->addWidget(createAffiliationGroup());
    return search;
}

void Tfind_lianxiren::bindData(TData_in &data)
{
    m_data = &data;
    DBBox2->setList(&data.pickList(1));
    DBBox3->setList(&data.pickList(2));
    // A plain list of the names: choosing one leaves atc2_all's current row
    // alone. It follows every change of the companies: a reload, a new, a
    // deleted or a renamed company.
    data::StandingQuery *companies = &data.atc2_all();
    connect(companies, &QAbstractItemModel::modelReset, this, &Tfind_lianxiren::fillCompanies);
    connect(companies, &QAbstractItemModel::rowsInserted, this, &Tfind_lianxiren::fillCompanies);
    connect(companies, &QAbstractItemModel::rowsRemoved, this, &Tfind_lianxiren::fillCompanies);
    connect(companies, &QAbstractItemModel::dataChanged, this,
            [this, companies](const QModelIndex &from, const QModelIndex &to) {
                const int names = companies->fieldIndex(QStringLiteral("c1"));
                if (from.column() <= names && names <= to.column())
                    fillCompanies();
            });
    ui::showWhenSeen(DBBox1, *companies, [this] { fillCompanies(); });
}

void Tfind_lianxiren::fillCompanies()
{
    const QString chosen = DBBox1->currentIndex() < 0 ? QString() : DBBox1->currentText();
    const data::StandingQuery &companies = m_data->atc2_all();
    const int column = companies.fieldIndex(QStringLiteral("c1"));
    QStringList names;
    for (int row = 0; row < companies.count(); ++row)
        names << companies.value(row, column);
    DBBox1->clear();
    DBBox1->addItems(names);
    DBBox1->setCurrentIndex(chosen.isEmpty() ? -1 : DBBox1->findText(chosen, Qt::MatchExactly));
}

void Tfind_lianxiren::search()
{
    data::StandingQuery &customers = m_data->atc1_all();
    const QString statement = data::customerSearch(fields().texts(data::customerRecord()));
    showFound(customers, [&] {
        customers.close();
        customers.setText(QString());
        customers.filter(statement);
    });
}
