// Reading the rows of spreadsheet files for the import: a workbook's first
// sheet streamed from its zip, text files in the encodings spreadsheet
// programs write, and a plain message for every file that cannot be read.
#include "CsvText.h"
#include "DbError.h"
#include "SheetRead.h"
#include "TextEncoding.h"
#include "WorkbookParts.h"
#include "ZipFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>

using namespace testing;

namespace {

// Every row of a file as "number:cell|cell|...".
QStringList readRows(const QString &path)
{
    const std::unique_ptr<data::SheetRows> sheet = data::openSheet(path);
    QStringList rows;
    QStringList cells;
    int number = 0;
    while (sheet->next(cells, number))
        rows << QString::number(number) + u':' + cells.join(u'|');
    return rows;
}

QByteArray utf16(const QString &text, bool bigEndian)
{
    QByteArray bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes += bigEndian ? QByteArray{&high, 1} + QByteArray{&low, 1} : QByteArray{&low, 1} + QByteArray{&high, 1};
    }
    return bytes;
}

constexpr int kRows = 1048576; // the most rows a sheet holds

// Reads the generated file of kRows rows ("客户n", n) row by row: every row,
// the last one's number and cells, and the progress never going back.
void readsAMillionRows(const QString &file)
{
    const std::unique_ptr<data::SheetRows> sheet = data::openSheet(file);
    QStringList cells;
    int number = 0;
    int count = 0;
    int progress = sheet->permille();
    while (sheet->next(cells, number)) {
        ++count;
        QVERIFY(sheet->permille() >= progress);
        progress = sheet->permille();
        if (count == kRows / 2)
            QVERIFY2(progress > 450 && progress < 550, qPrintable(QString::number(progress)));
    }
    QCOMPARE(count, kRows);
    QCOMPARE(number, kRows);
    QCOMPARE(cells, (QStringList{"客户1048576", "1048576"}));
    QCOMPARE(sheet->permille(), 1000);
}

} // namespace

class TestSheetRead : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void workbookCells_data();
    void workbookCells();
    void firstSheetThroughRelationships_data();
    void firstSheetThroughRelationships();
    void millionRowSheetIsStreamed();
    void encodings_data();
    void encodings();
    void refusedEncodings_data();
    void refusedEncodings();
    void gb18030DecodersAgree_data();
    void gb18030DecodersAgree();
    void quoting_data();
    void quoting();
    void exportedFileReadsBack();
    void millionRowCsvIsStreamed();
    void brokenFiles_data();
    void brokenFiles();
    void aMissingFileSaysSo();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    void bytesReadAsRows();
    QByteArray zipBytes(const Members &members) const;

    QTemporaryDir m_dir;
};

void TestSheetRead::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

QByteArray TestSheetRead::zipBytes(const Members &members) const
{
    const QString scratch = path(QStringLiteral("scratch.zip"));
    QFile::remove(scratch);
    writeZip(scratch, members);
    return bytesOf(scratch);
}

