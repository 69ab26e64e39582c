// The report definitions: the files a user may read and change, read back as
// they were written, refused with the file and line of what is wrong, and
// written by an installation only where none is.
#include "DbError.h"
#include "DefaultReports.h"
#include "FreshInstall.h"
#include "ReportDefinition.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class TestReportDefinition : public QObject {
    Q_OBJECT
private slots:
    void defaultsAreTheSixReports();
    void aDefinitionReadsBackAsWritten();
    void brokenDefinitions_data();
    void brokenDefinitions();
    void filesThatAreNoText_data();
    void filesThatAreNoText();
    void aFileAtTheBoundIsRead();
    void pageLinesFillTheirPlaces();
    void installationWritesOnlyMissingFiles();
};

void TestReportDefinition::defaultsAreTheSixReports()
{
    QStringList files, data, titles;
    for (const data::DefaultReport &r : data::defaultReports()) {
        files << QString::fromLatin1(r.file);
        data << r.definition.data;
        titles << r.definition.title;
        double width = 0;
        for (const data::ReportColumn &c : r.definition.columns)
            width += c.widthMm;
        // Within the 277 mm a landscape A4 page leaves between its margins.
        QVERIFY2(width <= 277, qPrintable(titles.last()));
    }
    QCOMPARE(files, (QStringList{"s1.rav", "s7.rav", "s3.rav", "s2.rav", "s4.rav", "s5.rav"}));
    QCOMPARE(data, (QStringList{"RvData_lianxiren", "RvData_suoshu", "RvData_huodong", "RvData_fenxi", "RvData_chanpin",
                                "RvData_yuangong"}));
    QCOMPARE(titles, (QStringList{"客户清单表", "公司清单表", "销售活动表", "销售分析表", "产品清单表", "员工清单表"}));
}

void TestReportDefinition::aDefinitionReadsBackAsWritten()
{
    for (const data::DefaultReport &r : data::defaultReports())
        QCOMPARE(data::parseReportDefinition(data::reportDefinitionText(r.definition), QString::fromLatin1(r.file)),
                 r.definition);
    // What a user may write by hand: a byte-order mark, Windows line ends,
    // blanks and comments anywhere, the keys in any order.
    const QString byHand = QStringLiteral("\xFEFF# mine\r\ncolumn: o1 | 名称 | 40.5 | center | cut\r\n\r\n"
                                          "  title :  我的产品  \r\ndata: RvData_chanpin\r\norientation: portrait\r\n");
    const data::ReportDefinition mine = data::parseReportDefinition(byHand, QStringLiteral("s4.rav"));
    QCOMPARE(mine.title, QStringLiteral("我的产品"));
    QVERIFY(!mine.landscape);
    QCOMPARE(mine.fontPt, 9.0);
    QCOMPARE(mine.columns.size(), size_t(1));
    QCOMPARE(mine.columns.front(),
             (data::ReportColumn{"o1", "名称", 40.5, data::Alignment::Center, data::Overflow::Cut}));
}

