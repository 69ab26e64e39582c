// A table as a workbook: typed cells, the bold caption row that stays in
// view, sized columns, and a file written whole or not at all.
#include "DbError.h"
#include "XlsxWrite.h"
#include "ZipFiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray member(const QString &archive, const char *name)
{
    return testing::zipMember(archive, name);
}

const QStringList kCaptions{"编号", "中文名", "数量"};

} // namespace

class TestXlsxWrite : public QObject {
    Q_OBJECT
private slots:
    void cellsCaptionsAndColumns();
    void stoppedOrRefusedLeavesWhatWasThere_data();
    void stoppedOrRefusedLeavesWhatWasThere();
};

void TestXlsxWrite::cellsCaptionsAndColumns()
{
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("表.xlsx"));
    const QList<QStringList> rows{{"7", "张三丰", "12"}, {"8", "=1+1", "12a"}, {"9", "", "-3.5"}};
    QVERIFY(data::writeXlsx(path, QStringLiteral("客户"), kCaptions, {true, false, true}, int(rows.size()),
                            [&](int row, int column) { return rows[row][column]; }));
    QCOMPARE(QFile(path).permissions() & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
    const QString sheet = QString::fromUtf8(member(path, "xl/worksheets/sheet1.xml"));
    QVERIFY(!sheet.isEmpty());
    // Numbers of number columns as numbers; a formula, and text in a number column, as text.
    QVERIFY(sheet.contains(QStringLiteral("<c r=\"A2\"><v>7</v></c>")));
    QVERIFY(sheet.contains(QStringLiteral("<c r=\"C2\"><v>12</v></c>")));
    QVERIFY(sheet.contains(QStringLiteral("<c r=\"C4\"><v>-3.5</v></c>")));
    QVERIFY(sheet.contains(QStringLiteral("<c r=\"B3\" t=\"inlineStr\"><is><t>=1+1</t></is></c>")));
    QVERIFY(sheet.contains(QStringLiteral("<c r=\"C3\" t=\"inlineStr\"><is><t>12a</t></is></c>")));
    QVERIFY(!sheet.contains(QStringLiteral("r=\"B4\""))); // an empty cell is left out
    // The caption row in bold, frozen above the rows.
    QVERIFY(sheet.contains(QStringLiteral("<c r=\"B1\" s=\"1\" t=\"inlineStr\"><is><t>中文名</t></is></c>")));
    QVERIFY(sheet.contains(QStringLiteral("state=\"frozen\"")));
    QVERIFY(sheet.contains(QStringLiteral("ySplit=\"1\"")));
    QVERIFY(QString::fromUtf8(member(path, "xl/styles.xml")).contains(QStringLiteral("<b/>")));
    // Three ideographs take the room of six Latin characters, and some margin.
    QVERIFY(sheet.contains(QRegularExpression(QStringLiteral("<col min=\"2\" max=\"2\" width=\"8[.0-9]*\""))));
    QVERIFY(QString::fromUtf8(member(path, "xl/workbook.xml")).contains(QStringLiteral("name=\"客户\"")));
}

void TestXlsxWrite::stoppedOrRefusedLeavesWhatWasThere_data()
{
    QTest::addColumn<QString>("longCell");
    QTest::addColumn<bool>("stop");
    QTest::addColumn<QString>("error");
    QTest::newRow("stopped") << QString() << true << QString();
    QTest::newRow("a cell too long") << QString(data::kXlsxCellLimit + 1, u'长') << false
                                     << QStringLiteral("第 2 行的“中文名”有 32768 个字符");
    QTest::newRow("a cell of the most") << QString(data::kXlsxCellLimit, u'长') << false << QString();
}

void TestXlsxWrite::stoppedOrRefusedLeavesWhatWasThere()
{
    QFETCH(QString, longCell);
    QFETCH(bool, stop);
    QFETCH(QString, error);
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("表.xlsx"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("kept");
    old.close();
    const auto cell = [&](int row, int column) { return row == 1 && column == 1 ? longCell : QStringLiteral("1"); };
    const auto progress = [&](int row) { return !(stop && row == 2); };
    QString thrown;
    bool written = false;
    try {
        written = data::writeXlsx(path, QStringLiteral("客户"), kCaptions, {true, false, true}, 3, cell, progress);
    } catch (const data::DbError &e) {
        thrown = e.message();
    }
    QVERIFY2(error.isEmpty() ? thrown.isEmpty() : thrown.startsWith(error), qPrintable(thrown));
    const bool whole = !stop && error.isEmpty();
    QCOMPARE(written, whole);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll() == "kept", !whole);
    // Nothing half made is left beside it.
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("表.xlsx")});
    if (whole)
        QVERIFY(member(path, "xl/worksheets/sheet1.xml").contains(QString(data::kXlsxCellLimit, u'长').toUtf8()));
}

QTEST_MAIN(TestXlsxWrite)
#include "test_xlsxwrite.moc"