void TestSheetRead::workbookCells_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QByteArray>("workbookPr");
    QTest::addColumn<QStringList>("rows");
    const QByteArray none;

    QTest::newRow("shared strings: plain, rich with a phonetic guide, blanks kept, escapes and entities")
        << sheetData("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
                     "<c r=\"C1\" t=\"s\"><v>2</v></c><c r=\"D1\" t=\"s\"><v>3</v></c><c r=\"E1\" t=\"s\"><v>4</v></c></row>")
        << none << QStringList{"1:张三|北京 海淀区|  前后有空格  |第一行\r\n第二行 _x000D_|A & B <C>"};
    QTest::newRow("inline strings, plain and rich")
        << sheetData("<row r=\"1\">" + inlineCell("A1", "李四")
                     + "<c r=\"B1\" t=\"inlineStr\"><is><r><t>上</t></r><r><rPr><i/></rPr><t>海</t></r>"
                       "<rPh sb=\"0\" eb=\"1\"><t>シャンハイ</t></rPh></is></c></row>")
        << none << QStringList{"1:李四|上海"};
    QTest::newRow("formulas give their cached values, never their text")
        << sheetData("<row r=\"1\"><c r=\"A1\" t=\"str\"><f>B9&amp;\"x\"</f><v>结果</v></c>"
                     "<c r=\"B1\"><f>1/3</f><v>0.33333333333333331</v></c><c r=\"C1\"><f>SUM(X1:X9)</f></c>"
                     "<c r=\"D1\"><f t=\"shared\" ref=\"D1:D2\" si=\"0\">C1*2</f><v>4</v></c>"
                     "<c r=\"E1\" t=\"str\"><f>\"\"</f><v></v></c><c r=\"F1\" t=\"s\"><f>G1</f><v>0</v></c></row>")
        << none << QStringList{"1:结果|0.3333333333333333||4||张三"};
    QTest::newRow("booleans and errors")
        << sheetData("<row r=\"1\"><c r=\"A1\" t=\"b\"><v>1</v></c><c r=\"B1\" t=\"b\"><v>0</v></c>"
                     "<c r=\"C1\" t=\"e\"><f>1/0</f><v>#DIV/0!</v></c><c r=\"D1\" t=\"e\"><v>#N/A</v></c></row>")
        << none << QStringList{"1:TRUE|FALSE|#DIV/0!|#N/A"};
    QTest::newRow("missing cells keep the places of the others; empty ones at the end are left out")
        << sheetData("<row r=\"1\"><c r=\"B1\" t=\"s\"><v>0</v></c><c r=\"E1\"><v>5</v></c>"
                     + inlineCell("F1", "") + "<c r=\"XFD1\" s=\"1\"/></row>")
        << none << QStringList{"1:|张三|||5"};
    QTest::newRow("cells without a reference follow the one before, empty or not")
        << sheetData("<row r=\"2\"><c r=\"B2\"><v>1</v></c><c><v>2</v></c><c r=\"E2\" s=\"3\"/><c><v>3</v></c></row>")
        << none << QStringList{"2:|1|2|||3"};
    QTest::newRow("rows keep their numbers; empty and blank rows are skipped")
        << sheetData("<row r=\"3\"><c r=\"A3\"><v>1</v></c></row>"
                     "<row r=\"4\"><c r=\"A4\" s=\"1\"/>" + inlineCell("B4", "  ") + "</row>"
                     "<row r=\"5\"/><row r=\"7\" spans=\"1:1\"><c r=\"A7\"><v>2</v></c></row>"
                     "<row><c r=\"A8\"><v>3</v></c></row>")
        << none << QStringList{"3:1", "7:2", "8:3"};
    QTest::newRow("numbers as a user sees them")
        << sheetData("<row r=\"1\"><c r=\"A1\"><v>13800138000</v></c><c r=\"B1\"><v>100080</v></c>"
                     "<c r=\"C1\"><v>0.1</v></c><c r=\"D1\"><v>0.30000000000000004</v></c><c r=\"E1\"><v>-5</v></c>"
                     "<c r=\"F1\"><v>1.5E+20</v></c><c r=\"G1\"><v>1E-3</v></c><c r=\"H1\" s=\"3\"><v>2.5</v></c>"
                     "<c r=\"I1\" s=\"8\"><v>123</v></c><c r=\"J1\"><v>-0</v></c><c r=\"K1\"><v>1.0E+2</v></c></row>")
        << none << QStringList{"1:13800138000|100080|0.1|0.30000000000000004|-5|150000000000000000000|0.001|2.5|123|0|100"};
    QTest::newRow("numbers in date formats are dates")
        << sheetData("<row r=\"1\"><c r=\"A1\" s=\"1\"><v>45000</v></c><c r=\"B1\" s=\"1\"><v>45000.5</v></c>"
                     "<c r=\"C1\" s=\"2\"><v>45292</v></c><c r=\"D1\" s=\"7\"><v>36526</v></c>"
                     "<c r=\"E1\" s=\"6\"><v>45000.25</v></c><c r=\"F1\" s=\"5\"><v>0.75</v></c>"
                     "<c r=\"G1\" s=\"1\"><v>44999.99999999</v></c></row>"
                     "<row r=\"2\"><c r=\"A2\" s=\"1\"><v>59</v></c><c r=\"B2\" s=\"1\"><v>60</v></c>"
                     "<c r=\"C2\" s=\"1\"><v>61</v></c><c r=\"D2\" s=\"1\"><v>-1</v></c></row>")
        << none
        << QStringList{"1:2023-03-15|2023-03-15 12:00:00|2024-01-01|2000-01-01|2023-03-15 06:00:00|18:00:00|2023-03-15",
                       "2:1900-02-28|1900-02-29|1900-03-01|-1"};
    QTest::newRow("numbers in other formats stay numbers")
        << sheetData("<row r=\"1\"><c r=\"A1\" s=\"0\"><v>45000</v></c><c r=\"B1\" s=\"3\"><v>45000</v></c>"
                     "<c r=\"C1\" s=\"4\"><v>45000</v></c><c r=\"D1\" s=\"8\"><v>45000</v></c>"
                     "<c r=\"E1\" s=\"99\"><v>45000</v></c></row>")
        << none << QStringList{"1:45000|45000|45000|45000|45000"};
    QTest::newRow("the 1904 date system")
        << sheetData("<row r=\"1\"><c r=\"A1\" s=\"1\"><v>0</v></c><c r=\"B1\" s=\"1\"><v>43538</v></c>"
                     "<c r=\"C1\" s=\"5\"><v>0.5</v></c><c r=\"D1\"><v>43538</v></c></row>")
        << QByteArray("<workbookPr date1904=\"1\"/>") << QStringList{"1:1904-01-01|2023-03-15|12:00:00|43538"};
    QTest::newRow("merged cells: the value stays in the first")
        << QByteArray("<dimension ref=\"A1:C2\"/><sheetViews><sheetView workbookViewId=\"0\"/></sheetViews>"
                      "<cols><col min=\"1\" max=\"3\" width=\"12\" customWidth=\"1\"/></cols>")
               + sheetData("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" s=\"1\"/><c r=\"C1\" s=\"1\"/></row>"
                           "<row r=\"2\"><c r=\"A2\" s=\"1\"/><c r=\"B2\"><v>2</v></c></row>")
               + "<mergeCells count=\"2\"><mergeCell ref=\"A1:C1\"/><mergeCell ref=\"A2:A3\"/></mergeCells>"
                 "<pageMargins left=\"0.7\" right=\"0.7\" top=\"0.75\" bottom=\"0.75\" header=\"0.3\" footer=\"0.3\"/>"
        << none << QStringList{"1:张三", "2:|2"};
    QTest::newRow("an empty sheet") << QByteArray("<sheetData/>") << none << QStringList{};
}

