// Shared widgets over a standing query: navigators, bound fields, the query
// drop-down and the delete-confirmation panel.
#include "DbControls.h"
#include "DbNavigator.h"
#include "DeletePanel.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "TData_in.h"
#include "TestSupport.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using data::StandingQuery;

class TestBoundWidgets : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void navigatorFollowsTheQuery();
    void navigatorDeleteAsksUnlessTold();
    void boundFieldsWriteTheCurrentRow();
    void queryComboMovesToTheRowChosen_data();
    void queryComboMovesToTheRowChosen();
    void deletePanelOnlyRequests();

private:
    std::unique_ptr<testing::TempInstall> m_install;
    std::unique_ptr<TData_in> m_data;
};

void TestBoundWidgets::init()
{
    ui::MessageBox::setTestMode(true);
    m_install = std::make_unique<testing::TempInstall>();
    for (const char *name : {"甲公司", "乙公司", "甲公司"})
        m_install->execMain(QStringLiteral("insert into atc2 (c1, c11) values ('%1', '123')").arg(QString::fromUtf8(name)));
    for (const char *name : {"c1", "c2", "c3"})
        m_install->execMain(QStringLiteral("insert into atc1 (a1, a12) values ('%1', '先生')").arg(name));
    m_data = std::make_unique<TData_in>(m_install->dir());
}

void TestBoundWidgets::cleanup()
{
    m_data.reset();
    m_install.reset();
}

void TestBoundWidgets::navigatorFollowsTheQuery()
{
    StandingQuery &q = m_data->atc1_all();
    ui::DbNavigator nav;
    nav.bind(&q, ui::DbNavigator::First | ui::DbNavigator::Prior | ui::DbNavigator::Next | ui::DbNavigator::Last
                     | ui::DbNavigator::Post,
             {{ui::DbNavigator::First, "第一条"}, {ui::DbNavigator::Next, "下一条"}, {ui::DbNavigator::Post, "确定"}});
    nav.show();
    QCOMPARE(testing::button(&nav, "第一条")->toolTip(), QStringLiteral("第一条"));
    QVERIFY(!nav.button(ui::DbNavigator::First)->isEnabled());
    QVERIFY(!nav.button(ui::DbNavigator::Post)->isEnabled());

    testing::click(&nav, "下一条");
    testing::click(&nav, "下一条");
    QCOMPARE(q.currentRow(), 2);
    QVERIFY(!nav.button(ui::DbNavigator::Next)->isEnabled());
    QVERIFY(nav.button(ui::DbNavigator::First)->isEnabled());

    // Saving is offered only once something was changed.
    q.edit();
    QVERIFY(!nav.button(ui::DbNavigator::Post)->isEnabled());
    q.setField("a2", "typed");
    QVERIFY(nav.button(ui::DbNavigator::Post)->isEnabled());
    testing::click(&nav, "确定");
    QCOMPARE(m_install->columnMain("select a2 from atc1 where a1='c1'"), QStringList{"typed"});

    // An empty result leaves nothing to move to.
    q.filter("select * from atc1 where a1 = 'none' order by aid desc");
    for (auto b : {ui::DbNavigator::First, ui::DbNavigator::Prior, ui::DbNavigator::Next, ui::DbNavigator::Last})
        QVERIFY(!nav.button(b)->isEnabled());
}

void TestBoundWidgets::navigatorDeleteAsksUnlessTold()
{
    StandingQuery &q = m_data->atc1_all();
    ui::DbNavigator nav;
    nav.bind(&q, ui::DbNavigator::Delete, {{ui::DbNavigator::Delete, "删除"}});
    ui::MessageBox::setNextAnswer(false);
    testing::click(&nav, "删除");
    QCOMPARE(ui::MessageBox::lastText(), QStringLiteral("Delete record?"));
    QCOMPARE(m_install->countMain("atc1"), 3);

    testing::click(&nav, "删除");
    QCOMPARE(m_install->countMain("atc1"), 2);

    ui::MessageBox::clearShown();
    nav.setConfirmDelete(false);
    testing::click(&nav, "删除");
    QVERIFY(ui::MessageBox::shown().isEmpty());
    QCOMPARE(m_install->countMain("atc1"), 1);
}

