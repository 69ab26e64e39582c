#include "Tnew_beiwang.h"

#include "DateText.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "KeyFilter.h"
#include "MessageBox.h"
#include "TData_in.h"

#include <QDateTime>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <map>

namespace {

const QString kZero = QStringLiteral("0");

} // namespace

Tnew_beiwang::Tnew_beiwang(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("new_beiwang"));
    setWindowTitle(QStringLiteral("创建备忘"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    createLayout();
    connectActions();
}

QWidget *Tnew_beiwang::createStrip()
{
    return ui::titleStrip(QStringLiteral("  创建备忘"), this);
}

// The cream panel: "为" and the name on the first line, "添加备忘" with the
// date and time at the right on the second.
QWidget *Tnew_beiwang::createHeading()
{
    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setStyleSheet(QStringLiteral("QFrame#Panel1 { background: #fffbf0; }"));

    // The names as they are stored, never as markup; "为" labels the one on show.
    Label_customer = ui::valueLabel(panel, QStringLiteral("客户"));
    Label_company = ui::valueLabel(panel, QStringLiteral("公司"));
    for (QLabel *name : {Label_customer, Label_company}) {
        name->setStyleSheet(QStringLiteral("color: #0b3d91; font-weight: bold;"));
        name->setTextInteractionFlags(Qt::NoTextInteraction);
    }
    Label_company->hide();
    Label_for = ui::caption(QStringLiteral("为"), Label_customer, panel);
    Label_date = ui::valueLabel(panel, QStringLiteral("日期"));
    Label_time = ui::valueLabel(panel, QStringLiteral("时间"));

    auto *first = new QHBoxLayout;
    first->addWidget(Label_for);
    first->addWidget(Label_customer);
    first->addWidget(Label_company);
    first->addStretch();
    auto *second = new QHBoxLayout;
    second->addWidget(new QLabel(QStringLiteral("添加备忘"), panel));
    second->addStretch();
    second->addWidget(Label_date);
    second->addWidget(Label_time);
    auto *lines = new QVBoxLayout(panel);
    lines->addLayout(first);
    lines->addLayout(second);
    return panel;
}

void Tnew_beiwang::createLayout()
{
    QWidget *strip = createStrip();
    auto *content = new QGroupBox(QStringLiteral("备忘内容"), this);
    Memo1 = new QPlainTextEdit(content);
    Memo1->setAccessibleName(QStringLiteral("备忘内容"));
    Memo1->setFixedSize(360, 150);
    const data::FieldDef &typed = data::field(data::memoRecord(), QStringLiteral("j4"));
    if (const std::optional<ui::KeyFilter::Mode> keys = ui::keyMode(typed.entry))
        ui::KeyFilter::install(Memo1, *keys);
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->addWidget(Memo1);

    QWidget *heading = createHeading();

    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("取消"), this);
    // Enter belongs to the memo text; only the default button answers it elsewhere.
    Button2->setAutoDefault(false);
    ui::layOutWindow(this, strip, {heading, content}, {Button1, Button2});
}

void Tnew_beiwang::connectActions()
{
    connect(Button1, &QPushButton::clicked, this, &Tnew_beiwang::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &Tnew_beiwang::Button2Click);
}

void Tnew_beiwang::bindData(TData_in &data)
{
    m_data = &data;
}

void Tnew_beiwang::setCustomerMode(const QString &name, const QString &key)
{
    m_customerName = name;
    m_customerKey = key;
    m_companyName.clear(); // a customer memo names no company
    m_category = QStringLiteral("备忘");
    m_kind = QStringLiteral("1");
    Label_customer->setText(name);
    Label_customer->show();
    Label_company->hide();
    Label_for->setBuddy(Label_customer);
}

void Tnew_beiwang::setCompanyMode(const QString &name, const QString &key)
{
    m_companyName = name;
    m_companyKey = key;
    m_customerName.clear(); // a company memo names no customer
    m_category = QStringLiteral("备忘");
    m_kind = QStringLiteral("2");
    Label_company->setText(name);
    Label_company->show();
    Label_customer->hide();
    Label_for->setBuddy(Label_company);
}

void Tnew_beiwang::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Shown again by the window system (the program restored): kept as it was.
    if (event->spontaneous())
        return;
    // One reading of the clock, so that date and time belong to the same minute.
    const QDateTime now = QDateTime::currentDateTime();
    Label_date->setText(data::dateText(now.date()));
    Label_time->setText(data::timeText(now.time()));
    Memo1->clear();
    Memo1->setFocus();
    ui::centreOnScreen(this);
}

void Tnew_beiwang::Button1Click()
{
    const QString text = Memo1->toPlainText();
    if (text.isEmpty()) {
        ui::MessageBox::warning(this, QStringLiteral("请填写备忘信息"));
        return;
    }
    const std::map<QString, QString> values{
        {QStringLiteral("j1"), m_customerKey}, {QStringLiteral("j2"), Label_date->text()},
        {QStringLiteral("j3"), Label_time->text()}, {QStringLiteral("j4"), text},
        {QStringLiteral("j5"), m_kind}, {QStringLiteral("j6"), m_category},
        {QStringLiteral("j7"), m_companyKey}, {QStringLiteral("j8"), m_customerName},
        {QStringLiteral("j9"), m_companyName}};
    const data::RecordDef &memo = data::memoRecord();
    const auto valueOf = [&values](const QString &column) { return values.at(column); };
    const auto write = [&] {
        m_data->Con_data().execute(data::insertStatement(memo), data::insertParameters(memo, valueOf));
    };
    // The memo is written: the window closes, whatever the reload does.
    if (ui::writeThenRefresh(this, write, [&] { m_data->vtv3_all().reopen(); }))
        accept();
}

void Tnew_beiwang::Button2Click()
{
    Memo1->clear();
    reject();
}

void Tnew_beiwang::done(int result)
{
    m_category = kZero;
    m_customerKey = kZero;
    m_companyKey = kZero;
    QDialog::done(result);
}
