#include "Windows.h"

#include "TData_in.h"
#include "WindowNames.h"

#include <stdexcept>

namespace ui {

std::map<QString, QObject *> &Windows::table()
{
    static std::map<QString, QObject *> windows;
    return windows;
}

void Windows::add(const QString &name, QObject *window)
{
    table()[name] = window;
}

void Windows::clear()
{
    table().clear();
}

QObject *Windows::find(const QString &name)
{
    const auto it = table().find(name);
    return it == table().end() ? nullptr : it->second;
}

TData_in &Windows::data()
{
    auto *d = get<TData_in>(ui::names::Data_in);
    if (!d)
        throw std::logic_error("the data module is not open");
    return *d;
}

} // namespace ui
