#include "Tnew_fenxi.h"

#include "AnalysisParts.h"
#include "AnalysisText.h"
#include "DateText.h"
#include "DbControls.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "KeyFilter.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "RequiredFields.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "WrappedValue.h"
#include "customers/TFrame_lianxiren.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <map>

namespace {

// The product values beside the drop-down: caption and column, in the order
// they are laid out, two to a line.
struct ProductValue {
    const char *caption;
    const char *column;
};
const ProductValue kProductValues[] = {
    {"大 类:", "o2"}, {"成 本 价:", "o5"}, {"细类1:", "o3"}, {"销售底价:", "o6"}, {"细类2:", "o4"}, {"销售标准价:", "o7"},
};

// Where the values the window shows wrap, and how many lines each takes at
// most: names and categories of any length keep the window on the screen.
constexpr int kNameWidth = 170;
constexpr int kSalutationWidth = 80;
constexpr int kProductValueWidth = 120;
constexpr int kValueLines = 2;

} // namespace

Tnew_fenxi::Tnew_fenxi(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, ui::names::Tnew_fenxi, QStringLiteral("创建新销售分析"));
    auto *tabs = new QTabWidget(this);
    tabs->addTab(createGeneralPage(), QStringLiteral("常规"));
    tabs->addTab(createMorePage(), QStringLiteral("附加信息"));
    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("取消"), this);
    Button2->setAutoDefault(false);
    ui::layOutWindow(this, ui::titleStrip(QStringLiteral("  创建新销售分析"), this), {tabs}, {Button1, Button2});
    connectActions();
}

QWidget *Tnew_fenxi::createGeneralPage()
{
    auto *page = new QWidget;
    auto *stage = ui::groupBox(QStringLiteral("销售进程"), page);
    m_stage = new ui::PickListCombo(stage);
    m_stage->setObjectName(QStringLiteral("stage"));
    m_stage->setAccessibleName(QStringLiteral("销售进程"));
    m_stage->setFixedWidth(200);
    auto *stageRow = ui::fieldWithButton(m_stage, analyses::listEditButton(stage, analyses::kStages));
    stage->setLayout(stageRow);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(createCustomerGroup(page));
    layout->addWidget(createProductGroup(page));
    layout->addWidget(createSalesGroup(page));
    layout->addWidget(stage);
    layout->addStretch();
    return page;
}

// The customer, as the caller named it: the Chinese name large and bold,
// the salutation, then the English name.
QWidget *Tnew_fenxi::createCustomerGroup(QWidget *page)
{
    auto *customer = ui::groupBox(QStringLiteral("您选中的客户"), page);
    Label14 = new ui::WrappedValue(customer, kNameWidth, kValueLines, QStringLiteral("中文名"));
    Label14->setObjectName(QStringLiteral("Label14"));
    QFont large = ui::scaledFont(Label14->font(), 1.3);
    large.setBold(true);
    Label14->setFont(large);
    Label15 = new ui::WrappedValue(customer, kSalutationWidth, kValueLines, QStringLiteral("称呼"));
    Label15->setObjectName(QStringLiteral("Label15"));
    Label17 = new ui::WrappedValue(customer, kNameWidth, kValueLines, QStringLiteral("英文名"));
    Label17->setObjectName(QStringLiteral("Label17"));
    auto *names = new QHBoxLayout(customer);
    names->setSpacing(0);
    names->addWidget(Label14);
    names->addSpacing(6);
    names->addWidget(Label15);
    names->addWidget(ui::separator(QStringLiteral(" , "), customer));
    names->addWidget(Label17);
    names->addStretch();
    return customer;
}

