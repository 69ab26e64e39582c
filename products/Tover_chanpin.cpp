#include "Tover_chanpin.h"

#include "FormParts.h"
#include "ProductForm.h"
#include "StandingQuery.h"

#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// What the list copies into the window.
const char *const kShown[] = {"o1", "o11", "o2", "o3", "o4", "o8", "o10", "o5", "o6", "o7", "o9"};

} // namespace

Tover_chanpin::Tover_chanpin(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, QStringLiteral("over_chanpin"), QStringLiteral("产品详细信息"));
    m_form = new ProductForm(ProductForm::Kind::Detail, this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(m_form);
}

void Tover_chanpin::takeRow(const data::StandingQuery &query)
{
    for (const char *column : kShown) {
        const QString c = QString::fromLatin1(column);
        m_form->setText(c, query.field(c));
    }
}

void Tover_chanpin::showEvent(QShowEvent *event)
{
    if (!event->spontaneous())
        ui::readyToOpen(this);
    QDialog::showEvent(event);
}
