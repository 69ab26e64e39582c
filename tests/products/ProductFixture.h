#pragma once

// The program over a fresh installation whose product pick lists were on
// file at start-up, and products put in as the tests need them.

#include "Driving.h"
#include "MessageBox.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Tone.h"
#include "WindowNames.h"
#include "Windows.h"

#include <QTest>

namespace products_test {

// The entries of the four product pick lists, oldest first (the lists show them newest first).
inline const QStringList kMajors{"办公设备", "耗材"};  // vx13
inline const QStringList kSubs1{"打印", "扫描"};       // vx14
inline const QStringList kSubs2{"黑白", "彩色"};       // vx15
inline const QStringList kStates{"在售", "停售"};      // vx16

// o1..o11 of a product, in column order.
using Product = QStringList;

struct Fixture : testing::Program {
    Fixture()
        : Program([](testing::TempInstall &install) {
              const std::pair<const char *, QStringList> lists[] = {
                  {"vx13", kMajors}, {"vx14", kSubs1}, {"vx15", kSubs2}, {"vx16", kStates}};
              for (const auto &[list, entries] : lists)
                  install.execLookup(QStringLiteral("insert into %1 (mc1) values ('%2')")
                                         .arg(QLatin1String(list), entries.join(QStringLiteral("'),('"))));
          })
    {
        ui::setTonesMuted(true);
    }

    // Stores products, oldest first, and lists them (the pick lists stay as
    // they were read at start-up, as they do in a run).
    void addProducts(const QList<Product> &products)
    {
        for (const Product &p : products) {
            testing::Row row;
            for (int c = 0; c < p.size(); ++c)
                row.emplace_back(QStringLiteral("o%1").arg(c + 1), p[c]);
            insert(QStringLiteral("vtv4"), row);
        }
        data().vtv4_all().reset();
    }

    // o1..o11 of one product as the file holds them, with the stored type of
    // each number: "25:integer". A missing value shows as "<null>".
    Product product(const QString &oid) const
    {
        QStringList columns;
        for (int c = 1; c <= 11; ++c) {
            const bool number = c == 5 || c == 6 || c == 7 || c == 10;
            columns << (number ? QStringLiteral("ifnull(o%1,'<null>')||':'||typeof(o%1)") : QStringLiteral("ifnull(o%1,'<null>')")).arg(c);
        }
        const QStringList row = install().columnMain(
            QStringLiteral("select %1 from vtv4 where oid = %2").arg(columns.join("||char(31)||"), oid));
        return row.isEmpty() ? Product() : row.first().split(QChar(31));
    }
    QStringList names() const { return install().columnMain(QStringLiteral("select o1 from vtv4 order by oid")); }
};

// A stored product as product() shows it: numbers as integers.
inline Product storedAs(Product p)
{
    for (int c : {4, 5, 6, 9})
        p[c] += QStringLiteral(":integer");
    return p;
}

inline QString today()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace products_test
