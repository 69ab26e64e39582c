#include "Ta_gour.h"
#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QUrl>

namespace {

QList<QWidget *> visiblePages(Ta_gour &guide)
{
    QList<QWidget *> shown;
    for (int n = 1; n <= Ta_gour::pageCount; ++n) {
        auto *page = guide.findChild<QWidget *>(QStringLiteral("page%1").arg(n));
        if (page && page->isVisible())
            shown.append(page);
    }
    return shown;
}

// Every page has its own button, so only the one on screen counts.
QPushButton *visibleButton(Ta_gour &guide, const QString &caption)
{
    const auto buttons = guide.findChildren<QPushButton *>();
    for (QPushButton *b : buttons) {
        if (b->isVisible() && b->text() == caption)
            return b;
    }
    return nullptr;
}

} // namespace

class TestGuide : public QObject {
    Q_OBJECT
private slots:
    void walksForwardToTheEndOnly();
    void linksOpenTheirAddresses_data();
    void linksOpenTheirAddresses();
};

// Modal, as at the first start. The guide is walked through twice: every show
// starts again on page 1.
void TestGuide::walksForwardToTheEndOnly()
{
    Ta_gour guide;
    for (int round = 1; round <= 2; ++round) {
        bool walked = false;
        testing::whenModal([&] {
            // A failed check must not leave the modal loop running.
            auto leave = qScopeGuard([&] { if (guide.isVisible()) guide.done(-1); });
            QTRY_VERIFY(guide.isVisible());
            for (int page = 1; page <= Ta_gour::pageCount; ++page) {
                QCOMPARE(guide.currentPage(), page);
                const auto shown = visiblePages(guide);
                QCOMPARE(shown.size(), 1);
                QCOMPARE(shown.first()->objectName(), QStringLiteral("page%1").arg(page));

                QTest::keyClick(&guide, Qt::Key_Escape);
                QVERIFY(!guide.close());
                QVERIFY(guide.isVisible());
                QCOMPARE(guide.currentPage(), page);

                const bool last = page == Ta_gour::pageCount;
                QVERIFY(!visibleButton(guide, last ? QStringLiteral("下一步") : QStringLiteral("完 成")));
                QPushButton *button = visibleButton(guide, last ? QStringLiteral("完 成") : QStringLiteral("下一步"));
                QVERIFY(button);
                QCOMPARE(button->geometry(), QRect(422, 308, 91, 27));
                QTest::mouseClick(button, Qt::LeftButton);
            }
            QTRY_VERIFY(!guide.isVisible());
            walked = true;
        });
        QCOMPARE(guide.exec(), int(QDialog::Accepted));
        QVERIFY2(walked, qPrintable(QStringLiteral("round %1").arg(round)));
    }
}

void TestGuide::linksOpenTheirAddresses_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("web site") << "www.talvero-crm.example" << QUrl("http://www.talvero-crm.example");
    QTest::newRow("mail") << "support@talvero-crm.example" << QUrl("mailto:support@talvero-crm.example");
}

void TestGuide::linksOpenTheirAddresses()
{
    QFETCH(QString, text);
    QFETCH(QUrl, url);

    QList<QUrl> opened;
    const auto previous = Ta_gour::openUrl;
    Ta_gour::openUrl = [&](const QUrl &u) { opened.append(u); };
    auto restore = qScopeGuard([&] { Ta_gour::openUrl = previous; });

    Ta_gour guide;
    guide.show();
    QVERIFY(QTest::qWaitForWindowExposed(&guide));
    while (guide.currentPage() < Ta_gour::pageCount)
        QTest::mouseClick(visibleButton(guide, QStringLiteral("下一步")), Qt::LeftButton);

    QLabel *link = nullptr;
    for (QLabel *l : guide.findChildren<QLabel *>()) {
        if (l->isVisible() && l->text() == text)
            link = l;
    }
    QVERIFY(link);
    QVERIFY(link->font().bold());
    QCOMPARE(link->font().pixelSize(), 14);
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(opened, QList<QUrl>{url});
    QVERIFY(guide.isVisible());
    QCOMPARE(guide.currentPage(), Ta_gour::pageCount);
}

QTEST_MAIN(TestGuide)
#include "test_guide.moc"