void TestSheetRead::workbookCells()
{
    QFETCH(QByteArray, body);
    QFETCH(QByteArray, workbookPr);
    QFETCH(QStringList, rows);
    Book book;
    book.sheet(body).workbookPr = workbookPr;
    const QString file = path(QStringLiteral("客户.xlsx"));
    QFile::remove(file);
    writeZip(file, book.members());
    QCOMPARE(readRows(file), rows);
}

// The sheet read is the first the workbook lists, wherever its relationship
// puts it; the other sheet of the file must never be read.
void TestSheetRead::firstSheetThroughRelationships_data()
{
    QTest::addColumn<QByteArray>("workbookName");
    QTest::addColumn<QByteArray>("sheets");
    QTest::addColumn<QByteArray>("relationships");

    const QByteArray both = "<sheet name=\"甲\" sheetId=\"1\" r:id=\"rId1\"/><sheet name=\"乙\" sheetId=\"2\" r:id=\"rId2\"/>";
    const QByteArray strings = relationship("rId4", "sharedStrings", "sharedStrings.xml");
    QTest::newRow("listed first, not the lowest id")
        << QByteArray("xl/workbook.xml")
        << QByteArray("<sheet name=\"乙\" sheetId=\"2\" r:id=\"rId2\"/><sheet name=\"甲\" sheetId=\"1\" r:id=\"rId1\"/>")
        << relationship("rId1", "worksheet", "worksheets/sheet1.xml")
               + relationship("rId2", "worksheet", "worksheets/sheet2.xml") + strings;
    QTest::newRow("a target from the package root")
        << QByteArray("xl/workbook.xml") << both
        << relationship("rId1", "worksheet", "/xl/worksheets/sheet2.xml")
               + relationship("rId2", "worksheet", "worksheets/sheet1.xml") + strings;
    QTest::newRow("a target in another case")
        << QByteArray("xl/workbook.xml") << both
        << relationship("rId1", "worksheet", "Worksheets/Sheet2.xml")
               + relationship("rId2", "worksheet", "worksheets/sheet1.xml") + strings;
    QTest::newRow("a chart sheet first holds no table")
        << QByteArray("xl/workbook.xml")
        << QByteArray("<sheet name=\"图\" sheetId=\"3\" r:id=\"rId3\"/>") + both
        << relationship("rId3", "chartsheet", "chartsheets/sheet1.xml")
               + relationship("rId1", "worksheet", "worksheets/sheet2.xml")
               + relationship("rId2", "worksheet", "worksheets/sheet1.xml") + strings;
    QTest::newRow("a workbook part of another name")
        << QByteArray("xl/workbook2.xml") << both
        << relationship("rId1", "worksheet", "worksheets/sheet2.xml")
               + relationship("rId2", "worksheet", "worksheets/sheet1.xml") + strings;
}

