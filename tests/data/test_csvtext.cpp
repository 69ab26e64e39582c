// Comma-separated text for spreadsheet programs, and a file of it written
// whole or not at all.
#include "CsvText.h"
#include "DbError.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

class TestCsvText : public QObject {
    Q_OBJECT
private slots:
    void fields_data();
    void fields();
    void restored_data();
    void restored();
    void fileStartsWithItsMarkAndCaptions();
    void aStoppedExportLeavesWhatWasThere();
    void aFailureNamesItsCause();
};

void TestCsvText::fields_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("field");
    QTest::newRow("plain") << "张三" << "张三";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("a comma") << "北京,海淀" << "\"北京,海淀\"";
    QTest::newRow("a quote") << "O\"Neil" << "\"O\"\"Neil\"";
    QTest::newRow("a line break") << "第一行\n第二行" << "\"第一行\n第二行\"";
    QTest::newRow("a carriage return") << "a\rb" << "\"a\rb\"";
    QTest::newRow("blanks at the ends") << " 张三 " << "\" 张三 \"";
    QTest::newRow("a quote inside only") << "5\"" << "\"5\"\"\"";
    QTest::newRow("a formula") << "=HYPERLINK(\"x\")" << "\"'=HYPERLINK(\"\"x\"\")\"";
    QTest::newRow("a plus") << "+86 10 1234" << "'+86 10 1234";
    QTest::newRow("an at") << "@SUM(A1)" << "'@SUM(A1)";
    QTest::newRow("a minus") << "-1+2" << "'-1+2";
    QTest::newRow("a tab first") << "\tx" << "'\tx";
    QTest::newRow("a negative number") << "-5" << "-5";
    QTest::newRow("a signed decimal") << "+3.25" << "+3.25";
    QTest::newRow("an apostrophe first") << "'abc" << "''abc";
    QTest::newRow("an apostrophe inside") << "O'Neil" << "O'Neil";
}

// What the export puts before a cell, reading takes away again; a cell that
// did not come from the export keeps its apostrophe.
void TestCsvText::restored_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text : {"=1+1", "+86", "@x", "-a", "'", "'abc", "''=x", "-5", "普通", "", "\r\n"})
        QTest::newRow(text) << QString::fromUtf8(text);
}

void TestCsvText::restored()
{
    QFETCH(QString, text);
    QCOMPARE(data::restoredCell(data::defusedCell(text)), text);
    QCOMPARE(data::restoredCell(QStringLiteral("'abc")), QStringLiteral("'abc"));
}

void TestCsvText::fields()
{
    QFETCH(QString, text);
    QFETCH(QString, field);
    QCOMPARE(data::csvField(text), field);
}

void TestCsvText::fileStartsWithItsMarkAndCaptions()
{
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("客户.csv"));
    const QStringList cells{"张三", "O'Neil, Jr.", "", "第一行\n第二行"};
    QVERIFY(data::writeCsv(path, {"中文名", "英文名"}, 2, [&](int row, int column) { return cells[row * 2 + column]; }));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBF中文名,英文名\r\n张三,\"O'Neil, Jr.\"\r\n,\"第一行\n第二行\"\r\n"));
    QCOMPARE(file.permissions() & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
}

// Stopped halfway, the export leaves the file of that name as it was.
void TestCsvText::aStoppedExportLeavesWhatWasThere()
{
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("客户.csv"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("kept");
    old.close();
    QVERIFY(!data::writeCsv(path, {"中文名"}, 1000, [](int, int) { return QStringLiteral("张三"); },
                            [](int row) { return row < 500; }));
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept"));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"客户.csv"});
    QVERIFY_THROWS_EXCEPTION(data::DbError, data::writeCsv(out.filePath(QStringLiteral("no/such/folder.csv")), {"a"}, 0,
                                                           [](int, int) { return QString(); }));
}

// What went wrong is said in Chinese, with the name the user gave: here a
// file that a folder of the path is, and a file grown past what the system
// allows this process (as a full disk would stop it).
void TestCsvText::aFailureNamesItsCause()
{
    QTemporaryDir out;
    QFile file(out.filePath(QStringLiteral("文件")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const auto failure = [](const QString &path, int rows) {
        try {
            data::writeCsv(path, {"中文名"}, rows, [](int, int) { return QStringLiteral("张三"); });
        } catch (const data::DbError &e) {
            return e.message();
        }
        return QString();
    };
    const QString inAFile = out.filePath(QStringLiteral("文件/客户.csv"));
    QCOMPARE(failure(inAFile, 1), QStringLiteral("无法创建“%1”:路径中有一项不是文件夹").arg(inAFile));

    rlimit before{};
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto signalBefore = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 64 * 1024;
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString large = out.filePath(QStringLiteral("客户.csv"));
    const QString message = failure(large, 100000);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, signalBefore);
    QCOMPARE(message, QStringLiteral("无法写入“%1”:文件太大").arg(large));
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"文件"});
}

QTEST_MAIN(TestCsvText)
#include "test_csvtext.moc"
