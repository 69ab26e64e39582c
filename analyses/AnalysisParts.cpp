#include "AnalysisParts.h"

#include "FieldTable.h"
#include "FormParts.h"
#include "ListCombos.h"
#include "WindowNames.h"
#include "data/editors/PickListEditor.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>

namespace analyses {

namespace {

int limitOf(const QString &column)
{
    const int limit = data::field(data::analysisRecord(), column).newLimit;
    return limit > 0 ? limit : ui::kNoLimit;
}

QLineEdit *numberBox(QWidget *parent, const QString &name, const QString &column)
{
    return ui::textBox(parent, name, limitOf(column), 90, ui::KeyFilter::Mode::Digits);
}

} // namespace

QToolButton *listEditButton(QWidget *parent, const AnalysisList &list)
{
    const QString caption = QString::fromUtf8(list.caption);
    return PickListEditor::editButton(parent, ui::names::Tlist_fenxi, QString::fromLatin1(list.table), caption,
                                      QStringLiteral("编辑") + caption);
}

SalesFields salesGroup(QWidget *parent, const std::function<QLayout *(ui::PickListCombo *)> &typePlace)
{
    SalesFields f;
    f.group = ui::groupBox(QStringLiteral("销售信息"), parent);
    f.quantity = numberBox(f.group, QStringLiteral("quantity"), QStringLiteral("h4"));
    f.unitPrice = numberBox(f.group, QStringLiteral("unitPrice"), QStringLiteral("h5"));
    f.total = numberBox(f.group, QStringLiteral("total"), QStringLiteral("h6"));
    f.date = new QDateEdit(f.group);
    f.date->setObjectName(QStringLiteral("DateP1"));
    f.date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    f.date->setCalendarPopup(true);
    f.date->setFixedWidth(110);
    f.probability = ui::textBox(f.group, QStringLiteral("probability"), limitOf(QStringLiteral("h8")), 40);
    auto *percent = new QHBoxLayout;
    percent->setSpacing(2);
    percent->addWidget(f.probability);
    percent->addWidget(ui::separator(QStringLiteral("%"), f.group));
    percent->addStretch();
    f.salesType = new ui::PickListCombo(f.group);
    f.salesType->setObjectName(QStringLiteral("salesType"));
    f.salesType->setFixedWidth(110);

    auto *grid = new QGridLayout(f.group);
    ui::FormGrid rows(f.group, grid);
    rows.add(QStringLiteral("数量"), f.quantity);
    rows.add(QStringLiteral("预计签单日期"), f.date);
    rows.nextLine();
    rows.add(QStringLiteral("单价"), f.unitPrice);
    rows.add(QStringLiteral("概率"), f.probability, percent);
    rows.nextLine();
    rows.add(QStringLiteral("总计"), f.total);
    if (typePlace)
        rows.add(QStringLiteral("销售类型"), f.salesType, typePlace(f.salesType));
    else
        rows.add(QStringLiteral("销售类型"), f.salesType);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return f;
}

} // namespace analyses
