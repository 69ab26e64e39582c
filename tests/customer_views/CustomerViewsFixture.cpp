#include "CustomerViewsFixture.h"

#include "DbGrid.h"
#include "StandingQuery.h"
#include "Statement.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "Windows.h"
#include "customers/TFrame_lianxiren.h"
#include "customers/TFrame_liebiao.h"

#include <QTest>

namespace testing {

namespace {

// On file before the program starts, as a user's start-up finds them.
Rows sampleRows()
{
    Rows rows;
    const auto insert = [&rows](const char *table, Row row) { rows.push_back({QString::fromLatin1(table), std::move(row)}); };
    insert("atc2", {{"c1", "甲公司"}, {"c2", "Jia Co"}, {"c3", "甲"}, {"c4", "上海"}, {"c5", "徐汇"},
                    {"c6", "www.jia.cn"}, {"c11", "8888"}, {"c12", "6666"}, {"c13", "做软件"}, {"c14", "010"},
                    {"c15", "020"}, {"c16", "1"}});
    insert("atc2", {{"c1", "乙公司"}, {"c11", "7777"}, {"c14", "021"}});

    insert("atc1", {{"a1", "张三"}, {"a2", "Zhang"}, {"a3", "123"}, {"a4", "456"}, {"a5", "13900000000"},
                    {"a6", "138"}, {"a7", "777"}, {"a8", "z@x.cn"}, {"a9", "zs@msn"}, {"a10", "12345"},
                    {"a11", "3"}, {"a12", "先生"}, {"a13", "销售部"}, {"a14", "1"}, {"a15", "北京路1号"},
                    {"a16", "100000"}, {"a17", "老客户"}, {"a18", "甲公司"}, {"a19", "0"}, {"a20", "021"},
                    {"a21", "010"}, {"a22", "45"}, {"a23", "9"}, {"a24", "8"}, {"a26", "经理"}, {"a27", "0"},
                    {"a28", "0"}});
    insert("atc1", {{"a1", "李四"}, {"a2", "Li"}, {"a11", "5"}, {"a12", "女士"}, {"a14", "2"}, {"a18", "乙公司"}});
    insert("atc1", {{"a1", "王五"}, {"a11", "x"}, {"a12", "先生"}, {"a14", "1"}, {"a18", "甲公司"}});
    insert("atc1", {{"a1", "赵六"}, {"a11", "2"}, {"a14", "99"}, {"a18", "旧公司"}});

    for (const char *text : {"张三备忘一", "张三备忘二", "张三备忘三"})
        insert("vtv3", {{"j1", "1"}, {"j2", "2024-05-01"}, {"j4", text}, {"j5", "1"}, {"j7", "0"}});
    insert("vtv3", {{"j1", "2"}, {"j2", "2024-05-02"}, {"j4", "李四备忘"}, {"j5", "1"}, {"j7", "0"}});
    insert("vtv3", {{"j1", "0"}, {"j2", "2024-05-03"}, {"j4", "公司备忘"}, {"j5", "2"}, {"j7", "1"}});

    insert("vtv1", {{"e2", "1"}, {"e3", "2024-06-01 09:00"}, {"e5", "沟通"}, {"e11", "张三"}, {"e15", "未结束"}});
    insert("vtv1", {{"e2", "1"}, {"e3", "2024-06-03 09:00"}, {"e5", "拜访"}, {"e11", "张三"}, {"e15", "已结束"}});
    insert("vtv1", {{"e2", "2"}, {"e3", "2024-06-02 09:00"}, {"e5", "计划"}, {"e11", "李四"}, {"e15", "未结束"}});
    insert("vtv1", {{"e2", "3"}, {"e3", "2024-06-04 09:00"}, {"e5", "沟通"}, {"e11", "王五"}, {"e15", "未结束"}});

    insert("vtv2", {{"h1", "1"}, {"h2", "软件"}, {"h9", "初步接触"}, {"h12", "张三"}});
    insert("vtv2", {{"h1", "2"}, {"h2", "硬件"}, {"h9", "签约"}, {"h12", "李四"}});
    return rows;
}

} // namespace

void StandInWindow::takeRow(const data::StandingQuery &query)
{
    rowKey = query.field(query.keyColumn());
}

CustomerViews::CustomerViews() : Program(sampleRows())
{
    for (const char *name : {"Tnew_sell", "Tnew_fenxi", "Tover_sell", "Tover_fenxi"}) {
        auto standIn = std::make_unique<StandInWindow>();
        ui::Windows::add(QString::fromLatin1(name), standIn.get());
        m_standIns[QString::fromLatin1(name)] = std::move(standIn);
    }
}

// The stand-ins go before the program: nothing finds them any more.
CustomerViews::~CustomerViews()
{
    for (const auto &[name, standIn] : m_standIns)
        ui::Windows::add(name, nullptr);
}

TFrame_liebiao &CustomerViews::list() const
{
    return *main().Frame_liebiao1;
}

TFrame_lianxiren &CustomerViews::detail() const
{
    return *main().Frame_lianxiren1;
}

ui::DbGrid *CustomerViews::listGrid() const
{
    return list().grid();
}

int CustomerViews::listRow(const QString &name) const
{
    const data::StandingQuery &customers = data().atc1_all();
    for (int row = 0; row < customers.count(); ++row) {
        if (customers.value(row, customers.fieldIndex("a1")) == name)
            return row;
    }
    return -1;
}

void CustomerViews::selectCustomer(const QString &name)
{
    const int row = listRow(name);
    QVERIFY2(row >= 0, qPrintable(name));
    main().showView(&list());
    clickRow(listGrid(), row);
    QCOMPARE(data().atc1_all().currentRow(), row);
    QTRY_COMPARE(detail().headerValues().value("a1"), name);
}

void CustomerViews::openCustomer(const QString &name)
{
    selectCustomer(name);
    doubleClickRow(listGrid(), listRow(name));
    QCOMPARE(main().currentView(), &detail());
}

} // namespace testing
