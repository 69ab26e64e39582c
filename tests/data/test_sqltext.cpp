// Search texts typed by a user are matched literally and never break the statement.
#include "SqlText.h"
#include "TData_in.h"
#include "TestSupport.h"

#include <QTest>

class TestSqlText : public QObject {
    Q_OBJECT
private slots:
    void typedTextIsLiteral_data();
    void typedTextIsLiteral();
    void everyConditionStaysInItsPlace();
};

void TestSqlText::typedTextIsLiteral_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found"); // a1 of the customers found, newest first

    QTest::newRow("empty matches every text") << "" << QStringList{"a\\b", "x_y", "xay", "50%", "o'brien", "王小明", ""};
    QTest::newRow("quote") << "o'b" << QStringList{"o'brien"};
    QTest::newRow("percent is not a wildcard") << "0%" << QStringList{"50%"};
    QTest::newRow("underscore is not a wildcard") << "x_" << QStringList{"x_y"};
    QTest::newRow("backslash") << "\\" << QStringList{"a\\b"};
    QTest::newRow("substring anywhere") << "小" << QStringList{"王小明"};
    QTest::newRow("closing quote and comment") << "'; drop table atc1; --" << QStringList{};
}

void TestSqlText::typedTextIsLiteral()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    testing::TempInstall install;
    for (const char *name : {"", "王小明", "o'brien", "50%", "xay", "x_y", "a\\b"})
        install.execMain(QStringLiteral("insert into atc1 (a1) values (%1)").arg(data::quoted(QString::fromUtf8(name))));
    install.execMain("insert into atc1 (a2) values ('no a1 at all')"); // a column without a value is never found

    TData_in data;
    data.atc1_all().filter(data::searchStatement("atc1", {{"a1", typed}}, "aid desc"));
    QStringList names;
    for (int row = 0; row < data.atc1_all().count(); ++row)
        names << data.atc1_all().value(row, data.atc1_all().fieldIndex("a1"));
    QCOMPARE(names, found);
    QCOMPARE(install.countMain("atc1"), 8);
}

void TestSqlText::everyConditionStaysInItsPlace()
{
    QCOMPARE(data::searchStatement("atc1", {{"a1", "x"}, {"a2", ""}}, "aid desc"),
             QStringLiteral("select * from atc1 where a1 like '%x%' escape '\\' and a2 like '%%' escape '\\' order by aid desc"));
}

QTEST_MAIN(TestSqlText)
#include "test_sqltext.moc"
