// The field tables of the records: every column they name exists, and the
// statements derived from them are the ones the program has always run.
#include "ActivityText.h"
#include "ColumnCheck.h"
#include "DbGrid.h"
#include "FieldTable.h"
#include "MessageBox.h"
#include "SearchText.h"
#include "Startup.h"
#include "TData_in.h"
#include "TestSupport.h"

#include <QApplication>
#include <QTest>

class TestFieldTable : public QObject {
    Q_OBJECT
private slots:
    void everyColumnExists_data();
    void everyColumnExists();
    void unknownColumnsAreFound();
    void customerStatements();
    void companyStatements();
    void memoStatement();
    void activityStatement();
    void analysisAndProductStatements();
    void employeeStatements();
    void shownPlaces();
    void everyWindowBindsKnownColumns();
    void aMisspeltColumnIsCaught();
};

void TestFieldTable::everyColumnExists_data()
{
    QTest::addColumn<const data::RecordDef *>("record");
    QTest::newRow("customers") << &data::customerRecord();
    QTest::newRow("companies") << &data::companyRecord();
    QTest::newRow("memos") << &data::memoRecord();
    QTest::newRow("activities") << &data::activityRecord();
    QTest::newRow("analyses") << &data::analysisRecord();
    QTest::newRow("products") << &data::productRecord();
    QTest::newRow("employees") << &data::employeeRecord();
}

void TestFieldTable::everyColumnExists()
{
    QFETCH(const data::RecordDef *, record);
    QCOMPARE(data::unknownColumns(*record), QStringList());
    QStringList columns;
    for (const data::FieldDef &field : record->fields) {
        QVERIFY2(!columns.contains(field.column), qPrintable(field.column));
        columns << field.column;
    }
}

void TestFieldTable::unknownColumnsAreFound()
{
    const data::RecordDef misspelt{QStringLiteral("atc1"), QStringLiteral("aid"), {{"a1"}, {"a29"}, {"c1"}}};
    QCOMPARE(data::unknownColumns(misspelt), (QStringList{"a29", "c1"}));
    // A place of the form or the details may only show the record's own fields.
    const data::RecordDef shown{"atc1", "aid", {{"a1"}}, ")", {{{{}, {"a1", "a15"}}}}, {{{}, {"a1", "a16"}}}};
    QCOMPARE(data::unknownColumns(shown), (QStringList{"a15", "a16"}));
    const data::RecordDef noTable{QStringLiteral("atc9"), QStringLiteral("aid"), {}};
    QCOMPARE(data::unknownColumns(noTable), QStringList{"atc9"});
}

void TestFieldTable::customerStatements()
{
    const data::RecordDef &customers = data::customerRecord();
    QCOMPARE(data::insertStatement(customers),
             QStringLiteral("insert into atc1 (a1,a2,a3,a4,a5,a6,a7,a8,a9,a10,a11,a12,a13,a14,a15,a16,a17,a18,a19,a20,"
                            "a21,a22,a23,a24,a26,a27,a28 ) values (:a,:b,:c,:d,:e,:f,:g,:h,:i,:j,:k,:l,:m,:n,:o,:p,:q,"
                            ":r,:s,:t,:u,:v,:w,:x,:y,:z,:aa)"));
    QCOMPARE(data::searchedColumns(customers),
             (QStringList{"a1", "a2", "a3", "a5", "a7", "a8", "a12", "a13", "a26", "a18", "a19", "a21", "a22", "a24",
                          "a27"}));
    QStringList mirrored = data::mirroredColumns(customers);
    QCOMPARE(mirrored.size(), 28); // aid and a1..a28 without a25
    QVERIFY(mirrored.contains("aid") && !mirrored.contains("a25"));
    QCOMPARE(data::customerSearch({{"a1", "张"}, {"a27", "13"}}),
             QStringLiteral("select * from atc1 where a1 like '%张%' escape '\\' and a2 like '%%' escape '\\' and "
                            "a3 like '%%' escape '\\' and a5 like '%%' escape '\\' and a7 like '%%' escape '\\' and "
                            "a8 like '%%' escape '\\' and a12 like '%%' escape '\\' and a13 like '%%' escape '\\' and "
                            "a26 like '%%' escape '\\' and a18 like '%%' escape '\\' and a19 like '%%' escape '\\' and "
                            "a21 like '%%' escape '\\' and a22 like '%%' escape '\\' and a24 like '%%' escape '\\' and "
                            "a27 like '%13%' escape '\\' order by aid desc"));
}