void TestReportDefinition::brokenDefinitions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("reason");
    const QString head = QStringLiteral("title: 表\ndata: RvData_chanpin\n");
    const QString column = QStringLiteral("column: o1 | 名称 | 40 | left | wrap\n");
    QTest::newRow("no colon") << head + QStringLiteral("column o1\n") << 3 << "应写作“键: 值”";
    QTest::newRow("unknown key") << head + QStringLiteral("colour: red\n") << 3 << "没有“colour”这一项";
    QTest::newRow("a long unknown key") << head + QStringLiteral("x").repeated(500) + QStringLiteral(": 1\n") << 3
                                        << "没有“xxxxxxxxxxxxxxxxxxxx…”这一项";
    QTest::newRow("title twice") << head + column + QStringLiteral("title: 又\n") << 4 << "“title”写了两次";
    QTest::newRow("four parts") << head + QStringLiteral("column: o1 | 名称 | 40 | left\n") << 3
                                << "一列由五部分组成:字段 | 标题 | 宽度 | 对齐 | 超长时";
    QTest::newRow("width") << head + QStringLiteral("column: o1 | 名称 | wide | left | wrap\n") << 3
                           << "宽度“wide”不是 1 到 1000 之间的数";
    QTest::newRow("width nan") << head + QStringLiteral("column: o1 | 名称 | nan | left | wrap\n") << 3
                               << "宽度“nan”不是 1 到 1000 之间的数";
    QTest::newRow("width -nan") << head + QStringLiteral("column: o1 | 名称 | -NaN | left | wrap\n") << 3
                                << "宽度“-NaN”不是 1 到 1000 之间的数";
    QTest::newRow("width inf") << head + QStringLiteral("column: o1 | 名称 | inf | left | wrap\n") << 3
                               << "宽度“inf”不是 1 到 1000 之间的数";
    QTest::newRow("font nan") << head + column + QStringLiteral("font: nan\n") << 4 << "字号“nan”不是 4 到 72 之间的数";
    QTest::newRow("font too large") << head + column + QStringLiteral("font: 73\n") << 4
                                    << "字号“73”不是 4 到 72 之间的数";
    QTest::newRow("alignment") << head + QStringLiteral("column: o1 | 名称 | 40 | middle | wrap\n") << 3
                               << "对齐方式“middle”不是 left、center、right 之一";
    QTest::newRow("overflow") << head + QStringLiteral("column: o1 | 名称 | 40 | left | hide\n") << 3
                              << "超长时的处理“hide”不是 wrap、cut 之一";
    QTest::newRow("orientation") << head + column + QStringLiteral("orientation: sideways\n") << 4
                                 << "方向“sideways”不是 portrait、landscape 之一";
    QTest::newRow("no field") << head + QStringLiteral("column:  | 名称 | 40 | left | wrap\n") << 3
                              << "这一列没有写字段";
    QTest::newRow("a control character") << head + QStringLiteral("footer: a\x01" "b\n") + column << 3
                                         << "含有控制字符,这不是报表定义的文本";
    QTest::newRow("no title") << QStringLiteral("data: RvData_chanpin\n") + column << 3 << "报表没有标题(title)";
    QTest::newRow("no data") << QStringLiteral("title: 表\n") + column << 3 << "报表没有写数据(data)";
    QTest::newRow("no column") << head << 3 << "报表没有列(column)";
}

void TestReportDefinition::brokenDefinitions()
{
    QFETCH(QString, text);
    QFETCH(int, line);
    QFETCH(QString, reason);
    try {
        data::parseReportDefinition(text, QStringLiteral("/w/Rop/s4.rav"));
        QFAIL("read as a report");
    } catch (const data::ReportFormatError &e) {
        QCOMPARE(e.reason(), reason);
        QCOMPARE(e.line(), line);
        QCOMPARE(e.message(), QStringLiteral("/w/Rop/s4.rav 第 %1 行:%2").arg(line).arg(reason));
    }
}

void TestReportDefinition::filesThatAreNoText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // for the file /w/Rop/s4.rav
    const QByteArray head = "title: \xe8\xa1\xa8\ndata: RvData_chanpin\n"; // "表" in UTF-8
    const QString text = QStringLiteral("title: 表\ndata: RvData_chanpin\n");
    const QByteArray utf16 = QByteArray("\xff\xfe") + QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    QTest::newRow("UTF-16") << utf16 << "/w/Rop/s4.rav 第 1 行:不是 UTF-8 编码的文本,这不是报表定义";
    QTest::newRow("GBK on the third line") << head + QByteArray("column: o1 | \xc3\xfb\xb3\xc6 | 40 | left | wrap\n")
                                           << "/w/Rop/s4.rav 第 3 行:不是 UTF-8 编码的文本,这不是报表定义";
    QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR:\0\0\x01", 20)
                               << "/w/Rop/s4.rav 第 1 行:不是 UTF-8 编码的文本,这不是报表定义";
    QTest::newRow("nul bytes") << head + QByteArray("header: a\0\0b\n", 13)
                               << "/w/Rop/s4.rav 第 3 行:含有控制字符,这不是报表定义的文本";
    QByteArray full = head + "column: o1 | x | 40 | left | wrap\n";
    full += QByteArray(data::kReportDefinitionMaxBytes - full.size() - 1, '#') + '\n';
    QTest::newRow("one byte over the bound") << full + "\n" << "/w/Rop/s4.rav:文件大于 256 KB,不是报表定义";
}

