#include "Ta_about.h"
#include "TestSupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

class TestAbout : public QObject {
    Q_OBJECT
private slots:
    void showsVersionData_data();
    void showsVersionData();
};

void TestAbout::showsVersionData_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("value");
    QTest::newRow("release") << "发行版本:" << "v2.08";
    QTest::newRow("date") << "发行日期:" << "2008-11-30";
    QTest::newRow("build") << "内部版本:" << "20826.39.00";
    QTest::newRow("web site") << "官方网站:" << "www.talvero-crm.example";
}

// Each value sits beside its caption in the version group, and stays so after
// the window is closed and opened again.
void TestAbout::showsVersionData()
{
    QFETCH(QString, caption);
    QFETCH(QString, value);

    Ta_about about;
    QCOMPARE(about.windowTitle(), QStringLiteral("Talvero CRM"));
    for (int round = 1; round <= 2; ++round) {
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QGroupBox *group = nullptr;
        for (QGroupBox *g : about.findChildren<QGroupBox *>()) {
            if (g->title() == QStringLiteral("版本信息"))
                group = g;
        }
        QVERIFY(group);
        auto *shown = testing::field<QLabel>(group, caption);
        QVERIFY(shown);
        QVERIFY(shown->isVisible());
        QCOMPARE(shown->text(), value);
        QVERIFY(about.close());
        QVERIFY(!about.isVisible());
    }
}

QTEST_MAIN(TestAbout)
#include "test_about.moc"