void TestFieldTable::companyStatements()
{
    const data::RecordDef &companies = data::companyRecord();
    QCOMPARE(data::insertStatement(companies),
             QStringLiteral("insert into atc2 (c1,c2,c3,c4,c5,c6,c7,c8,c9,c10,c11,c12,c13,c14,c15,c16,c17) values "
                            "(:a,:b,:c,:d,:e,:f,:g,:h,:i,:j,:k,:l,:m,:n,:o,:p,:q)"));
    QCOMPARE(data::searchedColumns(companies), (QStringList{"c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9",
                                                            "c10", "c11", "c12", "c14", "c15", "c16"}));
}

void TestFieldTable::memoStatement()
{
    QCOMPARE(data::insertStatement(data::memoRecord()),
             QStringLiteral("insert into vtv3 (j1,j2,j3,j4,j5,j6,j7,j8,j9) values (:a,:b,:c,:d,:e,:f,:g,:h,:i)"));
}

// The activity's insert closes its column list with a blank before the
// bracket and has none before "values", as it always has.
void TestFieldTable::activityStatement()
{
    const data::RecordDef &activities = data::activityRecord();
    QCOMPARE(data::insertStatement(activities),
             QStringLiteral("insert into vtv1 (e2,e3,e4,e5,e6,e7,e8,e9,e10,e11,e12,e13,e14,e15 )values "
                            "(:a,:b,:c,:d,:e,:f,:g,:h,:i,:j,:k,:l,:m,:n)"));
    QCOMPARE(data::searchedColumns(activities), (QStringList{"e5", "e11", "e12", "e3", "e6", "e8", "e7"}));
    QCOMPARE(data::field(activities, QStringLiteral("e15")).initial, QStringLiteral("正常"));
    QCOMPARE(data::field(activities, QStringLiteral("e14")).initial, QStringLiteral("0"));
    // The search, the type filter and the end keep their statements' shapes.
    QCOMPARE(data::activitySearch({{"e5", "拜访"}, {"e11", "王"}}),
             QStringLiteral("select * from vtv1 where e5 like '%拜访%' escape '\\' and e11 like '%王%' escape '\\' and "
                            "e12 like '%%' escape '\\' and e3 like '%%' escape '\\' and e6 like '%%' escape '\\' and "
                            "e8 like '%%' escape '\\' and e7 like '%%' escape '\\' order by eid desc"));
    QCOMPARE(data::activityTypeFilter("计划"), QStringLiteral("select * from vtv1 where e5 like '%计划%' order by e3 desc"));
    QCOMPARE(data::activityTypeFilter("全部"), QStringLiteral("select * from vtv1 order by e3 desc"));
    QCOMPARE(data::activityTypeFilter("拜"), QString());
    QCOMPARE(data::endActivityStatement(), QStringLiteral("update vtv1 set e15=:b where eid=:a "));
    QCOMPARE(data::activityTypeCode("计划"), QStringLiteral("3"));
}

// The analysis and product inserts as they have always been written, and
// their searches' conditions in the order the search windows build them.
void TestFieldTable::analysisAndProductStatements()
{
    const data::RecordDef &analyses = data::analysisRecord();
    QCOMPARE(data::insertStatement(analyses),
             QStringLiteral("insert into vtv2 (h1,h2,h3,h4,h5,h6,h7,h8,h9,h10,h11,h12,h13,h14 )values "
                            "(:a,:b,:c,:d,:e,:f,:g,:h,:i,:j,:k,:l,:m,:n)"));
    QCOMPARE(data::searchedColumns(analyses),
             (QStringList{"h12", "h13", "h2", "h4", "h5", "h6", "h7", "h3", "h10", "h9", "h8"}));
    const data::RecordDef &products = data::productRecord();
    QCOMPARE(data::insertStatement(products),
             QStringLiteral("insert into vtv4 (o1,o2,o3,o4,o5,o6,o7,o8,o9,o10,o11) values "
                            "(:a,:b,:c,:d,:e,:f,:g,:h,:i,:j,:k)"));
    QCOMPARE(data::searchedColumns(products),
             (QStringList{"o1", "o8", "o11", "o2", "o3", "o4", "o10", "o5", "o6", "o7"}));
    // Numbers are matched as text; a typed quote or wildcard is literal.
    QCOMPARE(data::productSearch({{"o1", "50%"}, {"o5", "5"}}),
             QStringLiteral("select * from vtv4 where o1 like '%50\\%%' escape '\\' and o8 like '%%' escape '\\' and "
                            "o11 like '%%' escape '\\' and o2 like '%%' escape '\\' and o3 like '%%' escape '\\' and "
                            "o4 like '%%' escape '\\' and o10 like '%%' escape '\\' and o5 like '%5%' escape '\\' and "
                            "o6 like '%%' escape '\\' and o7 like '%%' escape '\\' order by oid desc"));
    QVERIFY(data::analysisSearch({{"h12", "O'Neil"}})
                .startsWith(QStringLiteral("select * from vtv2 where h12 like '%O''Neil%' escape '\\' and h13 like")));
    QVERIFY(data::analysisSearch({}).endsWith(QStringLiteral("h8 like '%%' escape '\\' order by hid desc")));
}