// The product drop-down over the product list, the button for a new product,
// and the chosen product's categories and prices.
QWidget *Tnew_fenxi::createProductGroup(QWidget *page)
{
    auto *product = ui::groupBox(QStringLiteral("目标产品"), page);
    m_product = new ui::QueryCombo(product);
    m_product->setObjectName(QStringLiteral("product"));
    m_product->setAccessibleName(QStringLiteral("目标产品"));
    m_product->setFixedWidth(200);
    QToolButton *newProduct = ui::editListButton(product, QStringLiteral("新建产品"),
                                                 [] { ui::openWindow(ui::names::Tnew_chanpin); });
    newProduct->setObjectName(QStringLiteral("newProduct"));

    auto *grid = new QGridLayout(product);
    grid->addLayout(ui::fieldWithButton(m_product, newProduct), 0, 0, 1, 4);
    ui::FormGrid rows(product, grid);
    rows.nextLine();
    for (const ProductValue &value : kProductValues) {
        auto *label = new ui::WrappedValue(product, kProductValueWidth, kValueLines);
        label->setObjectName(QString::fromLatin1(value.column));
        label->setMinimumWidth(90);
        m_productValues << label;
        rows.add(QString::fromUtf8(value.caption), label);
        if (rows.grid()->itemAtPosition(rows.line(), 2))
            rows.nextLine();
    }
    m_productValues.last()->setStyleSheet(QStringLiteral("color: red;"));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return product;
}

QWidget *Tnew_fenxi::createSalesGroup(QWidget *page)
{
    const analyses::SalesFields sales = analyses::salesGroup(page, [&](ui::PickListCombo *type) {
        return ui::fieldWithButton(type, analyses::listEditButton(type->parentWidget(), analyses::kSalesTypes));
    });
    m_quantity = sales.quantity;
    m_unitPrice = sales.unitPrice;
    m_total = sales.total;
    DateP1 = sales.date;
    m_probability = sales.probability;
    m_salesType = sales.salesType;
    m_total->setReadOnly(true);
    m_total->setStyleSheet(QStringLiteral("background: #c0f0c0;"));
    // The total takes no typing at all; a key that is no digit says so.
    m_total->findChild<ui::KeyFilter *>()->setBeepOnRefusal(true);
    return sales.group;
}

QWidget *Tnew_fenxi::createMorePage()
{
    auto *page = new QWidget;
    auto *more = ui::groupBox(QStringLiteral("附加信息"), page);
    m_competitor = new ui::PickListCombo(more);
    m_competitor->setObjectName(QStringLiteral("competitor"));
    m_competitor->setFixedWidth(200);
    auto *grid = new QGridLayout(more);
    ui::FormGrid rows(more, grid);
    rows.add(QStringLiteral("主要竞争对手:"), m_competitor,
             ui::fieldWithButton(m_competitor, analyses::listEditButton(more, analyses::kCompetitors)));
    grid->setColumnStretch(1, 1);

    auto *details = ui::groupBox(QStringLiteral("详细"), page);
    Memo1 = new QTextEdit(details);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("详细"));
    Memo1->setAcceptRichText(false); // what is stored is the text, as typed
    ui::KeyFilter::install(Memo1, ui::KeyFilter::Mode::NoSpace);
    auto *detailsLayout = new QVBoxLayout(details);
    detailsLayout->addWidget(Memo1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(more);
    layout->addWidget(details, 1);
    return page;
}

void Tnew_fenxi::connectActions()
{
    connect(m_quantity, &QLineEdit::textChanged, this, [this] { factorChange(m_quantity); });
    connect(m_unitPrice, &QLineEdit::textChanged, this, [this] { factorChange(m_unitPrice); });
    connect(m_total, &QLineEdit::textChanged, this, [this] {
        if (m_total->text().isEmpty())
            m_total->setText(QStringLiteral("0"));
    });
    connect(DateP1, &QDateEdit::dateChanged, this, [this] { m_dateText = DateP1->text(); });
    connect(Button1, &QPushButton::clicked, this, &Tnew_fenxi::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void Tnew_fenxi::bindData(TData_in &data)
{
    m_data = &data;
    m_product->setQuery(&data.vtv4_all(), QStringLiteral("o1"));
    for (int i = 0; i < m_productValues.size(); ++i)
        m_productValues[i]->bind(&data.vtv4_all(), QString::fromLatin1(kProductValues[i].column));
    m_salesType->setList(&data.query(QString::fromLatin1(analyses::kSalesTypes.table)));
    m_stage->setList(&data.query(QString::fromLatin1(analyses::kStages.table)));
    m_competitor->setList(&data.query(QString::fromLatin1(analyses::kCompetitors.table)));
}

void Tnew_fenxi::setCustomer(const ui::CustomerRef &customer)
{
    m_customer = customer;
    Label14->setText(customer.a1);
    Label15->setText(customer.a12);
    Label17->setText(customer.a2);
}

// Each time the window is opened; not when the window system shows it again
// (the program restored from the taskbar), which keeps what was typed.
void Tnew_fenxi::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        reset();
        ui::readyToOpen(this);
    }
    QDialog::showEvent(event);
}

