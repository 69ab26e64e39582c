// The activity reminder's windows over the whole program: what the reminder
// window, the reminder list and their notices show, what one sound is played,
// where closing them leads, and what they leave alone (a delete confirmation
// on show, windows opened meanwhile). The time comes from a clock the tests
// set; a tick is the poll the timer would run. Which minutes are announced
// when the clock steps is in test_reminder_clock.
#include "AudioOut.h"
#include "DbGrid.h"
#include "DeletePanel.h"
#include "Driving.h"
#include "ListView.h"
#include "Program.h"
#include "ReminderDriving.h"
#include "Sound.h"
#include "SoundFile.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Ta_about.h"
#include "Ta_main.h"
#include "WindowNames.h"
#include "Windows.h"
#include "activities/PopupNotifier.h"
#include "activities/ReminderPoll.h"
#include "activities/Tring.h"
#include "activities/Tring_list.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QWindow>
#include <QtEndian>

using testing::said;

namespace {

const QString kDay = QStringLiteral("2024-01-05 ");

QDateTime timeOf(const QString &time)
{
    QString text = kDay + time;
    if (!time.contains(u'.'))
        text += QStringLiteral(".000");
    return QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}

QString at(const QString &time, const QString &name)
{
    return said(kDay + time, name);
}

QString accessibleName(QObject *object)
{
    QAccessibleInterface *item = QAccessible::queryAccessibleInterface(object);
    return item ? item->text(QAccessible::Name) : QStringLiteral("<not accessible>");
}

// A wave file's header claiming `dataBytes` of samples, the samples left out.
QByteArray waveHeader(quint32 dataBytes)
{
    QByteArray header("RIFF\0\0\0\0WAVEfmt ", 16);
    const auto put32 = [&](quint32 v) { v = qToLittleEndian(v); header.append(reinterpret_cast<const char *>(&v), 4); };
    const auto put16 = [&](quint16 v) { v = qToLittleEndian(v); header.append(reinterpret_cast<const char *>(&v), 2); };
    qToLittleEndian<quint32>(36 + dataBytes, header.data() + 4);
    put32(16);
    put16(1);
    put16(1);
    put32(22050);
    put32(44100);
    put16(2);
    put16(16);
    header.append("data");
    put32(dataBytes);
    return header;
}

} // namespace

class TestReminders : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowShowsTheActivityAndLeadsToTheList_data();
    void windowShowsTheActivityAndLeadsToTheList();
    void activitiesDueAtOnceComeInOneList();
    void listEndsAnActivityThroughTheEndWindow();
    void closingLeavesADeleteConfirmationUp_data();
    void closingLeavesADeleteConfirmationUp();
    void dueWhileAWindowIsOpenComesAfterIt();
    void endedActivityIsNotAnnounced();
    void soundFileIsUsedOnlyWhenFitToPlay_data();
    void soundFileIsUsedOnlyWhenFitToPlay();
    void noticeIsClickedAwayWhileTheWindowIsOpen();
    void announcedWhileTheAboutWindowIsOpen();

private:
    qint64 activity(const QString &time, const QString &name, const QVariant &status = QStringLiteral("正常"));
    // The clock set to that time of the day, one tick, every window answered.
    QStringList tick(const QString &time, const std::function<void(QDialog *)> &inside = {});

    std::unique_ptr<testing::Program> m_program;
    std::shared_ptr<testing::SetClock> m_clock;
};

void TestReminders::init()
{
    m_program = std::make_unique<testing::Program>();
    m_clock = std::make_shared<testing::SetClock>();
    m_clock->at = timeOf(QStringLiteral("09:29:50"));
    testing::reminder().setClock(m_clock);
}

void TestReminders::cleanup()
{
    ui::audio::setOutputAbsent(false);
    m_program.reset();
}

qint64 TestReminders::activity(const QString &time, const QString &name, const QVariant &status)
{
    return m_program->insert("vtv1", {{"e2", "1"}, {"e3", kDay + time}, {"e4", time}, {"e5", "拜访"}, {"e11", name},
                                      {"e13", "先生"}, {"e7", "签合同"}, {"e15", status}});
}

QStringList TestReminders::tick(const QString &time, const std::function<void(QDialog *)> &inside)
{
    m_clock->at = timeOf(time);
    return testing::answer([] { testing::reminder().poll(); }, inside);
}