void TestSheetRead::firstSheetThroughRelationships()
{
    QFETCH(QByteArray, workbookName);
    QFETCH(QByteArray, sheets);
    QFETCH(QByteArray, relationships);
    Book book;
    book.workbookName = workbookName;
    book.sheets = sheets;
    book.relationships = relationships;
    book.parts = {{"xl/worksheets/sheet1.xml", worksheet(sheetData("<row r=\"1\">" + inlineCell("A1", "第二张") + "</row>"))},
                  {"xl/worksheets/sheet2.xml",
                   worksheet(sheetData("<row r=\"5\"><c r=\"A5\" t=\"s\"><v>0</v></c></row>"))},
                  {"xl/chartsheets/sheet1.xml", "<chartsheet/>"},
                  {"xl/sharedStrings.xml", kSharedStrings}};
    const QString file = path(QStringLiteral("两张.xlsx"));
    QFile::remove(file);
    writeZip(file, book.members());
    QCOMPARE(readRows(file), QStringList{"5:张三"});
}

// As many rows as a sheet can have, read one at a time, with the progress
// moving along with them.
void TestSheetRead::millionRowSheetIsStreamed()
{
    const QString file = path(QStringLiteral("百万.xlsx"));
    {
        Book book;
        ZipWriter zip(file);
        for (const auto &[name, bytes] : book.members()) {
            if (name != "xl/worksheets/sheet1.xml") {
                zip.add(name, bytes);
                continue;
            }
            zip.begin(name);
            zip.write(worksheet("<sheetData>").chopped(int(qstrlen("</worksheet>"))));
            QByteArray rows;
            for (int row = 1; row <= kRows; ++row) {
                const QByteArray n = QByteArray::number(row);
                rows += "<row r=\"" + n + "\"><c t=\"inlineStr\"><is><t>客户" + n + "</t></is></c><c><v>" + n
                        + "</v></c></row>";
                if (rows.size() > (1 << 20)) {
                    zip.write(rows);
                    rows.clear();
                }
            }
            zip.write(rows + "</sheetData></worksheet>");
            zip.end();
        }
        zip.close();
    }
    readsAMillionRows(file);
}

