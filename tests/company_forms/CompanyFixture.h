#pragma once

#include "Driving.h"
#include "MessageBox.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Windows.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>

namespace companies_test {

// The entries of the three company pick lists, oldest first (the lists show them newest first).
inline const QStringList kIndustries{"制造", "零售"};
inline const QStringList kScales{"大型", "小型"};
inline const QStringList kRelations{"客户", "伙伴"};

// The program over a fresh installation whose company pick lists are filled.
struct Fixture : testing::Program {
    Fixture()
    {
        const std::pair<const char *, QStringList> lists[] = {{"vx6", kIndustries}, {"vx7", kScales}, {"vx8", kRelations}};
        for (const auto &[list, entries] : lists) {
            for (const QString &entry : entries)
                insert(list, {{"mc1", entry}});
        }
        reload();
    }

    // c1..c17 of one company as the file holds them; a missing value shows as "<null>".
    QStringList company(const QString &cid) const
    {
        QStringList columns;
        for (int c = 1; c <= 17; ++c)
            columns << QStringLiteral("ifnull(c%1,'<null>')").arg(c);
        const QStringList row = install().columnMain(
            QStringLiteral("select %1 from atc2 where cid = %2").arg(columns.join("||char(31)||"), cid));
        return row.isEmpty() ? QStringList() : row.first().split(QChar(31));
    }
    QStringList newestCompany() const
    {
        return company(install().columnMain("select max(cid) from atc2").value(0));
    }
};

inline QLineEdit *lineEdit(QWidget *root, const QString &caption)
{
    return testing::field<QLineEdit>(root, caption);
}

} // namespace companies_test