void TestReminders::windowShowsTheActivityAndLeadsToTheList_data()
{
    QTest::addColumn<QString>("closeWith");
    QTest::newRow("确定") << "确定";
    QTest::newRow("the close picture") << "关闭";
}

// The window and the notice show the stored texts as they are; either close
// control leads to the activity list as it stands, read again by nothing.
void TestReminders::windowShowsTheActivityAndLeadsToTheList()
{
    QFETCH(QString, closeWith);
    m_program->insert("vtv1", {{"e3", "2024-01-05 09:30"}, {"e11", "<b>张</b>三"}, {"e13", "女士"},
                               {"e7", "签<i>合同</i>"}, {"e8", "2小时"}, {"e6", "高"}, {"e5", "拜访"},
                               {"e9", "第一行\n<a href='x'>第二行</a>"}, {"e15", "正常"}});
    TData_in &data = m_program->data();
    data.vtv1_all().filter(QStringLiteral("select * from vtv1 where e5 like '%沟通%' order by e3 desc"));
    const QString listText = data.vtv1_all().text();
    QSignalSpy reloads(&data.vtv1_all(), &data::StandingQuery::refreshed);
    Ta_main &main = m_program->main();
    QCOMPARE(main.currentView()->objectName(), QStringLiteral("Frame_liebiao1"));

    QStringList values;
    QRect geometry;
    Qt::WindowFlags flags;
    const QStringList shown = testing::answer([this] { m_clock->at = timeOf("09:30:02"); testing::reminder().poll(); },
                                              [&](QDialog *ring) {
        for (const char *caption : {"目    标:", "持续时间:", "优 先 级:"})
            values << testing::shownText(testing::field(ring, QString::fromUtf8(caption)));
        QTextEdit *details = nullptr;
        for (QGroupBox *group : ring->findChildren<QGroupBox *>()) {
            if (group->title() == QStringLiteral("详细"))
                details = group->findChild<QTextEdit *>();
        }
        values << (details ? details->toPlainText() : QStringLiteral("<no details>"));
        QVERIFY(details && details->isReadOnly());
        geometry = ring->geometry();
        flags = ring->windowFlags();
    }, closeWith);

    QCOMPARE(shown, QStringList{QStringLiteral("将在2024-01-05 09:30对<b>张</b>三女士进行销售活动。")});
    QCOMPARE(values, (QStringList{"签<i>合同</i>", "2小时", "高", "第一行\n<a href='x'>第二行</a>"}));
    QCOMPARE(geometry.size(), QSize(Tring::clientWidth, Tring::clientHeight));
    QVERIFY(flags & Qt::FramelessWindowHint);

    QCOMPARE(main.currentView()->objectName(), QStringLiteral("Frame_jihua1"));
    QCOMPARE(reloads.count(), 0);
    QCOMPARE(data.vtv1_all().text(), listText);

    const QList<activities::Notice *> notices = testing::reminder().notifier().notices();
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices[0]->title(), QStringLiteral("销售活动提醒"));
    QCOMPARE(notices[0]->text(), QStringLiteral("将在2024-01-05 09:30对<b>张</b>三女士\n进行销售活动。\n\n目标:签<i>合同</i>"));
    QTRY_COMPARE(notices[0]->geometry(), notices[0]->place());
    QCOMPARE(notices[0]->place().size(), QSize(260, 170));
    QVERIFY(notices[0]->isVisible());
}

