#include "CustomerDetailHeader.h"

#include "FieldTable.h"
#include "FormParts.h"
#include "StandingQuery.h"
#include "StarRating.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace {

// A caption with the value it names beside it in the next column; the
// caption is the value's label for an accessibility client, which reads the
// value as it is shown.
QLabel *addRow(QGridLayout *grid, int row, int column, const QString &caption, QWidget *parent)
{
    QLabel *value = ui::valueLabel(parent);
    value->setMinimumWidth(150);
    grid->addWidget(ui::caption(caption, value, parent), row, column);
    grid->addWidget(value, row, column + 1);
    return value;
}

} // namespace

CustomerValues mirroredValues(const data::StandingQuery &customers)
{
    CustomerValues values;
    for (const QString &column : data::mirroredColumns(data::customerRecord())) {
        if (column != u"a11") // the rating comes with the opening of a customer
            values.insert(column, customers.field(column));
    }
    return values;
}

CustomerDetailHeader::CustomerDetailHeader(QWidget *parent) : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->addWidget(createDetails(), 1);
    row->addWidget(createRating());
    row->addWidget(createKey());
}

QWidget *CustomerDetailHeader::createDetails()
{
    auto *group = new QGroupBox(QStringLiteral("客户详细资料"), this);
    m_name = ui::valueLabel(group, QStringLiteral("中文名"));
    QFont big = m_name->font();
    big.setPixelSize(19);
    big.setBold(true);
    m_name->setFont(big);
    m_salutation = ui::valueLabel(group, QStringLiteral("称呼"));
    m_back = new QPushButton(QStringLiteral("回 列 表"), group);

    auto *first = new QHBoxLayout;
    first->addWidget(m_name);
    first->addWidget(m_salutation, 0, Qt::AlignBottom);
    first->addStretch();
    first->addWidget(m_back);

    m_english = ui::valueLabel(group, QStringLiteral("英文名"));
    m_job = ui::valueLabel(group, QStringLiteral("职务"));
    m_department = ui::valueLabel(group, QStringLiteral("部门"));
    for (QLabel *green : {m_job, m_department})
        green->setStyleSheet(QStringLiteral("color: green;"));
    auto *second = new QHBoxLayout;
    second->setSpacing(0);
    second->addWidget(m_english);
    second->addWidget(ui::separator(QStringLiteral(","), group));
    second->addWidget(m_job);
    second->addWidget(ui::separator(QStringLiteral(","), group));
    second->addWidget(m_department);
    second->addStretch();

    auto *phones = new QGridLayout;
    phones->setHorizontalSpacing(8);
    m_mobile = addRow(phones, 0, 0, QStringLiteral("手  机:"), group);
    m_phone = addRow(phones, 0, 2, QStringLiteral("电  话:"), group);
    m_fax = addRow(phones, 1, 0, QStringLiteral("传  真:"), group);
    m_mail = addRow(phones, 1, 2, QStringLiteral("E-mail:"), group);
    phones->setColumnStretch(3, 1);

    auto *layout = new QVBoxLayout(group);
    layout->setSpacing(4);
    layout->addLayout(first);
    layout->addLayout(second);
    layout->addLayout(phones);
    return group;
}

QWidget *CustomerDetailHeader::createRating()
{
    auto *group = new QGroupBox(QStringLiteral("级别"), this);
    m_rating = new ui::StarRating(group); // the group's title is its label
    auto *layout = new QVBoxLayout(group);
    layout->addStretch();
    layout->addWidget(m_rating, 0, Qt::AlignCenter);
    layout->addStretch();
    return group;
}

QWidget *CustomerDetailHeader::createKey()
{
    auto *group = new QGroupBox(QStringLiteral("编号"), this);
    m_key = ui::valueLabel(group); // the group's title is its label
    m_key->setAlignment(Qt::AlignCenter);
    m_key->setMinimumWidth(60);
    QFont bold = m_key->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    m_key->setFont(bold);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(m_key);
    return group;
}

void CustomerDetailHeader::showValues(const CustomerValues &values)
{
    m_values = values;
    auto v = [&values](const char *column) { return values.value(QString::fromLatin1(column)); };
    m_name->setText(v("a1"));
    m_salutation->setText(v("a12"));
    m_english->setText(v("a2"));
    m_job->setText(v("a26"));
    m_department->setText(v("a13"));
    m_mobile->setText(v("a27") + u'-' + v("a5"));
    m_phone->setText(v("a19") + u'-' + v("a3") + QStringLiteral(" 转 ") + v("a22"));
    m_fax->setText(v("a21") + u'-' + v("a7") + QStringLiteral(" 转 ") + v("a24"));
    m_mail->setText(v("a8"));
    m_key->setText(v("aid"));
}

void CustomerDetailHeader::showRating(const QString &a11)
{
    m_rating->setRating(a11);
}

int CustomerDetailHeader::stars() const
{
    return m_rating->stars();
}

ui::CustomerRef CustomerDetailHeader::customer() const
{
    return {m_key->text(), m_name->text(), m_english->text(), m_salutation->text()};
}
