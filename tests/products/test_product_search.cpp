// The product search window over the whole program: every criterion a
// literal substring of its column, the creation date only once the picker
// was changed, the result in the product list.
#include "ProductFixture.h"
#include "Ta_main.h"

#include <QDateEdit>
#include <QTest>

using namespace products_test;

namespace {

const QString kFind = QStringLiteral("Tfind_chanpin");

// Name, cost, status and creation date vary; the rest is alike.
Product product(const QString &name, const QString &cost, const QString &status = QStringLiteral("在售"),
                const QString &created = QStringLiteral("2001-02-03"))
{
    return {name, "耗材", "", "", cost, "1", "2", created, "", "3", status};
}

} // namespace

class TestProductSearch : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void criteria_data();
    void criteria();
    void dateCountsOnlyOncePicked_data();
    void dateCountsOnlyOncePicked();
    void numberFieldsTakeDigitsOnly();

private:
    QStringList found() const; // the names vtv4_all holds, in order

    std::unique_ptr<Fixture> m_fixture;
};

void TestProductSearch::init()
{
    m_fixture = std::make_unique<Fixture>();
    m_fixture->addProducts({product("五号", "5"), product("六号", "6", "停售"), product("十五号", "15"),
                            product("O'Neil 50%", "50", "停售", today()), product("O'Neil 500", "500"),
                            product("50x", "60")});
}

void TestProductSearch::cleanup()
{
    m_fixture.reset();
}

QStringList TestProductSearch::found() const
{
    const data::StandingQuery &products = m_fixture->data().vtv4_all();
    QStringList names;
    for (int row = 0; row < products.count(); ++row)
        names << products.value(row, products.fieldIndex("o1"));
    return names;
}

void TestProductSearch::criteria_data()
{
    QTest::addColumn<QStringList>("typed");  // caption, text, caption, text...; a drop-down's text is chosen
    QTest::addColumn<QStringList>("names");  // found, newest first

    QTest::newRow("nothing typed: every product") << QStringList{}
                                                  << QStringList{"50x", "O'Neil 500", "O'Neil 50%", "十五号", "六号", "五号"};
    QTest::newRow("cost 5 anywhere in the number") << QStringList{"  成 本 价:￥", "5"}
                                                   << QStringList{"O'Neil 500", "O'Neil 50%", "十五号", "五号"};
    QTest::newRow("name part") << QStringList{"名 称:", "五"} << QStringList{"十五号", "五号"};
    QTest::newRow("status") << QStringList{"状 态:", "停售"} << QStringList{"O'Neil 50%", "六号"};
    QTest::newRow("a quote is a quote") << QStringList{"名 称:", "O'N"} << QStringList{"O'Neil 500", "O'Neil 50%"};
    QTest::newRow("a percent sign is a percent sign") << QStringList{"名 称:", "50%"} << QStringList{"O'Neil 50%"};
    QTest::newRow("an underscore is no wildcard") << QStringList{"名 称:", "5_"} << QStringList{};
    QTest::newRow("two criteria") << QStringList{"名 称:", "O'Neil", "状 态:", "在售"} << QStringList{"O'Neil 500"};
}

void TestProductSearch::criteria()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, names);
    QVERIFY(testing::runModal(kFind, [&](QDialog *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("搜索产品"));
        for (qsizetype i = 0; i + 1 < typed.size(); i += 2) {
            QWidget *f = testing::field(w, typed[i]);
            if (auto *combo = qobject_cast<QComboBox *>(f))
                QVERIFY(testing::choose(combo, typed[i + 1]));
            else
                testing::typeInto(f, typed[i + 1]);
        }
        testing::click(w, "搜 索");
        QVERIFY(!w->isVisible());
    }));
    QCOMPARE(found(), names);
    QCOMPARE(m_fixture->messages(), names.isEmpty() ? QStringList{"没有找到记录"} : QStringList{});
}

void TestProductSearch::dateCountsOnlyOncePicked_data()
{
    QTest::addColumn<QStringList>("picked"); // the dates the picker is set to, in turn
    QTest::addColumn<QStringList>("names");
    QTest::newRow("picker untouched") << QStringList{} << QStringList{"50x", "O'Neil 500", "O'Neil 50%", "十五号",
                                                                      "六号", "五号"};
    QTest::newRow("a day picked") << QStringList{"2001-02-03"}
                                  << QStringList{"50x", "O'Neil 500", "十五号", "六号", "五号"};
    QTest::newRow("changed and back to today") << QStringList{"2001-02-03", today()} << QStringList{"O'Neil 50%"};
}

void TestProductSearch::dateCountsOnlyOncePicked()
{
    QFETCH(QStringList, picked);
    QFETCH(QStringList, names);
    QVERIFY(testing::runModal(kFind, [&](QDialog *w) {
        auto *picker = testing::field<QDateEdit>(w, "创建日期:  ");
        QCOMPARE(picker->date(), QDate::currentDate());
        for (const QString &day : picked)
            picker->setDate(QDate::fromString(day, Qt::ISODate));
        testing::click(w, "搜 索");
    }));
    QCOMPARE(found(), names);
}

// The stock and the prices take digits only, with the tone; the cost at most 20.
void TestProductSearch::numberFieldsTakeDigitsOnly()
{
    QVERIFY(testing::runModal(kFind, [&](QDialog *w) {
        for (const char *caption : {"库 存 量:  ", "  成 本 价:￥", "  销售底价:￥", "销售标准价:￥"}) {
            const int tones = ui::toneCount();
            testing::typeInto(testing::field(w, caption), "1a2 345678901234567890123");
            QVERIFY(ui::toneCount() > tones);
            const QString digits = QStringLiteral("12345678901234567890123");
            const bool cost = QString::fromUtf8(caption) == QStringLiteral("  成 本 价:￥");
            QCOMPARE(testing::shownText(testing::field(w, caption)), cost ? digits.left(20) : digits);
        }
        testing::typeInto(testing::field(w, "名 称:"), "a 1");
        QCOMPARE(testing::shownText(testing::field(w, "名 称:")), QStringLiteral("a 1"));
    }));
}

QTEST_MAIN(TestProductSearch)
#include "test_product_search.moc"