// Two hundred activities of one minute (and one ended, and one of the minute
// after) come in one window that lists them, with one sound and one notice;
// each row shows what the reminder window shows of one, and an accessibility
// client reads the grid's titles and the buttons by their captions.
void TestReminders::activitiesDueAtOnceComeInOneList()
{
    m_program->execute(QStringLiteral(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 200) "
        "insert into vtv1 (e2, e3, e4, e5, e11, e13, e7, e8, e6, e9, e15) "
        "select '1', '2024-01-05 09:30', '09:30', '拜访', '客户' || i, '先生', '目标' || i, i || '小时', '高', "
        "'第' || i || '项' || char(10) || '<b>细节</b>', '正常' from n"));
    activity("09:30", "已结束者", QStringLiteral("已结束"));
    activity("09:31", "后来者");
    const int soundsBefore = ui::soundCount();
    QString heading;
    QStringList titles, headerNames, buttonNames, firstRow, secondRow;
    QString details, secondDetails;
    int rows = 0;
    QRect geometry;
    const QStringList shown = tick("09:30:02", [&](QDialog *window) {
        auto *list = qobject_cast<Tring_list *>(window);
        QVERIFY(list);
        geometry = list->frameGeometry();
        heading = testing::shownText(testing::field(list, QStringLiteral("提醒")));
        ui::DbGrid *grid = list->grid();
        rows = grid->model()->rowCount();
        QHeaderView *header = grid->horizontalHeader();
        for (int visual = 0; visual < header->count(); ++visual) {
            const int logical = header->logicalIndex(visual);
            if (header->isSectionHidden(logical))
                continue;
            titles << grid->columnFor(logical)->title; // what the title row paints
            firstRow << grid->model()->index(0, logical).data().toString();
            secondRow << grid->model()->index(1, logical).data().toString();
        }
        QAccessibleInterface *headers = QAccessible::queryAccessibleInterface(header);
        for (int i = 0; i < headers->childCount(); ++i)
            headerNames << headers->child(i)->text(QAccessible::Name);
        for (const QString &caption : {QStringLiteral("结束"), QStringLiteral("确定")})
            buttonNames << accessibleName(testing::button(list, caption));
        auto *memo = list->findChild<QPlainTextEdit *>();
        details = memo->toPlainText();
        testing::clickRow(grid, 1);
        secondDetails = memo->toPlainText();
    });

    QCOMPARE(shown.size(), 1);
    QCOMPARE(heading, QStringLiteral("以下200项销售活动已到时间："));
    QCOMPARE(rows, 200);
    const QStringList columns{"日期时间", "客户", "称呼", "活动类型", "目标", "持续时间", "优先级", "详细", "状态"};
    QCOMPARE(titles, columns);
    QCOMPARE(headerNames, columns);
    QCOMPARE(buttonNames, (QStringList{"结束", "确定"}));
    QCOMPARE(firstRow, (QStringList{"2024-01-05 09:30", "客户1", "先生", "拜访", "目标1", "1小时", "高",
                                    "第1项\n<b>细节</b>", "正常"}));
    QCOMPARE(secondRow.value(1), QStringLiteral("客户2"));
    QCOMPARE(details, QStringLiteral("第1项\n<b>细节</b>"));
    QCOMPARE(secondDetails, QStringLiteral("第2项\n<b>细节</b>"));
    QVERIFY2(QApplication::primaryScreen()->availableGeometry().contains(geometry), "the list fits on the screen");

    QCOMPARE(ui::soundCount(), soundsBefore + 1);
    const QList<activities::Notice *> notices = testing::reminder().notifier().notices();
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices[0]->text(), QStringLiteral("有200项销售活动已到时间:\n2024-01-05 09:30 客户1先生\n"
                                                "2024-01-05 09:30 客户2先生\n2024-01-05 09:30 客户3先生\n……"));
    QCOMPARE(m_program->main().currentView()->objectName(), QStringLiteral("Frame_jihua1"));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(tick("09:31:00.100"), QStringList{at("09:31", "后来者")});
}

// "结束" in the list opens the end-activity window for the current row; once
// it has ended the activity, the list shows the row ended, and "结束" on it
// again does nothing.
void TestReminders::listEndsAnActivityThroughTheEndWindow()
{
    activity("09:30", "甲");
    const qint64 second = activity("09:30", "乙");
    QString endSentence, statusAfter;
    bool again = true;
    tick("09:30:02", [&](QDialog *window) {
        auto *list = qobject_cast<Tring_list *>(window);
        QVERIFY(list);
        testing::clickRow(list->grid(), 1);
        QVERIFY(testing::runModal([&] { testing::click(list, QStringLiteral("结束")); }, [&](QDialog *end) {
            endSentence = testing::shownText(testing::field(end, QStringLiteral("销售活动")));
            testing::click(end, QStringLiteral("结束"));
        }));
        statusAfter = list->activities()->field(QStringLiteral("e15"));
        again = bool(testing::runModal([&] { testing::click(list, QStringLiteral("结束")); }));
    });
    QCOMPARE(endSentence, QStringLiteral("与乙先生于2024-01-05 09:30 进行的销售活动."));
    QCOMPARE(statusAfter, QStringLiteral("已结束"));
    QVERIFY(!again);
    QCOMPARE(m_program->install().columnMain(QStringLiteral("select eid || e15 from vtv1 order by eid")),
             (QStringList{"1正常", QString::number(second) + "已结束"}));
    QCOMPARE(m_program->messages(), QStringList{QStringLiteral("成功结束销售活动")});
}

