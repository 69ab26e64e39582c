#pragma once

// Employees as the tests put them on file and read them back.
#include "Program.h"

#include <QDate>
#include <QStringList>

namespace testing {

// Every column an employee window writes, u1 to u22 without u3, in order.
inline const QStringList kEmployeeColumns{"u1",  "u2",  "u4",  "u5",  "u6",  "u7",  "u8",  "u9",  "u10", "u11", "u12",
                                          "u13", "u14", "u15", "u16", "u17", "u18", "u19", "u20", "u21", "u22"};

// An employee with every column present (empty where not given), as the new
// window writes one.
inline Row employee(const Row &given)
{
    Row row;
    for (const QString &column : kEmployeeColumns) {
        QVariant value = QString();
        for (const auto &[c, v] : given) {
            if (c == column)
                value = v;
        }
        row.emplace_back(column, value);
    }
    return row;
}

// Each stored employee as "u1|u2|u4|...|u22", in key order.
inline QStringList storedEmployees(const Program &program)
{
    return program.install().columnMain(QStringLiteral("select ") + kEmployeeColumns.join(QStringLiteral("||'|'||"))
                                        + QStringLiteral(" from utm1 order by uid"));
}

// One stored line from the columns given; the others empty.
inline QString employeeLine(const std::map<QString, QString> &values)
{
    QStringList parts;
    for (const QString &column : kEmployeeColumns) {
        const auto found = values.find(column);
        parts << (found == values.end() ? QString() : found->second);
    }
    return parts.join(u'|');
}

inline QString today()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace testing
