// The popup notifier: where a notice goes beside the taskbar, how notices
// stack, and how one behaves on the screen.
#include "activities/PopupNotifier.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWindow>

using activities::NoticePlace;
using activities::TaskbarSide;


namespace {

const QRect kScreen(0, 0, 1920, 1080);

} // namespace

class TestPopup : public QObject {
    Q_OBJECT
private slots:
    void placement_data();
    void placement();
    void noticesStackUntilNoneFits();
    void noticeSlidesOutWithoutTakingFocusAndClosesOnAClick();
};

void TestPopup::placement_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("workArea");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QRect>>("shown");
    QTest::addColumn<QRect>("place"); // empty: not shown
    QTest::addColumn<int>("slidesFrom");

    const QSize reminder = activities::notices::reminder.size;
    const QSize scheduled = activities::notices::newActivity.size;
    const auto bottom = int(TaskbarSide::Bottom), top = int(TaskbarSide::Top), left = int(TaskbarSide::Left),
               right = int(TaskbarSide::Right);

    // 16 pixels from the screen's side, 2 from the taskbar.
    QTest::newRow("taskbar at the bottom") << kScreen << QRect(0, 0, 1920, 1040) << reminder << QList<QRect>{}
                                           << QRect(1644, 868, 260, 170) << bottom;
    QTest::newRow("taskbar at the top") << kScreen << QRect(0, 40, 1920, 1040) << reminder << QList<QRect>{}
                                        << QRect(1644, 42, 260, 170) << top;
    QTest::newRow("taskbar on the left") << kScreen << QRect(60, 0, 1860, 1080) << reminder << QList<QRect>{}
                                         << QRect(62, 894, 260, 170) << left;
    QTest::newRow("taskbar on the right") << kScreen << QRect(0, 0, 1860, 1080) << reminder << QList<QRect>{}
                                          << QRect(1598, 894, 260, 170) << right;
    QTest::newRow("no taskbar: the whole screen") << kScreen << kScreen << reminder << QList<QRect>{}
                                                  << QRect(1644, 908, 260, 170) << bottom;
    QTest::newRow("the notice of a new activity") << kScreen << QRect(0, 0, 1920, 1040) << scheduled
                                                  << QList<QRect>{} << QRect(1684, 938, 220, 100) << bottom;
    QTest::newRow("second screen, taskbar at the bottom")
        << QRect(1920, 0, 1280, 1024) << QRect(1920, 0, 1280, 984) << reminder << QList<QRect>{}
        << QRect(2924, 812, 260, 170) << bottom;

    // Stacked 2 pixels apart, further from the taskbar.
    QTest::newRow("stacked above") << kScreen << QRect(0, 0, 1920, 1040) << reminder
                                   << QList<QRect>{{1644, 868, 260, 170}, {1644, 696, 260, 170}}
                                   << QRect(1644, 524, 260, 170) << bottom;
    QTest::newRow("stacked below") << kScreen << QRect(0, 40, 1920, 1040) << reminder
                                   << QList<QRect>{{1644, 42, 260, 170}} << QRect(1644, 214, 260, 170) << top;
    QTest::newRow("stacked to the right") << kScreen << QRect(60, 0, 1860, 1080) << reminder
                                          << QList<QRect>{{62, 894, 260, 170}} << QRect(324, 894, 260, 170) << left;
    QTest::newRow("stacked to the left") << kScreen << QRect(0, 0, 1860, 1080) << reminder
                                         << QList<QRect>{{1598, 894, 260, 170}} << QRect(1336, 894, 260, 170)
                                         << right;
    QTest::newRow("beyond the furthest, a gap left by a closed one")
        << kScreen << QRect(0, 0, 1920, 1040) << reminder << QList<QRect>{{1644, 696, 260, 170}}
        << QRect(1644, 524, 260, 170) << bottom;

    // Not shown where it does not fit.
    QTest::newRow("no room left above") << QRect(0, 0, 800, 340) << QRect(0, 0, 800, 300) << reminder
                                        << QList<QRect>{{524, 128, 260, 170}} << QRect() << bottom;
    QTest::newRow("no room left to the right") << QRect(0, 0, 500, 600) << QRect(60, 0, 440, 600) << reminder
                                               << QList<QRect>{{62, 414, 260, 170}} << QRect() << left;
    QTest::newRow("a screen too narrow") << QRect(0, 0, 270, 600) << QRect(0, 0, 270, 560) << reminder
                                         << QList<QRect>{} << QRect() << bottom;
}

void TestPopup::placement()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, workArea);
    QFETCH(QSize, size);
    QFETCH(QList<QRect>, shown);
    QFETCH(QRect, place);
    QFETCH(int, slidesFrom);

    const std::optional<NoticePlace> found = activities::placeNotice(screen, workArea, size, shown);
    QCOMPARE(found ? found->rect : QRect(), place);
    if (found)
        QCOMPARE(int(found->slidesFrom), slidesFrom);
}

// On the real screen: each new notice stacks over the last, until one would
// leave the work area and is not shown at all.
void TestPopup::noticesStackUntilNoneFits()
{
    const QRect work = QGuiApplication::primaryScreen()->availableGeometry();
    activities::PopupNotifier notifier(activities::notices::reminder);
    QList<QRect> places;
    for (int i = 0; i < 50; ++i) {
        activities::Notice *notice = notifier.show(QStringLiteral("销售活动提醒"), QString::number(i));
        if (!notice)
            break;
        places << notice->place();
    }
    const int fitting = (work.height() - 2 + 2) / (170 + 2);
    QCOMPARE(places.size(), fitting);
    QCOMPARE(notifier.notices().size(), fitting);
    for (qsizetype i = 1; i < places.size(); ++i)
        QCOMPARE(places[i].bottom() + 1 + 2, places[i - 1].top());
    for (const QRect &place : std::as_const(places))
        QVERIFY(work.contains(place));
}

// It slides out to its place on top of the window the user works in, which
// keeps the focus and stays the active window; a click takes it away.
void TestPopup::noticeSlidesOutWithoutTakingFocusAndClosesOnAClick()
{
    QWidget work;
    auto *line = new QLineEdit(&work);
    work.show();
    QApplication::setActiveWindow(&work);
    line->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&work));
    QCOMPARE(QApplication::focusWidget(), line);

    activities::PopupNotifier notifier(activities::notices::newActivity);
    QPointer<activities::Notice> notice = notifier.show(QStringLiteral("新销售活动"), QStringLiteral("添加了新的沟通活动,努力！"));
    QVERIFY(notice);
    QVERIFY(notice->isVisible());
    QVERIFY(notice->geometry().height() < 100); // it starts small, at the taskbar's edge
    QTRY_COMPARE(notice->geometry(), notice->place());
    QCOMPARE(notice->phase(), activities::Notice::Phase::Staying);
    QVERIFY(notice->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(QApplication::activeWindow(), &work);
    QCOMPARE(QApplication::focusWidget(), line);

    QTest::mouseClick(notice->windowHandle(), Qt::LeftButton, {}, notice->rect().center());
    QTRY_VERIFY(!notice);
    QCOMPARE(notifier.notices().size(), 0);
}

QTEST_MAIN(TestPopup)
#include "test_popup.moc"
