// The standing query: its three refresh conventions, the one current row that
// every bound control shares, and editing that row.
#include "DbControls.h"
#include "DbError.h"
#include "DbGrid.h"
#include "MessageBox.h"
#include "TData_in.h"
#include "TestSupport.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using data::StandingQuery;

class TestStandingQuery : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void refreshConventions();
    void aFailedTextLeavesTheQueryClosedUntilReset();
    void everyBoundControlSharesTheCurrentRow();
    void postAndCancel();
    void insertAndDelete();
    void leavingARowPostsIt();
    void aRefusedPostKeepsTheRow();
    void aDeleteWithItsDependentsIsOnePiece();
    void valuesKeepTheirKind();

private:
    std::unique_ptr<testing::TempInstall> m_install;
    std::unique_ptr<TData_in> m_data;
    StandingQuery *q = nullptr;
    QStringList names() const;
};

void TestStandingQuery::init()
{
    ui::MessageBox::setTestMode(true);
    m_install = std::make_unique<testing::TempInstall>();
    for (const char *name : {"c1", "c2", "c3", "c4", "c5"})
        m_install->execMain(QStringLiteral("insert into atc1 (a1, a2) values ('%1', 'x')").arg(name));
    m_data = std::make_unique<TData_in>(m_install->dir());
    q = &m_data->atc1_all();
    new QAbstractItemModelTester(q, QAbstractItemModelTester::FailureReportingMode::QtTest, q);
}

void TestStandingQuery::cleanup()
{
    q = nullptr;
    m_data.reset();
    m_install.reset();
}

QStringList TestStandingQuery::names() const
{
    QStringList list;
    for (int row = 0; row < q->count(); ++row)
        list << q->value(row, q->fieldIndex("a1"));
    return list;
}

void TestStandingQuery::refreshConventions()
{
    QCOMPARE(names(), (QStringList{"c5", "c4", "c3", "c2", "c1"}));
    QSignalSpy resets(q, &QAbstractItemModel::modelReset);
    QSignalSpy refreshed(q, &StandingQuery::refreshed);

    q->filter("select * from atc1 where a1 like '%2%' or a1 like '%4%' order by aid desc");
    QCOMPARE(names(), (QStringList{"c4", "c2"}));

    // Reopen keeps the filter and picks up what a window wrote by itself.
    m_data->Con_data().execute("insert into atc1 (a1) values (:a)", {{":a", "c24"}});
    m_data->Con_data().execute("insert into atc1 (a1) values (:a)", {{":a", "c6"}});
    q->reopen();
    QCOMPARE(names(), (QStringList{"c24", "c4", "c2"}));
    QCOMPARE(q->currentRow(), 0);

    // Reset drops the filter: the whole table, newest first and current.
    q->moveTo(2);
    q->reset();
    QCOMPARE(q->text(), QStringLiteral("select * from atc1 order by aid DESC"));
    QCOMPARE(names(), (QStringList{"c6", "c24", "c5", "c4", "c3", "c2", "c1"}));
    QCOMPARE(q->currentRow(), 0);
    QCOMPARE(q->field("a1"), QStringLiteral("c6"));

    QCOMPARE(resets.size(), 3);   // one model reset per refresh
    QCOMPARE(refreshed.size(), 3);
}

void TestStandingQuery::aFailedTextLeavesTheQueryClosedUntilReset()
{
    QVERIFY_THROWS_EXCEPTION(data::DbError, q->filter("select * from atc1 where a1 like '%x'%' order by aid desc"));
    QVERIFY(!q->isOpen());
    QCOMPARE(q->count(), 0);
    QCOMPARE(q->currentRow(), -1);
    q->reset();
    QVERIFY(q->isOpen());
    QCOMPARE(q->count(), 5);

    // A query that starts closed still knows its columns.
    StandingQuery &company = m_data->find_gongsi();
    QVERIFY(!company.isOpen());
    QVERIFY(company.fieldIndex("c17") > 0);
}

