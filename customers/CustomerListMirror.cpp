#include "CustomerListMirror.h"

#include "DbControls.h"
#include "FieldTable.h"

#include <QVBoxLayout>

CustomerListMirror::CustomerListMirror(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("customerMirror"));
    new QVBoxLayout(this);
    hide();
}

void CustomerListMirror::bind(data::StandingQuery *customers)
{
    for (const QString &column : data::mirroredColumns(data::customerRecord())) {
        auto *field = new ui::DbEdit(this);
        field->setObjectName(column);
        field->bind(customers, column);
        layout()->addWidget(field);
        m_fields.insert(column, field);
    }
}

QString CustomerListMirror::value(const QString &column) const
{
    const ui::DbEdit *field = m_fields.value(column);
    return field ? field->text() : QString();
}

ui::CustomerRef CustomerListMirror::customer() const
{
    return {value(QStringLiteral("aid")), value(QStringLiteral("a1")), value(QStringLiteral("a2")),
            value(QStringLiteral("a12"))};
}