// A file that is no UTF-8 text of a definition's size is refused with the
// file, the line, and the cause in words, none of its bytes in the message.
void TestReportDefinition::filesThatAreNoText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    try {
        data::parseReportDefinitionFile(bytes, QStringLiteral("/w/Rop/s4.rav"));
        QFAIL("read as a report");
    } catch (const data::ReportFormatError &e) {
        QCOMPARE(e.message(), message);
    }
}

// A file of the most a definition may hold is read.
void TestReportDefinition::aFileAtTheBoundIsRead()
{
    QByteArray full = "title: x\ndata: RvData_chanpin\ncolumn: o1 | x | 40 | left | wrap\n";
    full += QByteArray(data::kReportDefinitionMaxBytes - full.size() - 1, '#') + '\n';
    QCOMPARE(full.size(), data::kReportDefinitionMaxBytes);
    QCOMPARE(data::parseReportDefinitionFile(full, QStringLiteral("s4.rav")).columns.size(), size_t(1));
}

void TestReportDefinition::pageLinesFillTheirPlaces()
{
    const data::PageLine header = data::pageLine(QStringLiteral("Talvero CRM | {title} | {date}"), QStringLiteral("产品清单表"),
                                                 QStringLiteral("2026-12-11"), 2, 7);
    QCOMPARE(header.left, QStringLiteral("Talvero CRM"));
    QCOMPARE(header.middle, QStringLiteral("产品清单表"));
    QCOMPARE(header.right, QStringLiteral("2026-12-11"));
    const data::PageLine footer = data::pageLine(QStringLiteral(" | 第 {page} 页,共 {pages} 页"), {}, {}, 2, 7);
    QCOMPARE(footer.middle, QStringLiteral("第 2 页,共 7 页"));
    QVERIFY(footer.left.isEmpty() && footer.right.isEmpty());
}

// The six files come with an installation, private; a file a user changed
// stays as it is, a missing one comes back, and something else of a report
// file's name is left alone.
void TestReportDefinition::installationWritesOnlyMissingFiles()
{
    QTemporaryDir dir;
    const QDir work(dir.path());
    const data::InstallResult first = data::createFreshInstallation(work);
    QCOMPARE(first.reportsWritten.size(), 6);
    struct stat folder {};
    QCOMPARE(::stat(QFile::encodeName(work.filePath("Rop")).constData(), &folder), 0);
    QCOMPARE(folder.st_mode & 0777, mode_t(0700));
    for (const QString &path : first.reportsWritten) {
        struct stat file {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &file), 0);
        QCOMPARE(file.st_mode & 0777, mode_t(0600));
    }

    const QString changed = work.filePath("Rop/s4.rav");
    {
        QFile f(changed);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("title: 我的\n");
    }
    QVERIFY(QFile::remove(work.filePath("Rop/s1.rav")));
    QVERIFY(QFile::remove(work.filePath("Rop/s2.rav")));
    QVERIFY(work.mkdir("Rop/s2.rav"));
    const data::InstallResult second = data::createFreshInstallation(work);
    QCOMPARE(second.reportsWritten, QStringList{work.filePath("Rop/s1.rav")});
    QFile f(changed);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("title: 我的\n"));
    QVERIFY(QFileInfo(work.filePath("Rop/s2.rav")).isDir());
}

QTEST_MAIN(TestReportDefinition)
#include "test_reportdefinition.moc"
