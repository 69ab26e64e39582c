// Search texts typed by a user are matched literally and never break the statement.
#include "SqlText.h"
#include "TData_in.h"
#include "TestSupport.h"

#include <QTest>

namespace {

const QString kNul(QChar(0));
const QString kPercents(60000, u'%');

QStringList namesFound(TData_in &data, const QString &typed)
{
    data.atc1_all().filter(data::searchStatement("atc1", {{"a1", typed}}, "aid desc"));
    QStringList names;
    for (int row = 0; row < data.atc1_all().count(); ++row)
        names << data.atc1_all().value(row, data.atc1_all().fieldIndex("a1"));
    return names;
}

} // namespace

class TestSqlText : public QObject {
    Q_OBJECT
private slots:
    void typedTextIsLiteral_data();
    void typedTextIsLiteral();
    void everyConditionStaysInItsPlace();
    void anyTextIsLiteral_data();
    void anyTextIsLiteral();
    void textsBeyondPatternsAreStillConditions_data();
    void textsBeyondPatternsAreStillConditions();
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
    QCOMPARE(namesFound(data, typed), found);
    QCOMPARE(install.countMain("atc1"), 8);
}

void TestSqlText::everyConditionStaysInItsPlace()
{
    QCOMPARE(data::searchStatement("atc1", {{"a1", "x"}, {"a2", ""}}, "aid desc"),
             QStringLiteral("select * from atc1 where a1 like '%x%' escape '\\' and a2 like '%%' escape '\\' order by aid desc"));
}

void TestSqlText::anyTextIsLiteral_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found"); // newest first

    const QString prefixed = QStringLiteral("k") + kPercents + QStringLiteral("K");
    const QString umlaut = QStringLiteral("ä") + kPercents;
    QTest::newRow("NUL inside") << "a" + kNul + "b" << QStringList{"xA" + kNul + "By", "a" + kNul + "b"};
    QTest::newRow("NUL alone") << kNul << QStringList{"a" + kNul + "c", "xA" + kNul + "By", "a" + kNul + "b"};
    QTest::newRow("NUL and a quote") << kNul + "'" << QStringList{};
    QTest::newRow("60,000 percent signs") << kPercents << QStringList{umlaut, prefixed, kPercents};
    QTest::newRow("long, letters of either case") << "K" + kPercents + "k" << QStringList{prefixed};
    QTest::newRow("long, other letters only as typed") << QStringLiteral("Ä") + kPercents << QStringList{};
    QTest::newRow("long, quote") << kPercents + "'" << QStringList{};
    // A pattern of exactly the engine's limit, and one byte more.
    QTest::newRow("pattern at the limit") << QString(24999, u'%') << QStringList{umlaut, prefixed, kPercents};
    QTest::newRow("pattern past the limit") << QString(24999, u'%') + "K" << QStringList{prefixed};
}

// A NUL character, which ends the engine's patterns, and texts too long for a
// pattern find exactly the rows that contain them, letters A-Z matching
// either case as "like" has them; the statement never fails.
void TestSqlText::anyTextIsLiteral()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    testing::TempInstall install;
    TData_in data;
    const QStringList names{"a", "a" + kNul + "b", "ab", "xA" + kNul + "By", "a" + kNul + "c", kPercents,
                            QStringLiteral("k") + kPercents + QStringLiteral("K"), QStringLiteral("ä") + kPercents};
    for (const QString &name : names)
        data.Con_data().execute("insert into atc1 (a1) values (:a1)", {{":a1", name}});
    data.Con_data().execute("insert into atc1 (a2) values ('no a1 at all')");
    QCOMPARE(install.columnMain("select length(cast(a1 as blob)) from atc1 where aid = 2"), QStringList{"3"}); // a, NUL, b

    QCOMPARE(namesFound(data, typed), found);
    QVERIFY(data.atc1_all().isOpen());
}

void TestSqlText::textsBeyondPatternsAreStillConditions_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("condition");
    QTest::newRow("NUL") << "a" + kNul + "'" << "instr(lower(a1), lower(cast(x'610027' as text))) > 0";
    QTest::newRow("too long for a pattern") << QString(25000, u'_')
                                            << "instr(lower(a1), lower('" + QString(25000, u'_') + "')) > 0";
    QTest::newRow("as long as a pattern may be") << QString(24999, u'_')
                                                 << "a1 like '%" + QStringLiteral("\\_").repeated(24999) + "%' escape '\\'";
}

// Only such texts leave the usual "like" condition, still in their place.
void TestSqlText::textsBeyondPatternsAreStillConditions()
{
    QFETCH(QString, typed);
    QFETCH(QString, condition);
    QCOMPARE(data::searchStatement("atc1", {{"a2", "x"}, {"a1", typed}}, "aid desc"),
             QStringLiteral("select * from atc1 where a2 like '%x%' escape '\\' and ") + condition
                 + QStringLiteral(" order by aid desc"));
}

QTEST_MAIN(TestSqlText)
#include "test_sqltext.moc"
