#include "Tover_user.h"

#include "EmployeeCaptions.h"
#include "FormParts.h"
#include "StandingQuery.h"
#include "WindowNames.h"
#include "WrappedValue.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// A value wraps at this width over at most two lines, so that values of any
// length keep the window on the screen.
constexpr int kValueWidth = 200;
constexpr int kValueLines = 2;

ui::FormGridLook gridLook()
{
    return {.captions = Qt::AlignRight | Qt::AlignVCenter, .fields = Qt::AlignLeft};
}

} // namespace

Tover_user::Tover_user(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, ui::names::Tover_user, QStringLiteral("员工详细信息"));
    ui::layOutWindow(this, ui::titleStrip(QStringLiteral("  员工详细信息"), this),
                     {createBasicGroup(), createContactGroup(), createRemarksGroup()}, {});
}

QLabel *Tover_user::value(const QString &column, QWidget *parent)
{
    auto *label = new ui::WrappedValue(parent, kValueWidth, kValueLines);
    label->setObjectName(column);
    label->setMinimumWidth(kValueWidth);
    m_values[column] = label;
    return label;
}

QGroupBox *Tover_user::createBasicGroup()
{
    auto *group = ui::groupBox(QStringLiteral("基本信息"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    ui::FormGrid rows(group, grid, gridLook());
    const QStringList left{"u1", "u2", "u20", "u6", "u7", "u19", "u8"};
    const QStringList right{"u9", "u10", "u11", "u12", "u17", "u18"};
    for (qsizetype i = 0; i < left.size(); ++i) {
        rows.add(employees::captionOf(left[i]), value(left[i], group));
        if (i < right.size())
            rows.add(employees::captionOf(right[i]), value(right[i], group));
        rows.nextLine();
    }
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox *Tover_user::createContactGroup()
{
    auto *group = ui::groupBox(QStringLiteral("联系方式"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    ui::FormGrid rows(group, grid, gridLook());
    rows.add(employees::captionOf("u13"), value("u13", group));
    rows.add(employees::captionOf("u14"), value("u14", group));
    rows.nextLine();
    rows.add(employees::captionOf("u15"), value("u15", group));
    rows.add(employees::captionOf("u16"), value("u16", group));
    rows.nextLine();
    rows.add(employees::captionOf("u22"), value("u22", group), 3);
    grid->setColumnStretch(3, 1);
    return group;
}

QGroupBox *Tover_user::createRemarksGroup()
{
    auto *group = ui::groupBox(QStringLiteral("备注"), this);
    Memo1 = new QPlainTextEdit(group);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("备注"));
    Memo1->setReadOnly(true);
    Memo1->setFixedHeight(70);
    QPalette grey = Memo1->palette();
    grey.setColor(QPalette::Base, QColor(224, 224, 224));
    Memo1->setPalette(grey);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(Memo1);
    return group;
}

void Tover_user::takeRow(const data::StandingQuery &query)
{
    for (const auto &[column, label] : m_values)
        label->setText(query.field(column));
    Memo1->setPlainText(query.field(QStringLiteral("u21")));
}

void Tover_user::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        ui::readyToOpen(this);
    QDialog::showEvent(event);
}
