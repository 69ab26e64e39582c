// When a standing query reads its rows from the file: a refresh over an
// unchanged file keeps them, any change made anywhere is read at the next
// refresh, the rows of a query nothing shows yet are read when first asked
// for, and a search repeated over a large table decrypts no page twice.
#include "DbError.h"
#include "DbGrid.h"
#include "DbControls.h"
#include "MessageBox.h"
#include "Schema.h"
#include "Statement.h"
#include "TData_in.h"
#include "TestSupport.h"

#include <QAbstractItemModelTester>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <malloc.h>
#include <sqlite3.h>

using data::StandingQuery;

namespace {

// The signals a bound control relies on, counted from now on.
struct Signals {
    explicit Signals(StandingQuery *q)
        : resets(q, &QAbstractItemModel::modelReset), refreshed(q, &StandingQuery::refreshed),
          rowChanges(q, &StandingQuery::currentRowChanged)
    {
    }
    QSignalSpy resets;
    QSignalSpy refreshed;
    QSignalSpy rowChanges;
};

// Runs a script in the standard shell of the encrypted engine on the main file.
QByteArray runShell(const testing::TempInstall &install, const QByteArray &script)
{
    const QString shell = QStandardPaths::findExecutable("sqlcipher");
    if (shell.isEmpty())
        return "no shell";
    QProcess p;
    p.start(shell, {install.path(data::kMainFile.relativePath)});
    p.write(QByteArray("PRAGMA key = '") + data::kMainFile.key + "';\n" + script);
    p.closeWriteChannel();
    p.waitForFinished();
    return p.readAllStandardOutput() + p.readAllStandardError();
}

int cacheMisses(data::Connection &c)
{
    int current = 0;
    int highest = 0;
    sqlite3_db_status(c.handle(), SQLITE_DBSTATUS_CACHE_MISS, &current, &highest, 0);
    return current;
}

size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The most heap in use seen by heapmark(x), an SQL function that is true for
// every row: called from a where-clause, it looks at the heap while the rows
// are being read.
size_t g_heapPeak = 0;

void heapMark(sqlite3_context *context, int, sqlite3_value **)
{
    g_heapPeak = std::max(g_heapPeak, heapInUse());
    sqlite3_result_int(context, 1);
}

// Some 8 MB of customers, in one transaction.
void addCustomers(const testing::TempInstall &install, int count)
{
    data::Connection c = data::Connection::open(install.path(data::kMainFile.relativePath), data::kMainFile.key);
    data::Transaction transaction(c);
    const QString filler(400, u'x');
    for (int i = 0; i < count; ++i)
        c.execute("insert into atc1 (a1, a2) values (:a, :b)", {{":a", QString::number(i)}, {":b", filler}});
    transaction.commit();
}

} // namespace

class TestRefreshReads : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void anUnchangedRefreshKeepsTheRows_data();
    void anUnchangedRefreshKeepsTheRows();
    void aChangeIsReadAtTheNextRefresh_data();
    void aChangeIsReadAtTheNextRefresh();
    void theseAreAlwaysRead_data();
    void theseAreAlwaysRead();

    void rowsNothingShowsAreReadWhenFirstAskedFor();
    void aGridBoundAfterStartShowsTheRows();
    void aRefusedTextStillStopsTheStart();
    void aReadThatFailsLaterIsReported();

    void aRepeatedSearchDecryptsNoPageTwice();
    void aReloadNeverHoldsTheOldAndNewRowsAtOnce();

private:
    std::unique_ptr<testing::TempInstall> m_install;
    std::unique_ptr<TData_in> m_data;
    StandingQuery *q = nullptr;
    QStringList names() const;
};

void TestRefreshReads::init()
{
    ui::MessageBox::setTestMode(true);
    m_install = std::make_unique<testing::TempInstall>();
    for (const char *name : {"c1", "c2", "c3", "c4", "c5"})
        m_install->execMain(QStringLiteral("insert into atc1 (a1, a2) values ('%1', 'x')").arg(name));
    m_install->execMain("insert into atc2 (c1) values ('firm')");
    m_data = std::make_unique<TData_in>(m_install->dir());
    q = &m_data->atc1_all();
    new QAbstractItemModelTester(q, QAbstractItemModelTester::FailureReportingMode::QtTest, q);
}

