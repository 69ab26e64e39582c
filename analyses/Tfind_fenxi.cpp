#include "Tfind_fenxi.h"

#include "AnalysisParts.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "ListCombos.h"
#include "SearchText.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WindowNames.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

ui::PickListCombo *listChoice(QWidget *parent, const QString &name, int width)
{
    auto *choice = new ui::PickListCombo(parent);
    choice->setObjectName(name);
    choice->setFixedWidth(width);
    return choice;
}

// A group holding one captioned drop-down.
QGroupBox *choiceGroup(QWidget *parent, const QString &title, const QString &caption, QWidget *choice)
{
    auto *group = ui::groupBox(title, parent);
    choice->setParent(group);
    auto *grid = new QGridLayout(group);
    ui::FormGrid rows(group, grid, {.fields = Qt::AlignLeft});
    if (caption.isEmpty()) {
        choice->setAccessibleName(title);
        rows.addSpanning(choice, 2);
    } else {
        rows.add(caption, choice);
    }
    grid->setColumnStretch(1, 1);
    return group;
}

} // namespace

Tfind_fenxi::Tfind_fenxi(QWidget *parent)
    : SearchWindow(parent, ui::names::Tfind_fenxi, QStringLiteral("搜索销售分析"))
{
    layOut({createSearchGroup()});
    connect(DateP1, &QDateEdit::dateChanged, this, [this] { m_dateText->setText(DateP1->text()); });
}

QGroupBox *Tfind_fenxi::createSearchGroup()
{
    auto *box = ui::groupBox(QStringLiteral("自定义条件搜索"), this);
    Edit1 = fields().add(QStringLiteral("h12"), ui::textBox(box, QStringLiteral("Edit1"), ui::kNoLimit, 150));
    Edit2 = fields().add(QStringLiteral("h13"), ui::textBox(box, QStringLiteral("Edit2"), ui::kNoLimit, 150));
    auto *names = new QGridLayout;
    ui::FormGrid rows(box, names, {.fields = Qt::AlignLeft});
    rows.add(QStringLiteral("客户名(中文):"), Edit1);
    rows.nextLine();
    rows.add(QStringLiteral("客户名(英文):"), Edit2);
    names->setColumnStretch(1, 1);

    m_product = fields().add(QStringLiteral("h2"), new ui::QueryCombo(box));
    m_product->setObjectName(QStringLiteral("product"));
    m_product->setFixedWidth(200);
    m_competitor = fields().add(QStringLiteral("h10"), listChoice(box, QStringLiteral("competitor"), 200));
    m_stage = fields().add(QStringLiteral("h9"), listChoice(box, QStringLiteral("stage"), 200));

    auto *layout = new QVBoxLayout(box);
    layout->addLayout(names);
    layout->addWidget(choiceGroup(box, QStringLiteral("目标产品"), QString(), m_product));
    layout->addWidget(createSalesGroup(box));
    layout->addWidget(choiceGroup(box, QStringLiteral("附加信息"), QStringLiteral("主要竞争对手:"), m_competitor));
    layout->addWidget(choiceGroup(box, QStringLiteral("销售进程"), QString(), m_stage));
    return box;
}

QGroupBox *Tfind_fenxi::createSalesGroup(QWidget *parent)
{
    const analyses::SalesFields sales = analyses::salesGroup(parent);
    m_quantity = fields().add(QStringLiteral("h4"), sales.quantity);
    m_unitPrice = fields().add(QStringLiteral("h5"), sales.unitPrice);
    m_total = fields().add(QStringLiteral("h6"), sales.total);
    DateP1 = sales.date;
    m_dateText = fields().add(QStringLiteral("h7"), ui::textBox(sales.group, QStringLiteral("dateText"), ui::kNoLimit));
    m_dateText->hide();
    m_probability = fields().add(QStringLiteral("h8"), sales.probability);
    m_salesType = fields().add(QStringLiteral("h3"), sales.salesType);
    return sales.group;
}

void Tfind_fenxi::bindData(TData_in &data)
{
    m_data = &data;
    m_product->setQuery(&data.vtv4_all(), QStringLiteral("o1"));
    m_salesType->setList(&data.query(QString::fromLatin1(analyses::kSalesTypes.table)));
    m_competitor->setList(&data.query(QString::fromLatin1(analyses::kCompetitors.table)));
    m_stage->setList(&data.query(QString::fromLatin1(analyses::kStages.table)));
}

// The picker back on today, without making today a condition.
void Tfind_fenxi::resetMore()
{
    const QSignalBlocker quiet(DateP1);
    DateP1->setDate(QDate::currentDate());
}

void Tfind_fenxi::search()
{
    data::StandingQuery &analyses = m_data->vtv2_all();
    const QString statement = data::analysisSearch(fields().texts(data::analysisRecord()));
    showFound(analyses, [&] {
        analyses.close();
        analyses.filter(statement);
    });
}
