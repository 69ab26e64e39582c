// Which texts of a number field are whole numbers the columns hold, and what
// is said of those that are not.
#include "WholeNumber.h"

#include <QTest>

using data::NumberCheck;

class TestWholeNumber : public QObject {
    Q_OBJECT
private slots:
    void check_data();
    void check();
};

void TestWholeNumber::check_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<NumberCheck>("check");
    QTest::addColumn<QString>("stored");  // for a whole number
    QTest::addColumn<QString>("warning"); // of a field captioned 成本价

    const QString notANumber = QStringLiteral("成本价的值不是整数");
    const QString outOfRange = QStringLiteral("成本价的值超出整数范围");
    QTest::newRow("zero") << "0" << NumberCheck::Whole << "0" << "";
    QTest::newRow("leading zeros") << "007" << NumberCheck::Whole << "7" << "";
    QTest::newRow("negative") << "-12" << NumberCheck::Whole << "-12" << "";
    QTest::newRow("beyond 32 bits") << "2147483648" << NumberCheck::Whole << "2147483648" << "";
    QTest::newRow("largest") << "9223372036854775807" << NumberCheck::Whole << "9223372036854775807" << "";
    QTest::newRow("smallest") << "-9223372036854775808" << NumberCheck::Whole << "-9223372036854775808" << "";
    QTest::newRow("one too large") << "9223372036854775808" << NumberCheck::OutOfRange << "" << outOfRange;
    QTest::newRow("one too small") << "-9223372036854775809" << NumberCheck::OutOfRange << "" << outOfRange;
    QTest::newRow("twenty nines") << "99999999999999999999" << NumberCheck::OutOfRange << "" << outOfRange;
    QTest::newRow("empty") << "" << NumberCheck::NotANumber << "" << notANumber;
    QTest::newRow("minus alone") << "-" << NumberCheck::NotANumber << "" << notANumber;
    QTest::newRow("plus sign") << "+5" << NumberCheck::NotANumber << "" << notANumber;
    QTest::newRow("blank around") << " 5" << NumberCheck::NotANumber << "" << notANumber;
    QTest::newRow("decimal") << "1.5" << NumberCheck::NotANumber << "" << notANumber;
    QTest::newRow("full-width digit") << "５" << NumberCheck::NotANumber << "" << notANumber;
    QTest::newRow("Chinese numeral") << "十二" << NumberCheck::NotANumber << "" << notANumber;
}

void TestWholeNumber::check()
{
    QFETCH(QString, text);
    QFETCH(NumberCheck, check);
    QFETCH(QString, stored);
    QFETCH(QString, warning);
    QCOMPARE(data::checkWholeNumber(text), check);
    if (check == NumberCheck::Whole)
        QCOMPARE(data::storedNumber(text), stored);
    QCOMPARE(data::numberWarning(QStringLiteral("成本价"), check), warning);
}

QTEST_APPLESS_MAIN(TestWholeNumber)
#include "test_wholenumber.moc"
