// The row store: what goes in comes out, cell for cell, whatever the size of
// the rows, and the room it reports is the room it takes.
#include "Connection.h"
#include "RowStore.h"
#include "Schema.h"
#include "Statement.h"
#include "TestSupport.h"

#include <QTest>

using data::RowStore;

namespace {

using Rows = std::vector<RowStore::Row>;

QString repeated(const QString &piece, int times)
{
    QString text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Texts of every kind a cell can hold.
const QString kMultiByte = QStringLiteral("张三 Zoë 😀 ");
const QString kLong = repeated(kMultiByte, 200000);   // some 3.4 MB: longer than any chunk
const QString kMiddle = repeated(QStringLiteral("字"), 120000); // 360 KB

RowStore::Row makeRow(std::initializer_list<RowStore::Cell> cells)
{
    return RowStore::Row(cells);
}

RowStore::Row kMiddleRow()
{
    return makeRow({{}, kMiddle, kMultiByte});
}

struct Edit {
    enum Kind { Insert, Replace, Remove } kind;
    int row;
    RowStore::Row values;
};
using Edits = std::vector<Edit>;

// n rows of three cells: a number, a text of the given length, and every
// third row a NULL in the last column.
Rows numbered(int n, int length)
{
    Rows rows;
    for (int i = 0; i < n; ++i) {
        const QString text = QString::number(i).leftJustified(length, u'字');
        rows.push_back(makeRow({QString::number(i), text, i % 3 ? RowStore::Cell(QString()) : RowStore::Cell()}));
    }
    return rows;
}

void compareWith(const RowStore &store, const Rows &expected)
{
    QCOMPARE(store.rowCount(), int(expected.size()));
    for (int r = 0; r < store.rowCount(); ++r) {
        for (int c = 0; c < store.columnCount(); ++c) {
            const RowStore::Cell &cell = expected[size_t(r)][size_t(c)];
            QCOMPARE(store.isNull(r, c), !cell.has_value());
            QCOMPARE(store.text(r, c), cell.value_or(QString()));
            const QByteArray utf8 = cell.value_or(QString()).toUtf8();
            QCOMPARE(store.bytes(r, c), std::string_view(utf8.constData(), size_t(utf8.size())));
        }
        QCOMPARE(store.row(r), expected[size_t(r)]);
    }
}

// Writes the rows into a table of a real file and reads them back through a statement.
// The rows are then read back in the other order into the same store: the
// second read takes the room of the first.
RowStore loadThroughFile(const testing::TempInstall &install, const Rows &rows)
{
    data::Connection c = data::Connection::open(install.path(data::kMainFile.relativePath), data::kMainFile.key);
    c.execute("create table t (n integer primary key, a text, b text, c text)");
    {
        data::Transaction transaction(c);
        for (size_t i = 0; i < rows.size(); ++i) {
            data::Statement insert(c, "insert into t (n, a, b, c) values (:n, :a, :b, :c)");
            insert.bind(":n", QString::number(i));
            for (int col = 0; col < 3; ++col) {
                const QString name = QStringLiteral(":%1").arg(QChar(u'a' + col));
                if (rows[i][size_t(col)])
                    insert.bind(name, *rows[i][size_t(col)]);
            }
            insert.run();
        }
        transaction.commit();
    }
    RowStore store;
    data::Statement backwards(c, "select a, b, c from t order by n desc");
    store.load(backwards);
    const Rows reversed(rows.rbegin(), rows.rend());
    compareWith(store, reversed);
    data::Statement select(c, "select a, b, c from t order by n");
    store.load(select);
    return store;
}

} // namespace

class TestRowStore : public QObject {
    Q_OBJECT
private slots:
    void cellsComeBackAsTheyWent_data();
    void cellsComeBackAsTheyWent();
    void roomReportedIsRoomTaken();
};

void TestRowStore::cellsComeBackAsTheyWent_data()
{
    QTest::addColumn<Rows>("loaded");
    QTest::addColumn<Edits>("edits");

    const RowStore::Row nulls = makeRow({{}, {}, {}});
    const RowStore::Row empties = makeRow({QString(), QString(), QString()});
    const RowStore::Row mixed = makeRow({kMultiByte, {}, QString()});
    const RowStore::Row longOne = makeRow({QString(), kLong, kMultiByte});

    QTest::newRow("no rows") << Rows{} << Edits{{Edit::Insert, 0, mixed}, {Edit::Insert, 1, nulls}};
    QTest::newRow("null, empty and multi-byte texts")
        << Rows{nulls, empties, mixed}
        << Edits{{Edit::Insert, 0, mixed}, {Edit::Replace, 2, nulls}, {Edit::Remove, 3, {}}, {Edit::Insert, 3, empties}};
    QTest::newRow("a text longer than a chunk")
        << Rows{mixed, longOne, empties} << Edits{{Edit::Replace, 1, mixed}, {Edit::Replace, 0, longOne}};
    QTest::newRow("long texts between short rows")
        << Rows{empties, longOne, mixed, longOne, nulls}
        << Edits{{Edit::Remove, 4, {}}, {Edit::Insert, 0, longOne}, {Edit::Remove, 1, {}}, {Edit::Insert, 2, mixed}};
    {
        // Rows that fill several chunks, one of them too long for the chunk being filled.
        Rows rows = numbered(3000, 100);
        rows.insert(rows.begin() + 1500, makeRow({kMiddle, QString(), {}}));
        QTest::newRow("many rows over many chunks")
            << rows
            << Edits{{Edit::Insert, 0, longOne}, {Edit::Replace, 1501, mixed}, {Edit::Remove, 3000, {}},
                     {Edit::Insert, 2000, kMiddleRow()}};
    }
}

void TestRowStore::cellsComeBackAsTheyWent()
{
    QFETCH(Rows, loaded);
    QFETCH(Edits, edits);
    testing::TempInstall install;
    RowStore store = loadThroughFile(install, loaded);
    compareWith(store, loaded);

    // The same edits on a plain list of rows tell what the store must hold.
    Rows expected = loaded;
    for (const Edit &edit : edits) {
        switch (edit.kind) {
        case Edit::Insert:
            store.insertRow(edit.row, edit.values);
            expected.insert(expected.begin() + edit.row, edit.values);
            break;
        case Edit::Replace:
            store.replaceRow(edit.row, edit.values);
            expected[size_t(edit.row)] = edit.values;
            break;
        case Edit::Remove:
            store.removeRow(edit.row);
            expected.erase(expected.begin() + edit.row);
            break;
        }
    }
    compareWith(store, expected);
}

void TestRowStore::roomReportedIsRoomTaken()
{
    // 20,000 rows of some 300 bytes: the store takes little more than the
    // bytes and offsets it holds, with no spare room from growing by doubling.
    testing::TempInstall install;
    const Rows rows = numbered(20000, 100);
    const RowStore store = loadThroughFile(install, rows);
    size_t payload = 0;
    for (int r = 0; r < store.rowCount(); ++r) {
        for (int c = 0; c < store.columnCount(); ++c)
            payload += store.bytes(r, c).size() + sizeof(uint32_t);
    }
    QVERIFY2(store.memoryUsed() >= payload, qPrintable(QString::number(store.memoryUsed())));
    QVERIFY2(store.memoryUsed() < payload + payload / 10 + 64 * 1024,
             qPrintable(QStringLiteral("%1 bytes for %2").arg(store.memoryUsed()).arg(payload)));
}

QTEST_GUILESS_MAIN(TestRowStore)
#include "test_rowstore.moc"