void TestSheetRead::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    const QStringList names{"1:姓名|电话", "2:张三|13800138000"};
    const QString text = QStringLiteral("姓名,电话\r\n张三,13800138000\r\n");
    const QString tabbed = QStringLiteral("姓名\t电话\r\n张三\t13800138000\r\n");

    QTest::newRow("UTF-8 with its mark") << "\xEF\xBB\xBF" + text.toUtf8() << names;
    QTest::newRow("UTF-8 without a mark") << text.toUtf8() << names;
    QTest::newRow("GB18030") << QByteArray("\xD0\xD5\xC3\xFB,\xB5\xE7\xBB\xB0\r\n\xD5\xC5\xC8\xFD,13800138000\r\n") << names;
    QTest::newRow("GB18030 beyond two bytes")
        << QByteArray("\xBF\xCD\xBB\xA7,\xA2\xE3,\x95\x32\x82\x36,\x81\x30\x81\x30\n")
        << QStringList{QStringLiteral("1:客户|€|\U00020000|\u0080")};
    // One ASCII byte first, so that the two-byte characters lie across the
    // chunks the file is read in.
    QByteArray across = "x" + QByteArray("\xD5\xC5").repeated(30000) + ",y" + QByteArray("\xD5\xC5").repeated(30000);
    QTest::newRow("GB18030 across chunks")
        << across << QStringList{"1:x" + QString(30000, u'张') + "|y" + QString(30000, u'张')};
    QTest::newRow("UTF-16 LE with tabs") << utf16(tabbed, false) << names;
    QTest::newRow("UTF-16 BE with tabs") << utf16(tabbed, true) << names;
    QTest::newRow("an empty file") << QByteArray() << QStringList{};
    QTest::newRow("a mark and blank lines only") << QByteArray("\xEF\xBB\xBF\r\n \r\n") << QStringList{};
}

// The case's bytes, as a file, read as the case's rows.
void TestSheetRead::bytesReadAsRows()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, rows);
    const QString file = path(QStringLiteral("客户.csv"));
    writeFile(file, bytes);
    QCOMPARE(readRows(file), rows);
}

void TestSheetRead::encodings()
{
    bytesReadAsRows();
}

void TestSheetRead::refusedEncodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("NUL bytes without a UTF-16 mark") << QByteArray("a\0,\0b\0\r\0\n\0", 10);
    QTest::newRow("a sequence GB18030 refuses") << QByteArray("\xD5\xC5,\x84\x31\xA5\x30\r\n");
    QTest::newRow("bytes no text has") << QByteArray("abc,\x80\xFF\r\n");
    QTest::newRow("a UTF-8 mark before GB18030") << QByteArray("\xEF\xBB\xBF\xD5\xC5\xC8\xFD\r\n");
    QTest::newRow("UTF-16 with a lone surrogate") << QByteArray("\xFF\xFE\x00\xD8\x41\x00", 6);
}

void TestSheetRead::refusedEncodings()
{
    QFETCH(QByteArray, bytes);
    const QString file = path(QStringLiteral("乱码.csv"));
    writeFile(file, bytes);
    try {
        readRows(file);
        QFAIL("read");
    } catch (const data::DbError &e) {
        QCOMPARE(e.message(),
                 QStringLiteral("无法读取文件 乱码.csv: 不认识它的文字编码 (可以读入 UTF-8 和 GB18030 的 .csv 文件)"));
    }
}

// Both ways of decoding GB18030, given the bytes one at a time so that every
// character is split.
void TestSheetRead::gb18030DecodersAgree_data()
{
    QTest::addColumn<int>("engine");
    QTest::newRow("Qt") << int(data::TextDecoder::Engine::Qt);
    QTest::newRow("iconv") << int(data::TextDecoder::Engine::Iconv);
}

void TestSheetRead::gb18030DecodersAgree()
{
    QFETCH(int, engine);
    data::TextDecoder decoder(data::TextEncoding::Gb18030, data::TextDecoder::Engine(engine));
    const QByteArray bytes("\xBF\xCD\xBB\xA7 A,\xA2\xE3\x95\x32\x82\x36\x81\x30\x81\x30\xD5\xC5");
    QString text;
    for (const char b : bytes)
        text += decoder.decode(QByteArrayView(&b, 1));
    QCOMPARE(text, QStringLiteral("客户 A,€\U00020000\u0080张"));
    QVERIFY(!decoder.hasError());
    decoder.decode("\x84\x31\xA5\x30");
    QVERIFY(decoder.hasError());
}

