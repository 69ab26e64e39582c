#include "Tover_sell.h"

#include "ActivityText.h"
#include "FormParts.h"
#include "MessageBox.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "WrappedValue.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

Tover_sell::Tover_sell(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, ui::names::Tover_sell, QStringLiteral("结束销售活动"));
    auto *tabs = new QTabWidget(this);
    tabs->addTab(createContentPage(), QStringLiteral("内容"));
    tabs->addTab(createDetailsPage(), QStringLiteral("详细"));
    Button1 = new QPushButton(QStringLiteral("结束"), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("取消"), this);
    Button2->setAutoDefault(false);
    ui::layOutWindow(this, ui::titleStrip(QStringLiteral("  结束销售活动"), this), {tabs}, {Button1, Button2});
    connect(Button1, &QPushButton::clicked, this, &Tover_sell::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget *Tover_sell::createContentPage()
{
    auto *page = new QWidget;
    // Names and goals of any length keep the window on the screen.
    constexpr int kSentenceWidth = 340, kSentenceLines = 4, kValueWidth = 260, kValueLines = 2;
    m_sentence = new ui::WrappedValue(page, kSentenceWidth, kSentenceLines, QStringLiteral("销售活动"));
    m_sentence->setStyleSheet(QStringLiteral("color: green;"));
    m_sentence->setFixedWidth(kSentenceWidth);
    m_type = new ui::WrappedValue(page, kValueWidth, kValueLines);
    m_goal = new ui::WrappedValue(page, kValueWidth, kValueLines);
    m_duration = new ui::WrappedValue(page, kValueWidth, kValueLines);
    m_priority = new ui::WrappedValue(page, kValueWidth, kValueLines);

    auto *grid = new QGridLayout;
    ui::FormGrid rows(page, grid);
    rows.add(QStringLiteral("活动类型:"), m_type);
    rows.nextLine();
    rows.add(QStringLiteral("目    标:"), m_goal);
    rows.nextLine();
    rows.add(QStringLiteral("持续时间:"), m_duration);
    rows.nextLine();
    rows.add(QStringLiteral("优 先 级:"), m_priority);
    grid->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(m_sentence);
    layout->addSpacing(8);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

QWidget *Tover_sell::createDetailsPage()
{
    auto *page = new QWidget;
    Memo1 = new QTextEdit(page);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("详细"));
    Memo1->setReadOnly(true);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Memo1);
    return page;
}

void Tover_sell::bindData(TData_in &data)
{
    m_data = &data;
}

void Tover_sell::takeRow(const data::StandingQuery &query)
{
    const auto value = [&query](const char *column) { return query.field(QString::fromLatin1(column)); };
    m_eid = value("eid");
    m_sentence->setText(QStringLiteral("与") + value("e11") + value("e13") + QStringLiteral("于") + value("e3")
                        + u' ' + QStringLiteral("进行的销售活动."));
    m_type->setText(value("e5"));
    m_goal->setText(value("e7"));
    m_duration->setText(value("e8"));
    m_priority->setText(value("e6"));
    Memo1->setPlainText(value("e9"));
}

void Tover_sell::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        ui::readyToOpen(this);
}

// Ends the activity the window was opened for, by its key, whatever row is
// current by then.
void Tover_sell::Button1Click()
{
    const auto write = [&] {
        m_data->Con_data().execute(data::endActivityStatement(),
                                   {{QStringLiteral(":a"), m_eid}, {QStringLiteral(":b"), data::kActivityEnded}});
    };
    if (!ui::writeThenRefresh(this, write, [&] { m_data->vtv1_all().reopen(); }))
        return;
    accept();
    ui::MessageBox::information(this, QStringLiteral("成功结束销售活动"));
}