void TestBoundWidgets::boundFieldsWriteTheCurrentRow()
{
    StandingQuery &q = m_data->atc1_all();
    QWidget window;
    auto *salutation = new ui::DbComboBox(&window);
    salutation->addItems({"先生", "女士"});
    salutation->bind(&q, "a12");
    auto *memo = new ui::DbMemo(&window);
    memo->setMaxLength(5);
    memo->bind(&q, "a17");
    auto *label = new ui::DbLabel(&window);
    label->bind(&q, "a1");
    window.show();

    QCOMPARE(label->text(), QStringLiteral("c3"));
    salutation->setCurrentIndex(1);
    QTest::keyClicks(memo, "1234567");
    QCOMPARE(memo->toPlainText(), QStringLiteral("12345"));
    q.post();
    QCOMPARE(m_install->columnMain("select a12 || '/' || a17 from atc1 where a1='c3'"), QStringList{"女士/12345"});

    q.moveTo(1);
    QCOMPARE(label->text(), QStringLiteral("c2"));
    QCOMPARE(salutation->currentText(), QStringLiteral("先生"));
    QCOMPARE(memo->toPlainText(), QString());
    QCOMPARE(q.state(), StandingQuery::State::Browse); // showing a row is not changing it
}

void TestBoundWidgets::queryComboMovesToTheRowChosen_data()
{
    QTest::addColumn<bool>("typed");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("cid");
    // The older 甲公司 picked from the list is that company, not its namesake.
    QTest::newRow("picked") << false << 2 << "1";
    // A name typed on the keyboard goes to the first company of that name.
    QTest::newRow("typed") << true << 0 << "3";
}

void TestBoundWidgets::queryComboMovesToTheRowChosen()
{
    QFETCH(bool, typed);
    QFETCH(int, row);
    QFETCH(QString, cid);

    StandingQuery &companies = m_data->atc2_all(); // 3 甲, 2 乙, 1 甲 (newest first)
    ui::QueryCombo combo;
    combo.setQuery(&companies, "c1");
    combo.show(); // a combo off screen reads nothing
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.text(), QString());
    companies.moveTo(1);
    combo.setCurrentIndex(1);

    if (typed) {
        // From 乙公司 the keyboard search finds the older 甲公司 next.
        QTest::sendKeyEvent(QTest::Click, &combo, Qt::Key_unknown, QStringLiteral("甲"), Qt::NoModifier);
        QCOMPARE(combo.currentIndex(), 2);
    } else {
        combo.setCurrentIndex(2);
        emit combo.activated(2);
    }
    QCOMPARE(companies.currentRow(), row);
    QCOMPARE(companies.field("cid"), cid);
    QCOMPARE(combo.text(), QStringLiteral("甲公司"));

    // A new company shows up in the list once its query is refreshed.
    m_install->execMain("insert into atc2 (c1) values ('丙公司')");
    companies.reset();
    QCOMPARE(combo.findText("丙公司"), 0);
}

void TestBoundWidgets::deletePanelOnlyRequests()
{
    QWidget host;
    host.resize(600, 400);
    auto *panel = new ui::DeletePanel("删除客户", {"如要删除此客户,和其相关的数据(如备忘、销售活动", "等),也将同时清除。您确定要继续?"}, &host);
    host.show();
    QVERIFY(!panel->isVisible());
    StandingQuery &companies = m_data->atc2_all();
    companies.moveTo(1);
    panel->popUp(&host, companies);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->size(), QSize(350, 200));
    QCOMPARE(panel->key(), QStringLiteral("2"));

    QStringList texts;
    for (QLabel *l : panel->findChildren<QLabel *>())
        texts << l->text();
    QVERIFY(texts.contains("删除客户"));
    QVERIFY(texts.contains("点击减号删除"));

    QSignalSpy requested(panel, &ui::DeletePanel::deleteRequested);
    QSignalSpy cancelled(panel, &ui::DeletePanel::cancelled);
    companies.moveTo(0); // the panel keeps the key it asked about
    testing::click(panel, "删除");
    testing::click(panel, "取 消");
    QCOMPARE(requested.size(), 1);
    QCOMPARE(requested.first().first().toString(), QStringLiteral("2"));
    QCOMPARE(cancelled.size(), 1);
    QVERIFY(ui::MessageBox::shown().isEmpty()); // the minus button is the confirmation
    QCOMPARE(companies.count(), 3);             // and the view does the deleting

    // With no row to ask about, only 取 消 is offered.
    companies.filter("select * from atc2 where cid like null");
    panel->popUp(&host, companies);
    QVERIFY(!panel->minusButton()->isEnabled());
    QCOMPARE(panel->key(), QString());
}

QTEST_MAIN(TestBoundWidgets)
#include "test_boundwidgets.moc"