// The employee insert names its parameters after their columns, department
// and position last; the search keeps the order of the search window.
void TestFieldTable::employeeStatements()
{
    const data::RecordDef &employees = data::employeeRecord();
    QCOMPARE(data::insertStatement(employees),
             QStringLiteral("insert into utm1 (u1,u2,u6,u7,u8,u9,u10,u11,u12,u13,u14,u15,u16,u17,u18,u19,u20,u21,"
                            "u22,u4,u5)values (:u1,:u2,:u6,:u7,:u8,:u9,:u10,:u11,:u12,:u13,:u14,:u15,:u16,:u17,"
                            ":u18,:u19,:u20,:u21,:u22,:u4,:u5)"));
    const auto parameters = data::insertParameters(employees, [](const QString &column) { return column; });
    QCOMPARE(parameters.size(), size_t(21));
    for (const auto &[parameter, value] : parameters)
        QCOMPARE(parameter, u':' + value);
    QCOMPARE(data::searchedColumns(employees),
             (QStringList{"u1", "u2", "u20", "u6", "u8", "u9", "u10", "u11", "u12", "u7", "u19", "u5", "u4", "u17",
                          "u18", "u13", "u14", "u15", "u16", "u22"}));
    QVERIFY(data::employeeSearch({{"u15", "1"}})
                .startsWith(QStringLiteral("select * from utm1 where u1 like '%%' escape '\\' and u2 like")));
    QVERIFY(data::employeeSearch({{"u15", "1"}}).contains(QStringLiteral(" and u15 like '%1%' escape '\\' and ")));
    QVERIFY(data::employeeSearch({}).endsWith(QStringLiteral("u22 like '%%' escape '\\' order by uid desc")));
}

// The places of the form's supplement and the details take their captions
// from their fields, and a value joins its columns with the texts between.
void TestFieldTable::shownPlaces()
{
    const data::RecordDef &customers = data::customerRecord();
    QCOMPARE(data::captionOf(customers, {{}, {"a15", "a16"}}), QStringLiteral("家庭地址"));
    QCOMPARE(data::captionOf(customers, {"电   话2", {"a20"}}), QStringLiteral("电   话2"));
    const QMap<QString, QString> values{{"a20", "020"}, {"a4", "555"}};
    const auto valueOf = [&](const QString &column) { return values.value(column); };
    QCOMPARE(data::joinedValue({{}, {"a20", "a4", "a23"}, {"-", " 转 "}}, valueOf), QStringLiteral("020-555 转 "));
    QCOMPARE(data::joinedValue({{}, {"a4"}}, valueOf), QStringLiteral("555"));
    QVERIFY_THROWS_EXCEPTION(std::logic_error, data::field(customers, QStringLiteral("a25")));
}

// The whole program binds its grids, fields and drop-downs to columns its
// tables have.
void TestFieldTable::everyWindowBindsKnownColumns()
{
    ui::MessageBox::setTestMode(true);
    QApplication::setQuitOnLastWindowClosed(false);
    testing::TempInstall install;
    data::clearUnknownBindings();
    auto started = std::make_unique<app::Startup>(QDir::current());
    QCOMPARE(data::unknownBindings(), QStringList());
}

void TestFieldTable::aMisspeltColumnIsCaught()
{
    testing::TempInstall install;
    TData_in data(QDir::current());
    data::setUnknownColumnsFatal(false);
    data::clearUnknownBindings();
    ui::DbGrid grid;
    grid.bind(&data.atc1_all(), {{"a1", "中文名"}, {"a99", "?"}});
    data::setUnknownColumnsFatal(true);
    QCOMPARE(data::unknownBindings(), QStringList{"atc1_all.a99"});
}

QTEST_MAIN(TestFieldTable)
#include "test_fieldtable.moc"
