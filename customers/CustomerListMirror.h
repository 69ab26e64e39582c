#pragma once

#include "HandOver.h"

#include <QMap>
#include <QWidget>

namespace data {
class StandingQuery;
}

namespace ui {
class DbEdit;
}

// The customer list's hidden fields: one per column of atc1 (a25 aside),
// each bound to the current customer of atc1_all. The list reads the current
// customer through them, never from the grid's cells.
class CustomerListMirror : public QWidget {
    Q_OBJECT
public:
    explicit CustomerListMirror(QWidget *parent = nullptr);
    void bind(data::StandingQuery *customers);

    QString value(const QString &column) const;
    // What a window opened for the current customer is handed.
    ui::CustomerRef customer() const;

private:
    QMap<QString, ui::DbEdit *> m_fields;
};