void TestReminders::closingLeavesADeleteConfirmationUp_data()
{
    QTest::addColumn<QString>("view");
    QTest::addColumn<QString>("cancel");
    QTest::addColumn<int>("due"); // activities at 09:30: one reminder window, or the list
    QTest::newRow("product list, the reminder window") << ui::names::Frame_chanpin1 << "取消" << 1;
    QTest::newRow("product list, the reminder list") << ui::names::Frame_chanpin1 << "取消" << 2;
    QTest::newRow("customer list") << ui::names::Frame_liebiao1 << "取 消" << 1;
    QTest::newRow("the activity list itself") << ui::names::Frame_jihua1 << "取 消" << 2;
}

// A reminder that comes while a view asks whether to delete a row leaves
// that view and its question as they are: closing the reminder does not
// switch to the activity list (which would leave the program disabled with
// the question out of sight). Answered there, the question lets everything
// work again; nothing has been deleted.
void TestReminders::closingLeavesADeleteConfirmationUp()
{
    QFETCH(QString, view);
    QFETCH(QString, cancel);
    QFETCH(int, due);
    m_program->insert("atc1", {{"a1", "张三"}, {"a14", "1"}});
    m_program->insert("vtv4", {{"o1", "扫描仪"}});
    for (int i = 0; i < due; ++i)
        activity("09:30", QStringLiteral("客户%1").arg(i + 1));
    m_program->reload();
    Ta_main &main = m_program->main();
    auto *shown = qobject_cast<QWidget *>(ui::Windows::find(view));
    QVERIFY(shown);
    main.showView(shown);
    testing::click(shown, QStringLiteral("删 除"));
    const auto panelUp = [&] {
        const auto panels = shown->findChildren<ui::DeletePanel *>();
        return std::any_of(panels.begin(), panels.end(), [](ui::DeletePanel *p) { return p->isVisible(); });
    };
    QVERIFY(panelUp());
    QVERIFY(!main.navigationEnabled());

    QCOMPARE(tick("09:30:02").size(), 1);
    QCOMPARE(main.currentView(), shown);
    QVERIFY(panelUp());
    if (auto *list = qobject_cast<ui::ListView *>(shown))
        QCOMPARE(testing::partNotAs(main, *list, false), QString());

    const auto counts = [&] {
        return m_program->install().columnMain(
            QStringLiteral("select (select count(*) from atc1) || (select count(*) from vtv4) || (select count(*) from vtv1)"));
    };
    const QStringList before = counts();
    testing::click(shown, cancel);
    QVERIFY(!panelUp());
    QVERIFY(main.navigationEnabled());
    if (auto *list = qobject_cast<ui::ListView *>(shown))
        QCOMPARE(testing::partNotAs(main, *list, true), QString());
    QCOMPARE(counts(), before);
    QCOMPARE(counts(), QStringList{QStringLiteral("11%1").arg(due)});
}

// The minute after comes while the reminder window is still open: its
// activity waits, and is announced once the window is closed.
void TestReminders::dueWhileAWindowIsOpenComesAfterIt()
{
    activity("09:30", "甲");
    activity("09:31", "乙");
    QStringList inner;
    const QStringList shown = tick("09:30:02", [&](QDialog *ring) {
        if (testing::announcement(ring) != at("09:30", "甲"))
            return;
        // The tick of 09:31 runs inside the open window and opens no other.
        m_clock->at = timeOf("09:31:00.100");
        testing::reminder().poll();
        inner << testing::announcement(ring);
        QCOMPARE(QApplication::activeModalWidget(), ring);
    });
    QCOMPARE(inner, QStringList{at("09:30", "甲")});
    QCOMPARE(shown, (QStringList{at("09:30", "甲"), at("09:31", "乙")}));
    QCOMPARE(tick("09:32:00.100"), QStringList());
}

// An activity ended before its minute is not announced; one without any
// status is.
void TestReminders::endedActivityIsNotAnnounced()
{
    activity("09:30", "甲");
    activity("09:30", "乙", QStringLiteral("已结束"));
    activity("09:30", "丙", QVariant());
    QCOMPARE(tick("09:30:02"), QStringList{testing::listed({at("09:30", "甲"), at("09:30", "丙")})});
}

