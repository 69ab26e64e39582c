#include "CustomerListMirror.h"

#include "DbControls.h"

#include <QVBoxLayout>

CustomerListMirror::CustomerListMirror(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("customerMirror"));
    new QVBoxLayout(this);
    hide();
}

void CustomerListMirror::bind(data::StandingQuery *customers)
{
    QStringList columns{QStringLiteral("aid")};
    for (int n = 1; n <= 28; ++n) {
        if (n != 25) // a25 is never used
            columns << QStringLiteral("a%1").arg(n);
    }
    for (const QString &column : columns) {
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
