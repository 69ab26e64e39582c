#include "CustomerDetailCompany.h"

#include "FieldLink.h"
#include "FormParts.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTextEdit>

CustomerDetailCompany::CustomerDetailCompany(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(createDetails(), 1);
    layout->addWidget(createKeyStrip());
}

QWidget *CustomerDetailCompany::createDetails()
{
    auto *group = new QGroupBox(QStringLiteral("所属公司的详细信息"), this);
    auto *form = new QFormLayout(group);
    form->setLabelAlignment(Qt::AlignRight);
    form->setHorizontalSpacing(12);
    const QString dash = QStringLiteral("-"), transfer = QStringLiteral(" 转 "), comma = QStringLiteral(",");
    struct Row {
        const char *caption;
        QStringList fields;
        QStringList separators;
    };
    const Row rows[] = {
        {"公司名称", {"c1"}, {}},
        {"英文名称", {"c2"}, {}},
        {"简    称", {"c3"}, {}},
        {"总    机", {"c14", "c11"}, {dash}},
        {"传    真", {"c15", "c12", "c16"}, {dash, transfer}},
        {"地    址", {"c4", "c5"}, {comma}},
        {"网    站", {"c6"}, {}},
        {"关    系", {"c7"}, {}},
        {"主要产品", {"c8"}, {}},
        {"所属行业", {"c9"}, {}},
        {"销售规模", {"c10"}, {}},
    };
    for (const Row &row : rows) {
        const QString caption = QString::fromUtf8(row.caption);
        auto *value = new ui::JoinedLabel(group, row.fields, row.separators);
        form->addRow(ui::caption(caption, value, group), value);
        m_values.append(value);
    }
    m_description = new QTextEdit(group);
    m_description->setReadOnly(true);
    m_description->setAccessibleName(QStringLiteral("描    述"));
    m_description->setMinimumHeight(60);
    auto *label = new QLabel(QStringLiteral("描    述"), group);
    label->setBuddy(m_description);
    form->addRow(label, m_description);
    return group;
}

QWidget *CustomerDetailCompany::createKeyStrip()
{
    auto *strip = new QFrame(this);
    strip->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    auto *picture = new QLabel(strip);
    picture->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(24, 24));
    m_key = ui::valueLabel(strip);
    m_key->setMinimumWidth(60);
    QLabel *caption = ui::caption(QStringLiteral("公司编号:"), m_key, strip);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(6, 2, 6, 2);
    row->addWidget(picture);
    row->addWidget(caption);
    row->addWidget(m_key);
    row->addStretch();
    return strip;
}

void CustomerDetailCompany::bind(data::StandingQuery *company)
{
    for (ui::JoinedLabel *value : std::as_const(m_values))
        value->bind(company);
    new ui::FieldLink(m_description, company, QStringLiteral("c13"),
                      [this](const QString &value, bool) { m_description->setPlainText(value); });
}

void CustomerDetailCompany::setCompanyKey(const QString &a14)
{
    m_key->setText(a14);
}

