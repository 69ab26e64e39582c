#include "Tfind_lianxiren.h"

#include "FormParts.h"
#include "KeyFilter.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "SearchText.h"
#include "TData_in.h"
#include "TextLimit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

using ui::caption;
using ui::separator;

const char *const kPhoneHint = "区号   电话号码   分机号";

} // namespace

Tfind_lianxiren::Tfind_lianxiren(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("find_lianxiren"));
    setWindowTitle(QStringLiteral("搜索联系人"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    createLayout();
    connectActions();
}

QWidget *Tfind_lianxiren::createStrip()
{
    return ui::titleStrip(QStringLiteral("  搜索联系人"), this);
}

QGroupBox *Tfind_lianxiren::createBasicGroup()
{
    auto *box = new QGroupBox(QStringLiteral("基本信息"), this);
    box->setAccessibleName(box->title()); // inside another group, it would be read by that one's title
    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(4);

    Edit1 = ui::textBox(box, {}, 10, 150);
    ComboBox1 = new QComboBox(box);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    ui::limitText(ComboBox1->lineEdit(), ui::kNoLimit);
    ComboBox1->addItems({QStringLiteral("先生"), QStringLiteral("女士")});
    ComboBox1->setAccessibleName(QStringLiteral("称谓"));
    ComboBox1->setFixedWidth(70);
    Edit2 = ui::textBox(box, {}, 25, 232);

    Edit3 = ui::textBox(box, {}, 5, 50, ui::KeyFilter::Mode::Digits);
    Edit4 = ui::textBox(box, {}, 15, 116, ui::KeyFilter::Mode::Digits);
    Edit5 = ui::textBox(box, {}, 8, 70, ui::KeyFilter::Mode::Digits);
    Edit6 = ui::textBox(box, {}, 5, 50, ui::KeyFilter::Mode::Digits);
    Edit7 = ui::textBox(box, {}, 15, 116, ui::KeyFilter::Mode::Digits);
    Edit8 = ui::textBox(box, {}, 8, 70, ui::KeyFilter::Mode::Digits);
    Edit9 = ui::textBox(box, {}, 5, 50, ui::KeyFilter::Mode::Digits);
    Edit10 = ui::textBox(box, {}, 15, 116, ui::KeyFilter::Mode::Digits);
    Edit11 = ui::textBox(box, {}, 45, 232);

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
    DBBox1 = new QComboBox(box);
    DBBox1->setObjectName(QStringLiteral("DBBox1"));
    DBBox2 = new ui::PickListCombo(box);
    DBBox2->setObjectName(QStringLiteral("DBBox2"));
    DBBox3 = new ui::PickListCombo(box);
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

void Tfind_lianxiren::createLayout()
{
    QWidget *strip = createStrip();
    auto *search = new QGroupBox(QStringLiteral("自定义条件搜索"), this);
    auto *inner = new QVBoxLayout(search);
    inner->addWidget(createBasicGroup());
    inner->addWidget(createAffiliationGroup());
    BitBtn1 = ui::searchButton(this);
    ui::layOutWindow(this, strip, {search}, {BitBtn1});
}

void Tfind_lianxiren::connectActions()
{
    connect(BitBtn1, &QPushButton::clicked, this, &Tfind_lianxiren::BitBtn1Click);
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
    fillCompanies();
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

void Tfind_lianxiren::reset()
{
    for (QLineEdit *edit : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11})
        edit->clear();
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->clearEditText();
    DBBox1->setCurrentIndex(-1);
    DBBox2->clearChoice();
    DBBox3->clearChoice();
    Edit1->setFocus();
}

void Tfind_lianxiren::showEvent(QShowEvent *event)
{
    reset();
    QDialog::showEvent(event);
    ui::centreOnScreen(this);
}

data::SearchTexts Tfind_lianxiren::criteria() const
{
    return {
        {QStringLiteral("a1"), Edit1->text()},
        {QStringLiteral("a2"), Edit2->text()},
        {QStringLiteral("a3"), Edit4->text()},
        {QStringLiteral("a5"), Edit10->text()},
        {QStringLiteral("a7"), Edit7->text()},
        {QStringLiteral("a8"), Edit11->text()},
        {QStringLiteral("a12"), ComboBox1->currentText()},
        {QStringLiteral("a13"), DBBox2->text()},
        {QStringLiteral("a26"), DBBox3->text()},
        {QStringLiteral("a18"), DBBox1->currentIndex() < 0 ? QString() : DBBox1->currentText()},
        {QStringLiteral("a19"), Edit3->text()},
        {QStringLiteral("a21"), Edit6->text()},
        {QStringLiteral("a22"), Edit5->text()},
        {QStringLiteral("a24"), Edit8->text()},
        {QStringLiteral("a27"), Edit9->text()},
    };
}

void Tfind_lianxiren::BitBtn1Click()
{
    data::StandingQuery &customers = m_data->atc1_all();
    const QString statement = data::customerSearch(criteria());
    const bool opened = ui::guarded(this, [&] {
        customers.close();
        customers.setText(QString());
        customers.filter(statement);
    });
    if (!opened)
        return; // the error was shown; the window stays open
    accept();
    if (customers.isEmpty()) {
        ui::MessageBox::information(this, QStringLiteral("没有找到记录"));
        reset();
    }
}
