#pragma once

#include <QString>

namespace data {
class StandingQuery;
}

namespace ui {

// The customer a view hands to the window it opens for that customer.
struct CustomerRef {
    QString aid;
    QString a1; // Chinese name
    QString a2; // English name
    QString a12; // salutation
};

// A window opened for one customer (new activity, new analysis).
class CustomerWindow {
public:
    virtual ~CustomerWindow() = default;
    virtual void setCustomer(const CustomerRef &customer) = 0;
};

// A window opened for the selected row of a standing query (ending an
// activity, following up an analysis): it takes the row's values.
class RowWindow {
public:
    virtual ~RowWindow() = default;
    virtual void takeRow(const data::StandingQuery &query) = 0;
};

// Opens a modal window by instance name, once the subsystem that owns it has
// built it; returns whether it was there.
bool openWindow(const QString &name);
bool openForCustomer(const QString &name, const CustomerRef &customer);
bool openForRow(const QString &name, const data::StandingQuery &query);

} // namespace ui
