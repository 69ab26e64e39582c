#include "StarRating.h"

#include <QAccessible>
#include <QImage>
#include <QTest>

using ui::StarRating;

class TestStarRating : public QObject {
    Q_OBJECT
private slots:
    void ratingSequence_data();
    void ratingSequence();
    void paintsGoldStarsFromTheLeft();
};

void TestStarRating::ratingSequence_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("stars");

    QTest::newRow("nothing set") << QStringList{} << 0;
    QTest::newRow("unknown first") << QStringList{"x"} << 0;
    QTest::newRow("three") << QStringList{"3"} << 3;
    QTest::newRow("letter clears") << QStringList{"3", "x"} << 0;
    QTest::newRow("empty clears") << QStringList{"3", ""} << 0;
    QTest::newRow("six clears") << QStringList{"3", "6"} << 0;
    QTest::newRow("zero clears") << QStringList{"4", "0"} << 0;
    QTest::newRow("padded clears") << QStringList{"2", " 4"} << 0;
    QTest::newRow("padded after clears") << QStringList{"2", "4 "} << 0;
    QTest::newRow("two digits clear") << QStringList{"4", "45"} << 0;
    QTest::newRow("full-width clears") << QStringList{"1", QStringLiteral("５")} << 0;
    QTest::newRow("then five") << QStringList{"3", "x", "5"} << 5;
    QTest::newRow("down to one") << QStringList{"5", "1"} << 1;
}

void TestStarRating::ratingSequence()
{
    QFETCH(QStringList, values);
    QFETCH(int, stars);

    StarRating rating;
    for (const QString &value : values)
        rating.setRating(value);
    QCOMPARE(rating.stars(), stars);
    QCOMPARE(rating.accessibleDescription(), QStringLiteral("%1/5").arg(stars));
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(&rating);
    QCOMPARE(read->text(QAccessible::Name), QStringLiteral("%1 星").arg(stars));
    QCOMPARE(read->text(QAccessible::Value), QString::number(stars));
}

// The middle of each star shows its fill: gold for the first N, not gold after.
void TestStarRating::paintsGoldStarsFromTheLeft()
{
    StarRating rating;
    rating.resize(rating.sizeHint());
    const QColor gold(0xFF, 0xC0, 0x00);
    const int cell = rating.height();

    for (int stars : {3, 5, 1}) {
        rating.setRating(QString::number(stars));
        const QImage image = rating.grab().toImage();
        for (int i = 0; i < StarRating::MaxStars; ++i) {
            const QColor middle = image.pixelColor(i * cell + cell / 2, cell / 2);
            QVERIFY2((middle == gold) == (i < stars),
                     qPrintable(QStringLiteral("rating %1, star %2: %3").arg(stars).arg(i + 1).arg(middle.name())));
        }
    }
}

QTEST_MAIN(TestStarRating)
#include "test_starrating.moc"