void TestReminders::soundFileIsUsedOnlyWhenFitToPlay_data()
{
    QTest::addColumn<QString>("soundFile"); // what ring.wav is
    QTest::addColumn<bool>("audioDevice");  // false: none at all; true: whatever this computer has
    QTest::addColumn<bool>("fromFile");     // the file is played, not the chime
    QTest::newRow("the installation's ring.wav") << "installed" << true << true;
    QTest::newRow("the installation's, no audio device") << "installed" << false << true;
    QTest::newRow("no ring.wav") << "none" << true << false;
    QTest::newRow("no ring.wav and no audio device") << "none" << false << false;
    QTest::newRow("an empty ring.wav") << "empty" << true << false;
    QTest::newRow("ring.wav larger than the bound") << "huge" << true << false;
    QTest::newRow("a header claiming more than the bound") << "claims too much" << true << false;
    QTest::newRow("not a wave file") << "text" << true << false;
}

// The sound is asked for from the working folder. A ring.wav that cannot be
// played as it is, or is too large to be read at each reminder, gives the
// program's own chime; whether anything can play it, the notice and the
// window come all the same.
void TestReminders::soundFileIsUsedOnlyWhenFitToPlay()
{
    QFETCH(QString, soundFile);
    QFETCH(bool, audioDevice);
    QFETCH(bool, fromFile);
    const QString ring = m_program->install().path(QStringLiteral("ring.wav"));
    QVERIFY(QFile::exists(ring)); // the installation put it there
    if (soundFile != QStringLiteral("installed")) {
        QVERIFY(QFile::remove(ring));
        QFile file(ring);
        if (soundFile != QStringLiteral("none"))
            QVERIFY(file.open(QIODevice::WriteOnly));
        if (soundFile == QStringLiteral("huge")) {
            // Sparse: the size without the bytes.
            file.write(waveHeader(quint32(data::kLongestSoundBytes)));
            QVERIFY(file.resize(data::kLongestSoundBytes + 45));
        } else if (soundFile == QStringLiteral("claims too much")) {
            file.write(waveHeader(0x80000000u));
            file.write(QByteArray(4000, '\x10'));
        } else if (soundFile == QStringLiteral("text")) {
            file.write("ring ring\n");
        }
    }
    ui::audio::setOutputAbsent(!audioDevice);
    activity("09:30", "甲");
    const int soundsBefore = ui::soundCount();

    QCOMPARE(tick("09:30:02"), QStringList{at("09:30", "甲")});
    QCOMPARE(ui::soundCount(), soundsBefore + 1);
    QCOMPARE(ui::lastSoundFile(), QStringLiteral("ring.wav"));
    QCOMPARE(ui::lastSoundFromFile(), fromFile);
    QCOMPARE(testing::reminder().notifier().notices().size(), 1);
    // Whatever sound there was plays out by itself.
    QTest::qWait(200);
}

// The notice comes with the reminder window, which is modal; a click on the
// notice still closes it.
void TestReminders::noticeIsClickedAwayWhileTheWindowIsOpen()
{
    activity("09:30", "甲");
    bool closed = false;
    QCOMPARE(tick("09:30:02", [&](QDialog *) {
                 QPointer<activities::Notice> notice = testing::reminder().notifier().notices().value(0);
                 QVERIFY(notice);
                 QTRY_COMPARE(notice->geometry(), notice->place());
                 // Through the window system, which holds back what a modal window blocks.
                 QTest::mouseClick(notice->windowHandle(), Qt::LeftButton, {}, notice->rect().center());
                 QTRY_VERIFY(!notice);
                 closed = true;
             }),
             QStringList{at("09:30", "甲")});
    QVERIFY(closed);
}

// The reminder runs while the about window is open, and after it is closed.
void TestReminders::announcedWhileTheAboutWindowIsOpen()
{
    activity("09:30", "甲");
    activity("09:31", "乙");
    QStringList shown;
    QVERIFY(testing::runModal(ui::names::Ta_about, [&](QDialog *) { shown = tick("09:30:02"); }));
    QCOMPARE(shown, QStringList{at("09:30", "甲")});
    QCOMPARE(tick("09:31:01"), QStringList{at("09:31", "乙")});
}

QTEST_MAIN(TestReminders)
#include "test_reminders.moc"