void TestRefreshReads::cleanup()
{
    q = nullptr;
    m_data.reset();
    m_install.reset();
}

QStringList TestRefreshReads::names() const
{
    QStringList list;
    for (int row = 0; row < q->count(); ++row)
        list << q->value(row, q->fieldIndex("a1"));
    return list;
}

void TestRefreshReads::anUnchangedRefreshKeepsTheRows_data()
{
    QTest::addColumn<QString>("refresh");
    QTest::newRow("reset") << "reset";
    QTest::newRow("reopen") << "reopen";
    QTest::newRow("filter with the text in force") << "filter";
}

void TestRefreshReads::anUnchangedRefreshKeepsTheRows()
{
    QFETCH(QString, refresh);
    ui::DbEdit name;
    name.bind(q, "a1");
    q->reset();
    const int reads = q->reads();
    q->moveTo(3);
    QCOMPARE(name.text(), QStringLiteral("c2"));

    Signals spies(q);
    if (refresh == "reset")
        q->reset();
    else if (refresh == "reopen")
        q->reopen();
    else
        q->filter(q->standingText());
    QCOMPARE(q->reads(), reads);
    // To every control it is a refresh: a model reset, the first row current.
    QCOMPARE(spies.resets.size(), 1);
    QCOMPARE(spies.refreshed.size(), 1);
    QCOMPARE(spies.rowChanges.size(), 1);
    QCOMPARE(spies.rowChanges.first().first().toInt(), 0);
    QCOMPARE(q->currentRow(), 0);
    QCOMPARE(name.text(), QStringLiteral("c5"));
    QCOMPARE(names(), (QStringList{"c5", "c4", "c3", "c2", "c1"}));
}

void TestRefreshReads::aChangeIsReadAtTheNextRefresh_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("expected");
    const QStringList added{"c6", "c5", "c4", "c3", "c2", "c1"};
    const QStringList renamed{"c5", "c4", "renamed", "c2", "c1"};
    QTest::newRow("insert in the standard shell") << "shell insert" << added;
    QTest::newRow("update in the standard shell") << "shell update" << renamed;
    QTest::newRow("another connection of this process") << "other connection" << added;
    QTest::newRow("a window's own statement") << "own statement" << renamed;
    QTest::newRow("another standing query on the same table") << "other query" << renamed;
    QTest::newRow("a row posted through the query itself") << "posted" << added;
}

void TestRefreshReads::aChangeIsReadAtTheNextRefresh()
{
    QFETCH(QString, change);
    QFETCH(QStringList, expected);
    q->reset();
    const int reads = q->reads();
    if (change.startsWith("shell")) {
        const QByteArray script = change == "shell insert" ? "insert into atc1 (a1) values ('c6');\n"
                                                           : "update atc1 set a1 = 'renamed' where a1 = 'c3';\n";
        const QByteArray output = runShell(*m_install, script);
        if (output == "no shell")
            QSKIP("the sqlcipher shell is not installed");
        QCOMPARE(output, QByteArray());
    } else if (change == "other connection") {
        m_install->execMain("insert into atc1 (a1) values ('c6')");
    } else if (change == "own statement") {
        m_data->Con_data().execute("update atc1 set a1 = 'renamed' where a1 = 'c3'");
    } else if (change == "other query") {
        // A second query of ours over the customers, edited through its grid's path.
        StandingQuery other("other", m_data->Con_data(), "atc1", "aid", "select * from atc1 where a1 = 'c3'");
        other.open();
        other.setField("a1", "renamed");
        other.post();
    } else {
        // Inserted at the current row; the refresh puts it first, where it belongs.
        q->moveTo(2);
        q->insert();
        q->setField("a1", "c6");
        q->post();
        QCOMPARE(q->value(2, q->fieldIndex("a1")), QStringLiteral("c6"));
    }
    q->reset();
    QCOMPARE(q->reads(), reads + 1);
    QCOMPARE(names(), expected);
    QCOMPARE(q->currentRow(), 0);
}