void Tnew_fenxi::reset()
{
    m_dateText = data::dateText(QDate::currentDate());
    {
        const QSignalBlocker quiet(DateP1);
        DateP1->setDate(QDate::currentDate());
    }
    m_quantity->setText(QStringLiteral("0"));
    m_unitPrice->setText(QStringLiteral("0"));
    m_total->setText(QStringLiteral("0"));
    m_probability->setText(data::field(data::analysisRecord(), QStringLiteral("h8")).initial);
    m_product->clearChoice();
    m_salesType->clearChoice();
    m_stage->clearChoice();
    m_competitor->clearChoice();
    Memo1->clear();
}

// A factor holds digits only, pasted text too, and an emptied one is 0 again,
// selected, so that the next digit typed replaces it (each change comes back
// here); otherwise the total follows.
void Tnew_fenxi::factorChange(QLineEdit *factor)
{
    const QString digits = ui::KeyFilter::filtered(ui::KeyFilter::Mode::Digits, factor->text());
    if (digits != factor->text()) {
        factor->setText(digits);
        return;
    }
    if (factor->text().isEmpty()) {
        factor->setText(QStringLiteral("0"));
        factor->selectAll();
        return;
    }
    m_total->setText(data::analysisTotal(m_quantity->text(), m_unitPrice->text()));
}

void Tnew_fenxi::Button1Click()
{
    if (!ui::requiredFilled(this, {{m_product, !m_product->text().isEmpty()}, {m_stage, !m_stage->text().isEmpty()}},
                            QStringLiteral("请选定目标产品,并设定销售进程")))
        return;
    const auto number = [](const QLineEdit *box) { return QString::number(box->text().toLongLong()); };
    const std::map<QString, QString> values{
        {QStringLiteral("h1"), m_customer.aid},
        {QStringLiteral("h2"), m_product->text()},
        {QStringLiteral("h3"), m_salesType->text()},
        {QStringLiteral("h4"), number(m_quantity)},
        {QStringLiteral("h5"), number(m_unitPrice)},
        {QStringLiteral("h6"), data::analysisTotal(m_quantity->text(), m_unitPrice->text())},
        {QStringLiteral("h7"), m_dateText},
        {QStringLiteral("h8"), m_probability->text() + u'%'},
        {QStringLiteral("h9"), m_stage->text()},
        {QStringLiteral("h10"), m_competitor->text()},
        {QStringLiteral("h11"), Memo1->toPlainText()},
        {QStringLiteral("h12"), m_customer.a1},
        {QStringLiteral("h13"), m_customer.a2},
        {QStringLiteral("h14"), m_customer.a12}};
    const data::RecordDef &analysis = data::analysisRecord();
    const auto valueOf = [&values](const QString &column) { return values.at(column); };
    const auto write = [&] {
        m_data->Con_data().execute(data::insertStatement(analysis), data::insertParameters(analysis, valueOf));
    };
    if (!ui::writeThenRefresh(this, write, [&] { m_data->vtv2_all().reopen(); }))
        return; // not written: the error was shown and the window stays open
    accept();
    TFrame_lianxiren::showInFront(TFrame_lianxiren::Tab::Analyses);
}
