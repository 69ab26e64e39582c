#pragma once

#include <QObject>
#include <QString>
#include <map>

class TData_in;

namespace ui {

// Every window of the program exists once, from start-up to the end, and is
// reached by its instance name ("Ta_main", "Tlist_suoshu", "Data_in").
class Windows {
public:
    static void add(const QString &name, QObject *window);
    static void clear();
    static QObject *find(const QString &name);
    template <typename T> static T *get(const QString &name) { return qobject_cast<T *>(find(name)); }
    static TData_in &data();

private:
    static std::map<QString, QObject *> &table();
};

// A window whose controls show standing queries. The controls are bound once
// the data module exists, whichever of the two was created first.
class DataBound {
public:
    virtual ~DataBound() = default;
    virtual void bindData(TData_in &data) = 0;
};

} // namespace ui