void TestRefreshReads::theseAreAlwaysRead_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("a pending edit") << "edit";
    QTest::newRow("a new row not posted") << "insert";
    QTest::newRow("a closed query") << "closed";
    QTest::newRow("after a failed text") << "failed";
    QTest::newRow("a text that reads the date") << "select * from atc1 where a2 < date('now') order by aid desc";
    QTest::newRow("a text that reads the time") << "select *, CURRENT_TIMESTAMP from atc1";
    QTest::newRow("a text with random numbers") << "select * from atc1 order by random()";
    QTest::newRow("read inside a transaction rolled back") << "rolled back";
}

void TestRefreshReads::theseAreAlwaysRead()
{
    QFETCH(QString, situation);
    const bool varying = situation.startsWith("select");
    if (varying)
        q->filter(situation);
    else
        q->reset();
    int reads = q->reads();
    QStringList expected = names();
    if (situation == "edit") {
        q->setField("a1", "typed, never posted");
    } else if (situation == "insert") {
        q->insert();
    } else if (situation == "closed") {
        q->close();
    } else if (situation == "failed") {
        QVERIFY_THROWS_EXCEPTION(data::DbError, q->filter("select * from atc1 where"));
        q->setText(q->standingText());
        reads = q->reads();
    } else if (situation == "rolled back") {
        // Rows read while a transaction of ours is open may be undone without
        // any change being counted.
        {
            data::Transaction transaction(m_data->Con_data());
            m_data->Con_data().execute("insert into atc1 (a1) values ('undone')");
            q->reopen();
            QCOMPARE(q->count(), 6);
        }
        reads = q->reads();
    }
    q->reopen();
    QCOMPARE(q->reads(), reads + 1);
    QCOMPARE(q->state(), StandingQuery::State::Browse);
    if (!varying)
        QCOMPARE(names(), expected);
}

void TestRefreshReads::rowsNothingShowsAreReadWhenFirstAskedFor()
{
    // Nothing has asked for rows since the start (but the model tester, for
    // the customers): none has been read.
    for (const StandingQuery *query : m_data->queries()) {
        QVERIFY2(query->isOpen() || query == &m_data->find_gongsi(), qPrintable(query->name()));
        QVERIFY2(query->reads() == (query == q ? 1 : 0), qPrintable(query->name()));
    }
    StandingQuery &companies = m_data->atc2_all();
    Signals spies(&companies);
    QCOMPARE(companies.currentRow(), 0);
    QCOMPARE(companies.count(), 1);
    QCOMPARE(companies.field("c1"), QStringLiteral("firm"));
    QCOMPARE(companies.reads(), 1);
    // The rows were there from the start as far as anyone can tell: no signal.
    QCOMPARE(spies.resets.size() + spies.refreshed.size() + spies.rowChanges.size(), 0);

    // An empty table has no current row; its first refresh is a real one.
    StandingQuery &products = m_data->vtv4_all();
    QVERIFY(products.isEmpty());
    QCOMPARE(products.currentRow(), -1);
    products.reset();
    QCOMPARE(products.reads(), 1);

    // The first refresh of a query not yet read reads it once.
    StandingQuery &memos = m_data->vtv3_all();
    memos.reset();
    QCOMPARE(memos.reads(), 1);
    QCOMPARE(memos.currentRow(), -1);
}