void TestSheetRead::quoting_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("a comma inside quotes") << QByteArray("a,\"b,c\",d\r\n") << QStringList{"1:a|b,c|d"};
    QTest::newRow("doubled quotes") << QByteArray("\"他说\"\"好\"\"\",x\r\n") << QStringList{"1:他说\"好\"|x"};
    QTest::newRow("line breaks inside quotes count as lines")
        << QByteArray("名,\"第一行\r\n第二行\"\r\n\"a\nb\rc\",x\r\n下一条,y")
        << QStringList{"1:名|第一行\r\n第二行", "3:a\nb\rc|x", "6:下一条|y"};
    QTest::newRow("LF line ends") << QByteArray("a\nb\n") << QStringList{"1:a", "2:b"};
    QTest::newRow("lone CR line ends") << QByteArray("a\rb\r") << QStringList{"1:a", "2:b"};
    QTest::newRow("blank lines are skipped and counted")
        << QByteArray("a\r\n\r\n , \r\n,,\r\nb") << QStringList{"1:a", "5:b"};
    QTest::newRow("empty cells keep their places") << QByteArray(",a,,b,,\n") << QStringList{"1:|a||b"};
    QTest::newRow("blanks are kept") << QByteArray(" a , b\n") << QStringList{"1: a | b"};
    QTest::newRow("tabs when the first line has no comma")
        << QByteArray("姓名\t电话\n张三\t1,2\n") << QStringList{"1:姓名|电话", "2:张三|1,2"};
    QTest::newRow("semicolons when the first line has no comma")
        << QByteArray("a;b\n1;2,5\n") << QStringList{"1:a|b", "2:1|2,5"};
    QTest::newRow("a comma in the first line wins") << QByteArray("a,b\tc;d\n") << QStringList{"1:a|b\tc;d"};
    QTest::newRow("a quoted comma in the first line does not count")
        << QByteArray("\"a,b\"\tc\nd\te\n") << QStringList{"1:a,b|c", "2:d|e"};
    QTest::newRow("a quote inside a plain field") << QByteArray("5\" 屏幕,x\n") << QStringList{"1:5\" 屏幕|x"};
    QTest::newRow("the export's apostrophe is taken away")
        << QByteArray("\"'=HYPERLINK(\"\"x\"\")\",'+86 10,-5,'abc,''=x,'\t\n")
        << QStringList{"1:=HYPERLINK(\"x\")|+86 10|-5|'abc|'=x|\t"};
}

void TestSheetRead::quoting()
{
    bytesReadAsRows();
}

// What the export writes, the import reads back cell for cell.
void TestSheetRead::exportedFileReadsBack()
{
    const QStringList captions{"中文名", "备注", "电话"};
    const QList<QStringList> rows{{"张三", "北京,海淀\r\n第二行", "=1+1"},
                                  {"O\"Neil", "", "-5"},
                                  {" 两头空 ", "'引号", "@SUM(A1)"}};
    const QString file = path(QStringLiteral("导出.csv"));
    QVERIFY(data::writeCsv(file, captions, int(rows.size()), [&](int row, int column) { return rows[row][column]; }));
    QCOMPARE(readRows(file), (QStringList{"1:中文名|备注|电话", "2:张三|北京,海淀\r\n第二行|=1+1", "4:O\"Neil||-5",
                                          "5: 两头空 |'引号|@SUM(A1)"}));
}

void TestSheetRead::millionRowCsvIsStreamed()
{
    const QString file = path(QStringLiteral("百万.csv"));
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QByteArray lines = "\xEF\xBB\xBF";
        for (int row = 1; row <= kRows; ++row) {
            const QByteArray n = QByteArray::number(row);
            lines += "客户" + n + ",\"" + n + "\"\r\n";
            if (lines.size() > (1 << 20)) {
                out.write(lines);
                lines.clear();
            }
        }
        out.write(lines);
    }
    readsAMillionRows(file);
}