void TestStandingQuery::everyBoundControlSharesTheCurrentRow()
{
    QWidget window;
    auto *left = new ui::DbGrid(&window);
    auto *right = new ui::DbGrid(&window);
    auto *name = new ui::DbEdit(&window);
    left->bind(q, {{"a1", "名", 50}});
    right->bind(q, {{"aid", "编号", 30}, {"a1", "名", 50}});
    name->bind(q, "a1");
    window.resize(400, 300);
    window.show();

    q->moveTo(2);
    QCOMPARE(left->currentIndex().row(), 2);
    QCOMPARE(right->currentIndex().row(), 2);
    QCOMPARE(name->text(), QStringLiteral("c3"));

    // A click in one grid moves the row of all of them.
    const QRect cell = right->visualRect(q->index(4, q->fieldIndex("a1")));
    QTest::mouseClick(right->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(q->currentRow(), 4);
    QCOMPARE(left->currentIndex().row(), 4);
    QCOMPARE(name->text(), QStringLiteral("c1"));

    // After a refresh the first row is current everywhere.
    q->reset();
    QCOMPARE(left->currentIndex().row(), 0);
    QCOMPARE(name->text(), QStringLiteral("c5"));
}

void TestStandingQuery::postAndCancel()
{
    ui::DbEdit edit;
    edit.bind(q, "a2");
    edit.show();
    q->moveTo(1); // c4
    QTest::keyClicks(&edit, "yz");
    QCOMPARE(q->state(), StandingQuery::State::Edit);
    QVERIFY(q->isModified());
    QCOMPARE(q->field("a2"), QStringLiteral("xyz"));
    q->cancel();
    QCOMPARE(edit.text(), QStringLiteral("x"));
    QCOMPARE(m_install->columnMain("select a2 from atc1 where a1='c4'"), QStringList{"x"});

    QTest::keyClicks(&edit, "!");
    q->post();
    QCOMPARE(q->state(), StandingQuery::State::Browse);
    QCOMPARE(m_install->columnMain("select a2 from atc1 where a1='c4'"), QStringList{"x!"});
    QCOMPARE(q->field("a2"), QStringLiteral("x!"));
    // Only the changed column was written.
    QCOMPARE(m_install->columnMain("select a1 from atc1 where a2='x!'"), QStringList{"c4"});
}

void TestStandingQuery::insertAndDelete()
{
    q->moveTo(2);
    q->insert();
    QCOMPARE(q->state(), StandingQuery::State::Insert);
    QCOMPARE(q->count(), 6);
    QCOMPARE(q->currentRow(), 2);
    q->setField("a1", "new");
    q->post();
    QCOMPARE(m_install->columnMain("select aid from atc1 where a1='new'"), QStringList{"6"});
    // The new row stays where it was inserted, with its key filled in.
    QCOMPARE(names(), (QStringList{"c5", "c4", "new", "c3", "c2", "c1"}));
    QCOMPARE(q->field("aid"), QStringLiteral("6"));

    // An insert into which nothing was typed is dropped, never written.
    q->insert();
    q->post();
    QCOMPARE(q->count(), 6);
    QCOMPARE(m_install->countMain("atc1"), 6);

    q->moveTo(5);
    q->deleteCurrent();
    QCOMPARE(m_install->columnMain("select a1 from atc1 where a1='c1'"), QStringList{});
    QCOMPARE(q->count(), 5);
    QCOMPARE(q->currentRow(), 4); // the row before the last one deleted
    QCOMPARE(q->field("a1"), QStringLiteral("c2"));
}

void TestStandingQuery::leavingARowPostsIt()
{
    q->moveTo(0);
    q->setField("a2", "changed");
    QVERIFY(q->moveTo(3));
    QCOMPARE(q->state(), StandingQuery::State::Browse);
    QCOMPARE(m_install->columnMain("select a2 from atc1 where a1='c5'"), QStringList{"changed"});

    // Leaving a new, untouched row drops it; the move lands on the row meant.
    q->moveTo(1);
    q->insert();
    QVERIFY(q->moveTo(4)); // c2, counted with the empty row above it
    QCOMPARE(q->count(), 5);
    QCOMPARE(q->field("a1"), QStringLiteral("c2"));
}

void TestStandingQuery::aRefusedPostKeepsTheRow()
{
    m_install->execMain("create trigger refuse before update on atc1 begin select raise(abort, 'refused by the table'); end");
    QSignalSpy failed(q, &StandingQuery::failed);
    QWidget window;
    auto *grid = new ui::DbGrid(&window);
    grid->bind(q, {{"a1", "名", 80}});
    window.show();

    q->moveTo(1);
    q->setField("a2", "pending");
    const QRect cell = grid->visualRect(q->index(3, q->fieldIndex("a1")));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), QStringLiteral("refused by the table"));
    QCOMPARE(q->currentRow(), 1);
    QCOMPARE(q->state(), StandingQuery::State::Edit);
    QCOMPARE(q->field("a2"), QStringLiteral("pending"));
    QCOMPARE(grid->selectionModel()->selectedRows().value(0).row(), 1);

    // Cancel gives the row up; moving works again.
    q->cancel();
    QVERIFY(q->moveTo(3));
}

void TestStandingQuery::aDeleteWithItsDependentsIsOnePiece()
{
    m_install->execMain("insert into vtv3 (j1, j4) values ('5', 'memo of c5')");
    m_install->execMain("insert into vtv1 (e2, e3) values ('5', '2026-01-01 10:00')");
    auto dependents = [](data::Connection &c, const QString &key) {
        c.execute("delete from vtv3 where j1 like :k", {{":k", key}});
        c.execute("delete from vtv1 where e2 like :k", {{":k", key}});
    };

    // The second dependent delete is refused: nothing at all is deleted.
    m_install->execMain("create trigger keep before delete on vtv1 begin select raise(abort, 'kept'); end");
    QVERIFY_THROWS_EXCEPTION(data::DbError, q->deleteCurrent(dependents));
    QCOMPARE(m_install->countMain("atc1"), 5);
    QCOMPARE(m_install->countMain("vtv3"), 1);
    QCOMPARE(q->count(), 5);
    QCOMPARE(q->field("a1"), QStringLiteral("c5"));

    m_install->execMain("drop trigger keep");
    q->deleteCurrent(dependents);
    QCOMPARE(m_install->countMain("atc1"), 4);
    QCOMPARE(m_install->countMain("vtv3"), 0);
    QCOMPARE(m_install->countMain("vtv1"), 0);
    QCOMPARE(q->count(), 4);
}

void TestStandingQuery::valuesKeepTheirKind()
{
    m_install->execMain("insert into atc1 (a2) values ('no name')");
    q->reset();
    QVERIFY(q->isNull(0, q->fieldIndex("a1")));
    QVERIFY(!q->isNull(0, q->fieldIndex("a2")));
    QVERIFY(!q->isNull(1, q->fieldIndex("a2")));

    // Whole-number columns take the text they are given as a number.
    StandingQuery &analyses = m_data->vtv2_all();
    analyses.insert();
    analyses.setField("h4", "12");
    analyses.setField("h2", "产品");
    analyses.post();
    QCOMPARE(m_install->columnMain("select typeof(h4) || ':' || h4 from vtv2"), QStringList{"integer:12"});
    QCOMPARE(analyses.field("h4"), QStringLiteral("12"));
}

QTEST_MAIN(TestStandingQuery)
#include "test_standingquery.moc"
