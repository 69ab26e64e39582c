// The bounds of reading a spreadsheet for the import: a file of a few
// hundred kilobytes that unpacks or expands to far more is refused as soon as
// it passes one, and reading tells its progress and stops where told to.
#include "CellText.h"
#include "DbError.h"
#include "SheetRead.h"
#include "WorkbookParts.h"
#include "ZipFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <tuple>

using namespace testing;

class TestSheetBounds : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void longCellsReadWhole();
    void boundsOfReading_data();
    void boundsOfReading();
    void progressStopsTheReading_data();
    void progressStopsTheReading();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QByteArray zipBytes(const Members &members) const;
    QByteArray packedBook(const Book &book, const QByteArray &part, const QByteArray &before, const QByteArray &piece,
                          qint64 times, const QByteArray &after) const;

    QTemporaryDir m_dir;
};

void TestSheetBounds::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QByteArray TestSheetBounds::zipBytes(const Members &members) const
{
    const QString scratch = path(QStringLiteral("scratch.zip"));
    QFile::remove(scratch);
    writeZip(scratch, members);
    return bytesOf(scratch);
}

// Cells of the most characters a cell may have, far longer than a chunk of
// the zip, in the shared strings (every one written as an escape, seven
// times as long) and inline.
void TestSheetBounds::longCellsReadWhole()
{
    const QString shared(data::kLongestCell, u'\r');
    const QString inlined = QStringLiteral("x") + QString(data::kLongestCell - 1, u'户');
    Book book;
    book.sheet(sheetData("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c>" + inlineCell("B1", inlined.toUtf8()) + "</row>"));
    book.parts[1].second = "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><si><t>"
                           + QByteArray("_x000D_").repeated(data::kLongestCell) + "</t></si></sst>";
    const QString file = path(QStringLiteral("长.xlsx"));
    QFile::remove(file);
    writeZip(file, book.members());
    const std::unique_ptr<data::SheetRows> sheet = data::openSheet(file);
    QStringList cells;
    int number = 0;
    QVERIFY(sheet->next(cells, number));
    QCOMPARE(cells, (QStringList{shared, inlined}));
    QVERIFY(!sheet->next(cells, number));
}

// A workbook of the parts of `book`, its sheet or its shared strings (the
// part at `part`) made of `before`, `times` times `piece` and `after`,
// packed tight: small on disk however much it unpacks to.
QByteArray TestSheetBounds::packedBook(const Book &book, const QByteArray &part, const QByteArray &before,
                                     const QByteArray &piece, qint64 times, const QByteArray &after) const
{
    const QString scratch = path(QStringLiteral("scratch.zip"));
    QFile::remove(scratch);
    ZipWriter zip(scratch, ZipWriter::Packing::Tight);
    for (const auto &[name, bytes] : book.members()) {
        if (name != part) {
            zip.add(name, bytes);
            continue;
        }
        zip.begin(name);
        zip.write(before);
        // The same block of pieces again and again, then the rest.
        const qint64 perBlock = std::max<qint64>(1, (1 << 20) / piece.size());
        const QByteArray block = piece.repeated(perBlock);
        for (qint64 i = 0; i < times / perBlock; ++i)
            zip.write(block);
        zip.write(piece.repeated(times % perBlock) + after);
        zip.end();
    }
    zip.close();
    return bytesOf(scratch);
}