void TestSheetRead::brokenFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("detail"); // part of the reason that follows

    const QString broken = QStringLiteral("无法读取文件 资料.xlsx: 文件已损坏或不是 Excel 工作簿 (.xlsx)");
    const QByteArray sound = zipBytes(Book().sheet(sheetData("<row r=\"1\">" + inlineCell("A1", "x") + "</row>")).members());

    QTest::newRow("not a zip") << QByteArray("PK\x03\x04 this is no zip at all") << broken << "";
    QTest::newRow("a truncated zip") << sound.left(sound.size() / 2) << broken << "";
    QTest::newRow("no workbook") << zipBytes({{"hello.txt", "hello"}}) << broken << "xl/workbook.xml";
    Book missing;
    missing.relationships = relationship("rId1", "worksheet", "worksheets/sheet9.xml");
    QTest::newRow("a missing sheet") << zipBytes(missing.members()) << broken << "xl/worksheets/sheet9.xml";
    Book unlisted;
    unlisted.sheets = "<sheet name=\"客户\" sheetId=\"1\" r:id=\"rId7\"/>";
    QTest::newRow("a sheet without a relationship") << zipBytes(unlisted.members()) << broken << "rId7";
    QTest::newRow("bad XML in the sheet")
        << zipBytes(Book().sheet(sheetData("<row r=\"1\"><c r=\"A1\"><v>1</v></row>")).members()) << broken
        << " (xl/worksheets/sheet1.xml 第 2 行的 XML 格式不对)";
    Book cut;
    cut.parts[0].second = worksheet(sheetData("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>")).left(200);
    QTest::newRow("a sheet cut off") << zipBytes(cut.members()) << broken
                                     << " (xl/worksheets/sheet1.xml 第 2 行的 XML 没有写完)";
    Book badStrings;
    badStrings.parts[1].second = "<sst><si><t>张三</si></sst>";
    QTest::newRow("bad XML in the shared strings") << zipBytes(badStrings.members()) << broken << "xl/sharedStrings.xml";
    QTest::newRow("a shared string that is not there")
        << zipBytes(Book().sheet(sheetData("<row r=\"1\"><c r=\"A1\" t=\"s\"><v>99</v></c></row>")).members())
        << broken << "99";
    QTest::newRow("a cell beyond the last column")
        << zipBytes(Book().sheet(sheetData("<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>")).members()) << broken
        << "XFE1";

    const QByteArray compound = QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1") + QByteArray(2000, '\0');
    QByteArray encrypted = compound;
    encrypted.replace(1536, 28, QByteArray("E\0n\0c\0r\0y\0p\0t\0i\0o\0n\0I\0n\0f\0o\0", 28));
    QTest::newRow("a workbook with a password")
        << encrypted << QStringLiteral("文件 资料.xlsx 有密码保护。请在表格程序中取消密码, 另存为 .xlsx 后再导入。") << "";
    QTest::newRow("an old .xls workbook")
        << compound << QStringLiteral("文件 资料.xlsx 是旧的 .xls 格式。请在表格程序中另存为 .xlsx 或 .csv 后再导入。") << "";
    QTest::newRow("a quote that is never closed")
        << QByteArray("a,b\r\nc,\"open\r\nmore,\r\n")
        << QStringLiteral("无法读取文件 资料.xlsx: 第 2 行开始的带引号的字段到文件末尾也没有结束 (缺少后引号)") << "";
}

void TestSheetRead::brokenFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QString, detail);
    const QString file = path(QStringLiteral("资料.xlsx"));
    writeFile(file, bytes);
    try {
        readRows(file);
        QFAIL("read");
    } catch (const data::DbError &e) {
        QVERIFY2(e.message().startsWith(message) && e.message().contains(detail), qPrintable(e.message()));
    }
}

void TestSheetRead::aMissingFileSaysSo()
{
    QVERIFY_THROWS_EXCEPTION(data::DbError, data::openSheet(path(QStringLiteral("没有.xlsx"))));
    try {
        data::openSheet(path(QStringLiteral("没有.xlsx")));
    } catch (const data::DbError &e) {
        QCOMPARE(e.message(), QStringLiteral("无法读取文件 没有.xlsx: 文件不存在"));
    }
}

QTEST_MAIN(TestSheetRead)
#include "test_sheetread.moc"
