// A table as a workbook: typed cells, the bold caption row that stays in
// view, sized columns, and a file written whole or not at all.
#include "DbError.h"
#include "XlsxWrite.h"
#include "ZipFiles.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
    void rowsPassOnlyThroughAPrivateFolderBeside();
    void foldersLeftByAKilledExportAreRemoved();
    void moreRowsThanASheetHoldsAreRefusedFirst();
    void aFolderThatCannotBeWrittenIsNamed();
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

// The files this process has open, by what they are: a path (" (deleted)"
// after it once removed).
std::map<int, QString> openFiles()
{
    std::map<int, QString> files;
    for (const QString &fd : QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System)) {
        char target[4096];
        const ssize_t n = ::readlink(QFile::encodeName(QStringLiteral("/proc/self/fd/") + fd).constData(), target,
                                     sizeof target);
        if (n > 0)
            files.emplace(fd.toInt(), QFile::decodeName(QByteArray(target, int(n))));
    }
    return files;
}

// The rows wait in temporary files of the workbook library until it packs
// them: those are made in a private folder beside the file, never in the
// system's temporary folder where they would sit outside the user's own.
void TestXlsxWrite::rowsPassOnlyThroughAPrivateFolderBeside()
{
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("表.xlsx"));
    const std::map<int, QString> before = openFiles();
    QStringList opened;
    const auto progress = [&](int row) {
        if (row == 50) {
            for (const auto &[fd, file] : openFiles()) {
                if (!before.count(fd) && file.startsWith(u'/'))
                    opened << file;
            }
        }
        return true;
    };
    QVERIFY(data::writeXlsx(path, QStringLiteral("客户"), kCaptions, {true, false, true}, 100,
                            [](int row, int) { return QStringLiteral("张三%1").arg(row); }, progress));
    QVERIFY(!opened.isEmpty());
    for (const QString &file : opened)
        QVERIFY2(file.startsWith(out.filePath(QStringLiteral(".talvero-export-"))), qPrintable(file));
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList{QStringLiteral("表.xlsx")});
}

// A killed export leaves its private folder behind; the next export into
// the same folder removes it, but not one another export holds, nor one
// just made.
void TestXlsxWrite::foldersLeftByAKilledExportAreRemoved()
{
    QTemporaryDir out;
    QDir dir(out.path());
    const QStringList left{".talvero-export-AbCdEf", ".talvero-export-HELD01", ".talvero-export-new001"};
    for (const QString &name : left) {
        QVERIFY(dir.mkdir(name));
        QFile part(dir.filePath(name + QStringLiteral("/export.xlsx")));
        QVERIFY(part.open(QIODevice::WriteOnly) && part.write("half") == 4);
    }
    const timespec hourAgo{std::time(nullptr) - 3600, 0};
    const timespec times[2]{hourAgo, hourAgo};
    for (const QString &name : left.mid(0, 2))
        QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(dir.filePath(name)).constData(), times, 0), 0);
    const int held = ::open(QFile::encodeName(dir.filePath(left[1])).constData(), O_RDONLY | O_DIRECTORY);
    QVERIFY(held >= 0);
    QCOMPARE(::flock(held, LOCK_EX), 0);
    QVERIFY(data::writeXlsx(dir.filePath(QStringLiteral("表.xlsx")), QStringLiteral("客户"), kCaptions,
                            {true, false, true}, 1, [](int, int) { return QStringLiteral("1"); }));
    ::close(held);
    QCOMPARE(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList({".talvero-export-HELD01", ".talvero-export-new001", "表.xlsx"}));
}

// A sheet holds 1,048,576 rows, the captions' one among them: more rows are
// refused before any is asked for, and nothing is written.
void TestXlsxWrite::moreRowsThanASheetHoldsAreRefusedFirst()
{
    QTemporaryDir out;
    int asked = 0;
    try {
        data::writeXlsx(out.filePath(QStringLiteral("表.xlsx")), QStringLiteral("客户"), kCaptions, {true, false, true},
                        data::kXlsxRows + 1, [&](int, int) {
                            ++asked;
                            return QStringLiteral("1");
                        });
        QFAIL("written");
    } catch (const data::DbError &e) {
        QCOMPARE(e.message(), QStringLiteral("要导出 1048576 条记录,超过一个 Excel 工作表最多能放的 1048575 条。"
                                             "请导出为 .csv 文件。"));
    }
    QCOMPARE(asked, 0);
    QCOMPARE(QDir(out.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

// The system's reason, in Chinese, with the name the user gave.
void TestXlsxWrite::aFolderThatCannotBeWrittenIsNamed()
{
    QTemporaryDir out;
    QFile file(out.filePath(QStringLiteral("文件")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString path = out.filePath(QStringLiteral("文件/表.xlsx"));
    try {
        data::writeXlsx(path, QStringLiteral("客户"), kCaptions, {true, false, true}, 1,
                        [](int, int) { return QStringLiteral("1"); });
        QFAIL("written");
    } catch (const data::DbError &e) {
        QCOMPARE(e.message(), QStringLiteral("无法写入“%1”:路径中有一项不是文件夹").arg(path));
    }
}

QTEST_MAIN(TestXlsxWrite)
#include "test_xlsxwrite.moc"