void TestSheetBounds::boundsOfReading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("chunks"); // at most so many chunks are read before the refusal; -1: any number

    const QByteArray sheetPart = "xl/worksheets/sheet1.xml";
    const QByteArray stringsPart = "xl/sharedStrings.xml";
    const QByteArray sst = "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    const QByteArray megabyte(1 << 20, 'x');
    constexpr int kFew = 48; // of 64 KB each: three megabytes
    const QString file = QStringLiteral("无法读取文件 资料.xlsx: ");
    const auto sheetWith = [](const QByteArray &rows) {
        const QByteArray whole = worksheet(sheetData("<row r=\"1\">" + inlineCell("A1", "姓名") + "</row>@"));
        return std::make_pair(whole.left(whole.indexOf('@')) + rows.left(rows.indexOf('@')),
                              rows.mid(rows.indexOf('@') + 1) + whole.mid(whole.indexOf('@') + 1));
    };

    // What a cell holds is refused once it passes the most a cell may hold.
    auto [before, after] = sheetWith("<row r=\"2\"><c r=\"B2\" t=\"inlineStr\"><is><t>@</t></is></c></row>");
    QTest::newRow("a cell of 16 MB") << packedBook(Book(), sheetPart, before, megabyte, 16, after)
                                     << file + "第 2 行 B 列的单元格超过 32767 个字符, 比一个单元格能存的还多" << kFew;
    QTest::newRow("a cell one character too long")
        << packedBook(Book(), sheetPart, before, "x", data::kLongestCell + 1, after)
        << file + "第 2 行 B 列的单元格超过 32767 个字符, 比一个单元格能存的还多" << kFew;
    std::tie(before, after) = sheetWith("<row r=\"2\"><c r=\"C2\"><v>@</v></c></row>");
    QTest::newRow("a number of 16 MB") << packedBook(Book(), sheetPart, before, QByteArray(1 << 20, '1'), 16, after)
                                       << file + "第 2 行 C 列的单元格超过 32767 个字符, 比一个单元格能存的还多" << kFew;
    Book oneString = Book().sheet(sheetData("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>"));
    QTest::newRow("a shared string of 16 MB")
        << packedBook(oneString, stringsPart, sst + "<si><t>", megabyte, 16, "</t></si></sst>")
        << file + "有一个单元格超过 32767 个字符, 比一个单元格能存的还多" << kFew;
    QTest::newRow("a shared string of 16 MB of runs")
        << packedBook(oneString, stringsPart, sst + "<si>", "<r><t>" + QByteArray(1000, 'x') + "</t></r>", 16 * 1024,
                      "</si></sst>")
        << file + "有一个单元格超过 32767 个字符, 比一个单元格能存的还多" << kFew;
    // A row of the longest string again and again is more than a row may hold.
    Book longString;
    longString.parts[1].second = sst + "<si><t>" + QByteArray(data::kLongestCell, 'x') + "</t></si></sst>";
    QTest::newRow("a row of the same long string in every column")
        << packedBook(longString, sheetPart, worksheet("<sheetData><row r=\"7\">@").split('@').front(),
                      "<c t=\"s\"><v>0</v></c>", data::kSheetColumns, "</row></sheetData></worksheet>")
        << file + "第 7 行的单元格合起来超过 1048576 个字符, 太长了" << kFew;
    // More strings than a table may have, the last of them wanted.
    Book lastString = Book().sheet(
        sheetData("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>" + QByteArray::number(data::kMostSharedStrings) + "</v></c></row>"));
    QTest::newRow("too many shared strings")
        << packedBook(lastString, stringsPart, sst, "<si/>", data::kMostSharedStrings + 1, "</sst>")
        << file + "工作簿中不同的文字太多 (超过 16777216 条或共 134217728 个字符)" << -1;
    // What the parts say they unpack to is refused before they are read.
    const QByteArray sound = zipBytes(Book().sheet(sheetData("<row r=\"1\">" + inlineCell("A1", "x") + "</row>")).members());
    QTest::newRow("a sheet too large")
        << withUnpackedSize(sound, sheetPart, 0xFFFFFFF0u)
        << file + "工作簿中的 xl/worksheets/sheet1.xml 解压后超过 2048 MB, 太大了" << kFew;
    QTest::newRow("a sheet and strings too large together")
        << withUnpackedSize(withUnpackedSize(sound, sheetPart, 0x50000000u), stringsPart, 0x50000000u)
        << file + "工作簿解压后超过 2048 MB, 太大了" << kFew;
    QTest::newRow("styles too large") << withUnpackedSize(sound, "xl/styles.xml", 0x4000001u)
                                      << file + "工作簿中的 xl/styles.xml 解压后超过 64 MB, 太大了" << kFew;

    // Text files.
    QTest::newRow("a field too long") << "a,b\r\nc," + QByteArray(data::kLongestCell + 1, 'x') + "\r\n"
                                      << file + "第 2 行 B 列的单元格超过 32767 个字符, 比一个单元格能存的还多" << kFew;
    QTest::newRow("a quoted field of 8 MB") << "a,\"" + megabyte.repeated(8) + "\"\r\n"
                                             << file + "第 1 行 B 列的单元格超过 32767 个字符, 比一个单元格能存的还多"
                                             << -1;
    QTest::newRow("a formula's apostrophe does not count")
        << "a,'=" + QByteArray(data::kLongestCell - 1, 'x') + "\r\nb," + QByteArray(data::kLongestCell + 1, 'y')
        << file + "第 2 行 B 列的单元格超过 32767 个字符, 比一个单元格能存的还多" << kFew;
    QTest::newRow("more fields than a sheet has columns") << "a" + QByteArray(",").repeated(data::kSheetColumns) + "b"
                                                          << file + "第 1 行超过 16384 列, 比一个工作表能有的列还多" << kFew;
    QTest::newRow("a record too long") << ("a" + ("," + QByteArray(30000, 'x')).repeated(40))
                                       << file + "第 1 行的单元格合起来超过 1048576 个字符, 太长了" << kFew;
}

