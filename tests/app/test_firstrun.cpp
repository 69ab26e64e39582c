#include "MessageBox.h"
#include "Startup.h"
#include "Ta_gour.h"
#include "Ta_main.h"
#include "TestSupport.h"
#include "Windows.h"

#include <QApplication>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

namespace {

const char kFlags[] = "select watts from ptp1 order by rowid";

// Every page of the guide has its own buttons; only the one on screen counts.
QPushButton *visibleButton(QWidget *guide, const QString &caption)
{
    for (QPushButton *b : guide->findChildren<QPushButton *>()) {
        if (b->isVisible() && b->text() == caption)
            return b;
    }
    return nullptr;
}

// What the start-up showed once the main window was up.
struct FirstShow {
    bool looked = false;
    bool guide = false;
    bool mainVisibleBehind = false;
    QString viewBehind;
    QStringList flagsWhileShown; // the file as it stood while the guide was open
};

} // namespace

class TestFirstRun : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void guideShowsOnceOnTheFirstRun_data();
    void guideShowsOnceOnTheFirstRun();
    void nextStartShowsNoGuide();

private:
    // Starts the program in the current folder. A guide that comes up is walked
    // to its end, or, with leaveEarly, dropped as if the program had ended.
    FirstShow startUp(const testing::TempInstall &install, bool leaveEarly = false);

    std::unique_ptr<app::Startup> m_started;
};

void TestFirstRun::initTestCase()
{
    ui::MessageBox::setTestMode(true);
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestFirstRun::cleanup()
{
    m_started.reset();
    ui::MessageBox::clearShown();
}

FirstShow TestFirstRun::startUp(const testing::TempInstall &install, bool leaveEarly)
{
    m_started.reset();
    FirstShow seen;
    m_started = app::start(QDir::current());
    if (!m_started)
        return seen;
    Ta_main &main = m_started->mainWindow();
    // Queued after the main window's own first-run check: it runs inside the
    // guide's modal loop when there is a guide, and after the check otherwise.
    testing::whenModal([&] {
        seen.looked = true;
        auto *guide = qobject_cast<Ta_gour *>(QApplication::activeModalWidget());
        if (!guide)
            return;
        auto leave = qScopeGuard([&] { if (guide->isVisible()) guide->done(-1); });
        seen.guide = true;
        seen.mainVisibleBehind = main.isVisible();
        seen.viewBehind = main.currentView()->objectName();
        seen.flagsWhileShown = install.columnMain(kFlags);
        if (leaveEarly)
            return;
        for (int page = 1; page < Ta_gour::pageCount; ++page) {
            QPushButton *next = visibleButton(guide, QStringLiteral("下一步"));
            QVERIFY(next);
            QTest::mouseClick(next, Qt::LeftButton);
        }
        QPushButton *finish = visibleButton(guide, QStringLiteral("完 成"));
        QVERIFY(finish);
        QTest::mouseClick(finish, Qt::LeftButton);
        QVERIFY(!guide->isVisible());
    });
    if (!QTest::qWaitFor([&] { return seen.looked; }))
        qWarning("the first show was never looked at");
    return seen;
}

void TestFirstRun::guideShowsOnceOnTheFirstRun_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<bool>("guide");
    QTest::addColumn<QStringList>("after"); // watts of every row, in row order

    QTest::newRow("first run") << QStringList() << true << QStringList{"1"};
    QTest::newRow("done") << QStringList{"update ptp1 set watts='1'"} << false << QStringList{"1"};
    QTest::newRow("empty text") << QStringList{"update ptp1 set watts=''"} << false << QStringList{""};
    QTest::newRow("null") << QStringList{"update ptp1 set watts=null"} << false << QStringList{"<null>"};
    QTest::newRow("zero and a blank") << QStringList{"update ptp1 set watts='0 '"} << false << QStringList{"0 "};
    QTest::newRow("no settings row") << QStringList{"delete from ptp1"} << false << QStringList();

    // The settings query has no order: the table is read in row order.
    const QString twoRows = QStringLiteral("insert into ptp1 (rowid, watts) values (1, '%1'), (2, '%2')");
    QTest::newRow("first of two done") << QStringList{"delete from ptp1", twoRows.arg("1", "0")} << false
                                       << QStringList{"1", "0"};
    QTest::newRow("first of two pending") << QStringList{"delete from ptp1", twoRows.arg("0", "x")} << true
                                          << QStringList{"1", "1"};
}

// The guide comes up over the main window, on the customer list, only when the
// first settings row holds exactly '0'; the flag of every row is set to '1'
// before the guide shows. Otherwise nothing is written.
void TestFirstRun::guideShowsOnceOnTheFirstRun()
{
    QFETCH(QStringList, setup);
    QFETCH(bool, guide);
    QFETCH(QStringList, after);

    testing::TempInstall install;
    for (const QString &sql : setup)
        install.execMain(sql);

    const FirstShow seen = startUp(install);
    QVERIFY(m_started);
    QVERIFY(seen.looked);
    QCOMPARE(seen.guide, guide);
    if (guide) {
        QVERIFY(seen.mainVisibleBehind);
        QCOMPARE(seen.viewBehind, QStringLiteral("Frame_liebiao1"));
        QCOMPARE(seen.flagsWhileShown, after);
    }
    QVERIFY(!ui::Windows::get<QWidget>(QStringLiteral("Ta_gour"))->isVisible());
    QVERIFY(m_started->mainWindow().isVisible());
    QVERIFY2(ui::MessageBox::shown().isEmpty(), qPrintable(ui::MessageBox::lastText()));
    QCOMPARE(install.columnMain(kFlags), after);
}

// A run that ended while the guide was still open has already set the flag:
// the next start shows no guide.
void TestFirstRun::nextStartShowsNoGuide()
{
    testing::TempInstall install;
    QVERIFY(startUp(install, true).guide);
    m_started.reset();

    const FirstShow again = startUp(install);
    QVERIFY(again.looked);
    QVERIFY(!again.guide);
    QCOMPARE(install.columnMain(kFlags), QStringList{"1"});
}

QTEST_MAIN(TestFirstRun)
#include "test_firstrun.moc"