void TestRefreshReads::aGridBoundAfterStartShowsTheRows()
{
    // Companies added after the start, before anything showed them.
    m_install->execMain("insert into atc2 (c1) values ('f2')");
    m_install->execMain("insert into atc2 (c1) values ('f3')");
    StandingQuery &companies = m_data->atc2_all();
    QWidget window;
    window.resize(300, 200);
    auto *grid = new ui::DbGrid(&window);
    grid->resize(300, 160);
    auto *name = new ui::DbEdit(&window);
    name->move(0, 170);
    grid->bind(&companies, {{"cid", "编号", 40}, {"c1", "名称", 120}});
    name->bind(&companies, "c1");
    new QAbstractItemModelTester(&companies, QAbstractItemModelTester::FailureReportingMode::QtTest, grid);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(companies.reads(), 1);
    QCOMPARE(grid->model()->rowCount(), 3);
    QCOMPARE(grid->verticalHeader()->count(), 3);
    QCOMPARE(grid->currentIndex().row(), 0);
    QCOMPARE(name->text(), QStringLiteral("f3"));
    const QModelIndex last = companies.index(2, companies.fieldIndex("c1"));
    QCOMPARE(grid->indexAt(grid->visualRect(last).center()), last);
    QCOMPARE(last.data().toString(), QStringLiteral("firm"));
    window.grab().save(QDir::temp().filePath("refreshreads-bound-after-start.png"));

    // Moving and refreshing work as for any query read at the start.
    companies.moveTo(2);
    QCOMPARE(name->text(), QStringLiteral("firm"));
    QCOMPARE(grid->currentIndex().row(), 2);
    companies.reset();
    QCOMPARE(companies.reads(), 1);
    QCOMPARE(grid->currentIndex().row(), 0);
    QCOMPARE(name->text(), QStringLiteral("f3"));
}

void TestRefreshReads::aRefusedTextStillStopsTheStart()
{
    StandingQuery broken("broken", m_data->Con_data(), "atc1", "aid", "select * from atc1 order by no_such_column");
    try {
        broken.openDeferred();
        QFAIL("a text the engine refuses opened");
    } catch (const data::DbError &e) {
        QCOMPARE(e.message(), QStringLiteral("no such column: no_such_column"));
    }
    QVERIFY(!broken.isOpen());
}

void TestRefreshReads::aReadThatFailsLaterIsReported()
{
    StandingQuery &companies = m_data->atc2_all();
    QSignalSpy failed(&companies, &StandingQuery::failed);
    {
        // Another program writes the file and holds it past our wait for the lock.
        data::Connection other =
            data::Connection::open(m_install->path(data::kMainFile.relativePath), data::kMainFile.key);
        other.execute("BEGIN EXCLUSIVE");
        QCOMPARE(companies.count(), 0);
        other.execute("ROLLBACK");
    }
    QVERIFY(!companies.isOpen());
    QCOMPARE(companies.currentRow(), -1);
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), QStringLiteral("database is locked"));
    // The next reset brings it back.
    companies.reset();
    QCOMPARE(companies.count(), 1);
}

void TestRefreshReads::aRepeatedSearchDecryptsNoPageTwice()
{
    // Some 3.5 MB of customers: more than the engine keeps by default.
    addCustomers(*m_install, 8000);
    const QString search = "select * from atc1 where a1 like '%77%' order by aid desc";
    q->filter(search);
    const int count = q->count();
    q->reset();
    const int before = cacheMisses(m_data->Con_data());
    q->filter(search);
    QCOMPARE(q->count(), count);
    QCOMPARE(cacheMisses(m_data->Con_data()), before);
}

void TestRefreshReads::aReloadNeverHoldsTheOldAndNewRowsAtOnce()
{
    // Some 8 MB of rows, read again after a change: the heap grows by far
    // less than that while they are read.
    addCustomers(*m_install, 20000);
    QCOMPARE(sqlite3_create_function(m_data->Con_data().handle(), "heapmark", 1, SQLITE_UTF8, nullptr, heapMark,
                                     nullptr, nullptr),
             SQLITE_OK);
    q->filter("select * from atc1 where heapmark(aid) order by aid desc");
    QCOMPARE(q->count(), 20005);
    m_install->execMain("insert into atc1 (a1) values ('one more')");
    const size_t before = heapInUse();
    g_heapPeak = before;
    q->reopen();
    QCOMPARE(q->count(), 20006);
    QVERIFY2(g_heapPeak - before < 2 * 1024 * 1024, qPrintable(QStringLiteral("%1 bytes more").arg(g_heapPeak - before)));
}

QTEST_MAIN(TestRefreshReads)
#include "test_refreshreads.moc"
