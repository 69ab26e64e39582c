#include "HandOver.h"

#include "Windows.h"

#include <QDialog>

namespace ui {

bool openWindow(const QString &name)
{
    auto *window = Windows::get<QDialog>(name);
    if (!window)
        return false;
    window->exec();
    return true;
}

bool openForCustomer(const QString &name, const CustomerRef &customer)
{
    auto *target = dynamic_cast<CustomerWindow *>(Windows::find(name));
    if (!target)
        return false;
    target->setCustomer(customer);
    return openWindow(name);
}

bool openForRow(const QString &name, const data::StandingQuery &query)
{
    auto *target = dynamic_cast<RowWindow *>(Windows::find(name));
    if (!target)
        return false;
    target->takeRow(query);
    return openWindow(name);
}

} // namespace ui