// A file that unpacks or expands to much more than it takes on disk is
// refused as soon as it passes a bound of reading, and while it is read the
// progress hears of it chunk by chunk.
void TestSheetBounds::boundsOfReading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(int, chunks);
    const QString file = path(QStringLiteral("资料.xlsx"));
    writeFile(file, bytes);
    int told = 0;
    try {
        const std::unique_ptr<data::SheetRows> sheet = data::openSheet(file, [&](int) { return ++told > 0; });
        QStringList cells;
        int number = 0;
        while (sheet->next(cells, number)) {
        }
        QFAIL("read");
    } catch (const data::DbError &e) {
        QCOMPARE(e.message(), message);
    }
    if (chunks >= 0)
        QVERIFY2(told <= chunks, qPrintable(QString::number(told)));
}

// Reading stops where the progress says so, in the pass over a text file
// before its first row and within the one long row of a workbook.
void TestSheetBounds::progressStopsTheReading_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("openedFirst"); // stopped in next(), not in openSheet()
    QTest::newRow("a text file") << "a,b\r\n" + QByteArray("c,d\r\n").repeated(1 << 19) << false;
    const QByteArray whole = worksheet(sheetData("<row r=\"1\">@</row>"));
    QTest::newRow("a row of a workbook")
        << packedBook(Book(), "xl/worksheets/sheet1.xml", whole.left(whole.indexOf('@')), inlineCell("", "x"),
                      data::kSheetColumns, whole.mid(whole.indexOf('@') + 1))
        << true;
}

void TestSheetBounds::progressStopsTheReading()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, openedFirst);
    const QString file = path(QStringLiteral("资料.xlsx"));
    writeFile(file, bytes);
    int told = 0;
    bool opened = false;
    try {
        // Told only once the rows are read (a workbook's parts before its sheet tell 0).
        const std::unique_ptr<data::SheetRows> sheet =
            data::openSheet(file, [&](int permille) { return permille == 0 || ++told < 3; });
        opened = true;
        QStringList cells;
        int number = 0;
        sheet->next(cells, number);
        QFAIL("read");
    } catch (const data::ReadStopped &) {
    }
    QCOMPARE(told, 3);
    QCOMPARE(opened, openedFirst);
}

QTEST_MAIN(TestSheetBounds)
#include "test_sheetbounds.moc"
