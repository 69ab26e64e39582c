#include "Tover_fenxi.h"

#include "AnalysisParts.h"
#include "AnalysisText.h"
#include "FormParts.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "RequiredFields.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "WrappedValue.h"

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

// Where each value wraps, over two lines at most: values of any length keep
// the window on the screen. Names, choices and texts wide; numbers narrow.
constexpr int kValueLines = 2;
int widthOf(const QString &column)
{
    static const std::map<QString, int> widths{{"h12", 170}, {"h13", 170}, {"h14", 80}, {"h4", 90}, {"h5", 90},
                                               {"h6", 90},   {"h7", 100},  {"h8", 60}};
    const auto found = widths.find(column);
    return found == widths.end() ? 320 : found->second;
}

// One line of captioned values, each value after its caption, separated by
// fixed texts where the caption is empty.
QHBoxLayout *line(QWidget *parent, const QList<std::pair<QString, QLabel *>> &parts)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(4);
    for (const auto &[text, value] : parts) {
        if (!value)
            row->addWidget(ui::separator(text, parent));
        else if (text.isEmpty())
            row->addWidget(value);
        else {
            row->addWidget(ui::caption(text, value, parent));
            row->addWidget(value);
        }
    }
    row->addStretch();
    return row;
}

} // namespace

Tover_fenxi::Tover_fenxi(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, ui::names::Tover_fenxi, QStringLiteral("跟进销售分析"));
    Label32 = new QLabel(this);
    Label32->setObjectName(QStringLiteral("Label32"));
    Label32->hide();
    auto *tabs = new QTabWidget(this);
    tabs->addTab(createGeneralPage(), QStringLiteral("常规"));
    tabs->addTab(createMorePage(), QStringLiteral("附加信息"));
    Button1 = new QPushButton(QStringLiteral("跟进"), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("取消"), this);
    Button2->setAutoDefault(false);
    ui::layOutWindow(this, ui::titleStrip(QStringLiteral("  跟进销售分析"), this), {tabs}, {Button1, Button2});
    connect(Button1, &QPushButton::clicked, this, &Tover_fenxi::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

QLabel *Tover_fenxi::value(const char *column, QWidget *parent)
{
    const QString c = QString::fromLatin1(column);
    QLabel *label = new ui::WrappedValue(parent, widthOf(c), kValueLines);
    label->setObjectName(c);
    m_values[QString::fromLatin1(column)] = label;
    return label;
}

QWidget *Tover_fenxi::createGeneralPage()
{
    auto *page = new QWidget;
    QLabel *current = value("h9", page);
    current->setStyleSheet(QStringLiteral("color: green; font-weight: bold;"));
    m_stage = new ui::PickListCombo(page);
    m_stage->setObjectName(QStringLiteral("stage"));
    m_stage->setFixedWidth(200);

    auto *grid = new QGridLayout;
    ui::FormGrid rows(page, grid);
    rows.add(QStringLiteral("目前销售进程:"), current);
    rows.nextLine();
    rows.add(QStringLiteral("更新:"), m_stage, ui::fieldWithButton(m_stage, analyses::listEditButton(page, analyses::kStages)));
    grid->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addWidget(createSummary(page));
    layout->addStretch();
    return page;
}

// 分析概要: the customer, the product, the kind of sale and the sales data.
QWidget *Tover_fenxi::createSummary(QWidget *page)
{
    auto *summary = ui::groupBox(QStringLiteral("分析概要"), page);
    auto *sales = ui::groupBox(QStringLiteral("销售信息"), summary);
    auto *salesLayout = new QVBoxLayout(sales);
    salesLayout->addLayout(line(sales, {{QStringLiteral("数量:"), value("h4", sales)},
                                        {QStringLiteral(","), nullptr},
                                        {QStringLiteral("单价:"), value("h5", sales)},
                                        {QStringLiteral(","), nullptr},
                                        {QStringLiteral("总计:"), value("h6", sales)}}));
    salesLayout->addLayout(line(sales, {{QStringLiteral("预计签单日期:"), value("h7", sales)},
                                        {QStringLiteral("概率:"), value("h8", sales)}}));

    QLabel *name = value("h12", summary);
    name->setStyleSheet(QStringLiteral("font-weight: bold;"));
    auto *layout = new QVBoxLayout(summary);
    layout->addLayout(line(summary, {{QStringLiteral(" 目标客户:"), name},
                                     {QString(), value("h14", summary)},
                                     {QStringLiteral(","), nullptr},
                                     {QString(), value("h13", summary)}}));
    layout->addLayout(line(summary, {{QStringLiteral("目标产品:"), value("h2", summary)}}));
    layout->addLayout(line(summary, {{QStringLiteral("销售类型:"), value("h3", summary)}}));
    layout->addWidget(sales);
    return summary;
}

QWidget *Tover_fenxi::createMorePage()
{
    auto *page = new QWidget;
    auto *details = ui::groupBox(QStringLiteral("详细"), page);
    Memo1 = new QTextEdit(details);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("详细"));
    Memo1->setReadOnly(true);
    auto *detailsLayout = new QVBoxLayout(details);
    detailsLayout->addWidget(Memo1);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(line(page, {{QStringLiteral(" 主要竞争对手:"), value("h10", page)}}));
    layout->addWidget(details, 1);
    return page;
}

void Tover_fenxi::bindData(TData_in &data)
{
    m_data = &data;
    m_stage->setList(&data.query(QString::fromLatin1(analyses::kStages.table)));
}

void Tover_fenxi::takeRow(const data::StandingQuery &query)
{
    for (const auto &[column, label] : m_values)
        label->setText(query.field(column));
    Memo1->setPlainText(query.field(QStringLiteral("h11")));
    Label32->setText(query.field(QStringLiteral("hid")));
}

// Each time the window is opened: no new stage chosen yet.
void Tover_fenxi::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        m_stage->clearChoice();
        ui::readyToOpen(this);
    }
    QDialog::showEvent(event);
}

// Replaces the stage of the analysis the window was opened for, by its key,
// whatever row is current by then. Without a chosen stage nothing is stored.
void Tover_fenxi::Button1Click()
{
    if (!ui::requiredFilled(this, {{m_stage, !m_stage->text().isEmpty()}}, QStringLiteral("请设定新的销售进程")))
        return;
    const QString hid = Label32->text();
    const QString stage = m_stage->text();
    const auto write = [&] {
        m_data->Con_data().execute(data::followUpStatement(), {{QStringLiteral(":a"), hid}, {QStringLiteral(":b"), stage}});
    };
    if (!ui::writeThenRefresh(this, write, [&] { m_data->vtv2_all().reopen(); }))
        return;
    accept();
    ui::MessageBox::information(this, QStringLiteral("成功跟进销售分析"));
}
