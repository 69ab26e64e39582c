// Bringing customers and companies in from a spreadsheet: headings matched
// to fields, rows held to the new windows' rules, duplicates, customers'
// companies, one transaction, and the round trip from an export.
#include "Connection.h"
#include "DbError.h"
#include "ExportTables.h"
#include "ImportRun.h"
#include "Schema.h"
#include "SheetRead.h"
#include "StandingQuery.h"
#include "Statement.h"
#include "TData_in.h"
#include "TestSupport.h"

#include <QFile>
#include <QTest>

namespace {

const data::ImportTarget &customers() { return data::importTargets()[0]; }
const data::ImportTarget &companies() { return data::importTargets()[1]; }

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Every column but the keys, row by row in the order of the first column.
QStringList rowsOf(data::Connection &connection, const QString &table, const QString &firstColumn, const QStringList &keys)
{
    const data::TableDef *def = data::findTable(table);
    QStringList columns{firstColumn};
    for (const QString &c : def->columns) {
        if (!keys.contains(c) && c != firstColumn)
            columns << c;
    }
    data::Statement rows(connection,
                         QStringLiteral("select %1 from %2 order by %3").arg(columns.join(u','), table, firstColumn));
    QStringList out;
    while (rows.step()) {
        QStringList cells;
        for (int i = 0; i < columns.size(); ++i)
            cells << rows.text(i);
        out << cells.join(u'|');
    }
    return out;
}

} // namespace

class TestImport : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void headingsMatchFields_data();
    void headingsMatchFields();
    void rowsHeldToTheWindowsRules_data();
    void rowsHeldToTheWindowsRules();
    void aNulInAUtf16FileIsRefused();
    void duplicates_data();
    void duplicates();
    void aFileOfRowsGoesInWithItsCompanies();
    void companiesThatAreNotThereRefuseTheRow();
    void nothingGoesInWhenStoppedOrBroken_data();
    void nothingGoesInWhenStoppedOrBroken();
    void exportThenImportGivesTheSameRows_data();
    void exportThenImportGivesTheSameRows();

private:
    data::ImportSummary import(const data::ImportTarget &target, const QByteArray &csv,
                               data::ImportChoices choices = {}, const std::function<bool(int)> &progress = {});

    std::unique_ptr<testing::TempInstall> m_install;
    std::unique_ptr<TData_in> m_data;
};

void TestImport::init()
{
    m_install = std::make_unique<testing::TempInstall>();
    m_data = std::make_unique<TData_in>(m_install->dir());
}

void TestImport::cleanup()
{
    m_data.reset();
    m_install.reset();
}

// A CSV file's rows imported with its headings matched (unless a mapping is given).
data::ImportSummary TestImport::import(const data::ImportTarget &target, const QByteArray &csv,
                                       data::ImportChoices choices, const std::function<bool(int)> &progress)
{
    const QString path = m_install->path(QStringLiteral("in.csv"));
    writeFile(path, csv);
    if (choices.mapping.isEmpty()) {
        QStringList headings;
        int row = 0;
        data::openSheet(path)->next(headings, row);
        choices.mapping = data::matchHeadings(target.record(), headings);
    }
    auto sheet = data::openSheet(path);
    return data::importSheet(m_data->Con_data(), target, *sheet, choices, progress);
}

void TestImport::headingsMatchFields_data()
{
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QStringList>("columns");
    QTest::newRow("as exported") << QStringList{"编号", "中文名", "电话 区号", "公司编号", "Q Q"}
                                 << QStringList{"", "a1", "a19", "", "a10"};
    QTest::newRow("blanks and case do not count") << QStringList{" 电  话区号", "e-mail", "qq", "传真号码"}
                                                  << QStringList{"a19", "a8", "a10", "a7"};
    QTest::newRow("unknown and repeated") << QStringList{"姓名", "中文名", "中文名", ""}
                                          << QStringList{"", "a1", "", ""};
}

void TestImport::headingsMatchFields()
{
    QFETCH(QStringList, headings);
    QFETCH(QStringList, columns);
    QCOMPARE(data::matchHeadings(customers().record(), headings), columns);
}

void TestImport::rowsHeldToTheWindowsRules_data()
{
    QTest::addColumn<bool>("customer");
    QTest::addColumn<QStringList>("row"); // column=value
    QTest::addColumn<QString>("refusal");
    const QStringList customer{"a1=张三", "a3=62345678", "a18=星辰"};
    const QStringList company{"c1=星辰", "c11=62345678"};
    QTest::newRow("a whole customer") << true << customer << "";
    QTest::newRow("no name") << true << QStringList{"a1= ", "a3=1", "a18=星辰"} << "“中文名”不能为空";
    QTest::newRow("no company") << true << QStringList{"a1=张三", "a3=1", "a18="} << "“公司”不能为空";
    QTest::newRow("a digit in a name") << true << (customer + QStringList{"a1=张3"}) << "“中文名”不能有空格和数字,这里有“3”";
    QTest::newRow("a name too long") << true << (customer + QStringList{"a1=" + QString(11, u'张')})
                                     << "“中文名”最多 10 个字符,这里有 11 个";
    QTest::newRow("ten characters of two units each")
        << true << (customer + QStringList{"a1=" + QString::fromUtf8("😀").repeated(10)}) << "";
    QTest::newRow("a dash in a number") << true << (customer + QStringList{"a3=010-1234"})
                                        << "“电话 号码”只能填数字,这里有“-”";
    QTest::newRow("a blank in an e-mail") << true << (customer + QStringList{"a8=a b@x.cn"})
                                          << "“E-mail”不能有空格,这里有“ ”";
    QTest::newRow("a rating of 6") << true << (customer + QStringList{"a11=6"}) << "“评级”应为 1 到 5 的数字,这里是“6”";
    QTest::newRow("an empty rating") << true << (customer + QStringList{"a11="}) << "";
    QTest::newRow("a description of 100,000 characters")
        << true << (customer + QStringList{"a17=" + QString(100000, u'长')}) << "“描述”最多 250 个字符,这里有 100000 个";
    QTest::newRow("a whole company") << false << company << "";
    QTest::newRow("a company with no switchboard") << false << QStringList{"c1=星辰", "c11="} << "“总机号码”不能为空";
    QTest::newRow("a web site in capitals") << false << (company + QStringList{"c6=WWW.X.CN"})
                                            << "“网站”只能填小写字母、数字和“.”,这里有“W”";
    QTest::newRow("a company description of any length")
        << false << (company + QStringList{"c13=" + QString(5000, u'长')}) << "";
    // Control characters: a one-line box or a drop-down takes none, a
    // multi-line box only the tab and line breaks.
    QTest::newRow("a NUL in a name") << true << (customer + QStringList{"a1=张" + QString(QChar(0)) + "三"})
                                     << "“中文名”不能有控制字符,这里有 U+0000";
    QTest::newRow("an escape in an e-mail") << true << (customer + QStringList{"a8=z\x1b@x.cn"})
                                            << "“E-mail”不能有控制字符,这里有 U+001B";
    QTest::newRow("a tab in an English name") << true << (customer + QStringList{"a2=Zh\tang"})
                                              << "“英文名”不能有控制字符,这里有 U+0009";
    QTest::newRow("a line break in a company's name") << true << (customer + QStringList{"a18=星\n辰"})
                                                      << "“公司”不能有控制字符,这里有 U+000A";
    QTest::newRow("a C1 control in a department") << true << (customer + QStringList{"a13=销售\u0085部"})
                                                  << "“部门”不能有控制字符,这里有 U+0085";
    QTest::newRow("a NUL in a number") << true << (customer + QStringList{"a3=62" + QString(QChar(0))})
                                       << "“电话 号码”不能有控制字符,这里有 U+0000";
    QTest::newRow("a NUL as the rating") << true << (customer + QStringList{"a11=" + QString(QChar(0))})
                                         << "“评级”不能有控制字符,这里有 U+0000";
    QTest::newRow("tabs and line breaks in a description")
        << true << (customer + QStringList{"a17=第一行\r\n第二行\n\t第三行"}) << "";
    QTest::newRow("a bell in a company's description") << false << (company + QStringList{"c13=叮\a"})
                                                       << "“描述”不能有控制字符,这里有 U+0007";
}

void TestImport::rowsHeldToTheWindowsRules()
{
    QFETCH(bool, customer);
    QFETCH(QStringList, row);
    QFETCH(QString, refusal);
    data::RowValues values;
    for (const QString &pair : row)
        values[pair.section(u'=', 0, 0)] = pair.section(u'=', 1);
    const data::ImportTarget &target = customer ? customers() : companies();
    QCOMPARE(data::refusalOf(target, values), refusal);
}

// A text file in UTF-16 can carry a NUL, which no window would take.
void TestImport::aNulInAUtf16FileIsRefused()
{
    const QString text = QStringLiteral("中文名,电话 号码,公司\r\n张") + QChar(0) + QStringLiteral("三,1,星辰\r\n李四,2,星辰\r\n");
    QByteArray csv("\xFF\xFE", 2);
    csv.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    const data::ImportSummary summary = import(customers(), csv);
    QCOMPARE(summary.refused, (std::vector<std::pair<int, QString>>{{2, "“中文名”不能有控制字符,这里有 U+0000"}}));
    QCOMPARE(m_install->columnMain(QStringLiteral("select a1 from atc1")), QStringList{"李四"});
}

void TestImport::duplicates_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<bool>("skip");
    QTest::addColumn<QString>("skipped");
    QTest::newRow("same name and mobile") << QByteArray("张三,,13800000000,星辰") << true
                                          << "与已有的客户重复(中文名、手机 号码相同)";
    QTest::newRow("same e-mail, other case") << QByteArray("李四,Z@X.CN,,星辰") << true
                                              << "与已有的客户重复(E-mail相同)";
    QTest::newRow("same name, other mobile") << QByteArray("张三,,13900000000,星辰") << true << "";
    QTest::newRow("same name, no mobile") << QByteArray("张三,,,星辰") << true << "";
    QTest::newRow("a duplicate taken in") << QByteArray("张三,,13800000000,星辰") << false << "";
}

void TestImport::duplicates()
{
    QFETCH(QByteArray, row);
    QFETCH(bool, skip);
    QFETCH(QString, skipped);
    m_install->execMain(QStringLiteral(
        "insert into atc1 (a1, a3, a5, a8, a18) values ('张三', '1', '13800000000', 'z@x.cn', '星辰')"));
    data::ImportChoices choices;
    choices.skipDuplicates = skip;
    const QByteArray csv = "中文名,E-mail,手机 号码,公司,电话 号码\r\n" + row + ",123\r\n";
    const data::ImportSummary summary = import(customers(), csv, choices);
    QCOMPARE(summary.added, skipped.isEmpty() ? 1 : 0);
    QCOMPARE(summary.skipped.size(), skipped.isEmpty() ? 0u : 1u);
    if (!skipped.isEmpty())
        QCOMPARE(summary.skipped.front(), std::make_pair(2, skipped));
}

// Refused rows are named by their row; a company not on file is made once
// and both its customers point at it; the file's own duplicate is skipped.
void TestImport::aFileOfRowsGoesInWithItsCompanies()
{
    m_install->execMain(QStringLiteral("insert into atc2 (c1) values ('老公司')"));
    const QByteArray csv = "中文名,电话 号码,公司,E-mail,不认识的列\r\n"
                           "张三,1,新公司,z@x.cn,x\r\n"
                           ",,,,\r\n"
                           "李四,2,新公司,,\r\n"
                           "王5,3,新公司,,\r\n"
                           "赵六,4, 老公司 ,,\r\n"
                           "钱七,5,新公司,Z@x.cn,\r\n";
    const data::ImportSummary summary = import(customers(), csv);
    QCOMPARE(summary.added, 3);
    QCOMPARE(summary.companiesMade, 1);
    QCOMPARE(summary.refused, (std::vector<std::pair<int, QString>>{{5, "“中文名”不能有空格和数字,这里有“5”"}}));
    QCOMPARE(summary.skipped.size(), 1u);
    QCOMPARE(summary.skipped.front().first, 7);
    QCOMPARE(m_install->columnMain(QStringLiteral(
                 "select a1 || '|' || a18 || '|' || c1 || '|' || a11 || '|' || a19 from atc1 join atc2 on cid = a14 "
                 "order by aid")),
             QStringList({"张三|新公司|新公司|1|0", "李四|新公司|新公司|1|0", "赵六| 老公司 |老公司|1|0"}));
    // The skipped row repeats a row of the file, not a customer on file.
    QCOMPARE(summary.text(), QStringLiteral("导入客户:添加 3 条,跳过 1 条,拒绝 1 条。\n新建公司 1 个。\n\n拒绝的行:\n"
                                            "第 5 行: “中文名”不能有空格和数字,这里有“5”\n\n跳过的行:\n"
                                            "第 7 行: 与第 2 行重复(E-mail相同)\n"));
}

void TestImport::companiesThatAreNotThereRefuseTheRow()
{
    data::ImportChoices choices;
    choices.createCompanies = false;
    const data::ImportSummary summary = import(customers(), "中文名,电话 号码,公司\r\n张三,1,新公司\r\n", choices);
    QCOMPARE(summary.added, 0);
    QCOMPARE(summary.refused, (std::vector<std::pair<int, QString>>{{2, "公司“新公司”不存在"}}));
    QCOMPARE(m_install->countMain(QStringLiteral("atc2")), 0);
}

void TestImport::nothingGoesInWhenStoppedOrBroken_data()
{
    QTest::addColumn<QByteArray>("tail");
    QTest::addColumn<bool>("stop");
    QTest::newRow("stopped") << QByteArray() << true;
    QTest::newRow("a quote left open at the end") << QByteArray("王五,3,\"新公司\r\n") << false;
}

void TestImport::nothingGoesInWhenStoppedOrBroken()
{
    QFETCH(QByteArray, tail);
    QFETCH(bool, stop);
    QByteArray csv = "中文名,电话 号码,公司\r\n";
    for (int i = 0; i < 600; ++i)
        csv += "张三,1,新公司\r\n";
    csv += tail;
    int asked = 0;
    const auto progress = [&](int) { return !(stop && ++asked == 2); };
    try {
        const data::ImportSummary summary = import(customers(), csv, {}, progress);
        QVERIFY(stop);
        QVERIFY(summary.stopped);
        QCOMPARE(summary.text(), QStringLiteral("导入已取消,没有添加任何记录。\n"));
    } catch (const data::DbError &e) {
        QVERIFY2(!stop, qPrintable(e.message()));
    }
    QCOMPARE(m_install->countMain(QStringLiteral("atc1")), 0);
    QCOMPARE(m_install->countMain(QStringLiteral("atc2")), 0);
}

void TestImport::exportThenImportGivesTheSameRows_data()
{
    QTest::addColumn<QString>("extension");
    QTest::newRow("workbook") << ".xlsx";
    QTest::newRow("comma-separated") << ".csv";
}

// Every column of both tables, with Chinese, quotes, line breaks, formulas
// and empty values, comes back as it went out.
void TestImport::exportThenImportGivesTheSameRows()
{
    QFETCH(QString, extension);
    m_data->Con_data().execute(QStringLiteral(
        "insert into atc2 (c1,c2,c3,c4,c5,c6,c7,c8,c9,c10,c11,c12,c13,c14,c15,c16,c17) values "
        "('星辰贸易\"有限\"公司','star-trade','星辰','北京市海淀区,中关村','100080','www.star.cn','客户','打印机',"
        "'贸易','大','62345678','62345679','第一行\n第二行,\"引号\"','010','010','8001','3'),"
        "('=SUM(A1)','','','','','','','','','','1','','','','','','1')"));
    m_data->Con_data().execute(QStringLiteral(
        "insert into atc1 (a1,a2,a3,a4,a5,a6,a7,a8,a9,a10,a11,a12,a13,a14,a15,a16,a17,a18,a19,a20,a21,a22,a23,a24,"
        "a26,a27,a28) values ('张三丰','Zhang','62345678','6234','13800138000','13900139000','62345670',"
        "'zhang@x.cn','zhang@msn.cn','12345','5','先生','采购部',1,'北京,海淀','100080','说\"好\"\n再见',"
        "'星辰贸易\"有限\"公司','010','021','0755','801','802','803','经理','86','87'),"
        "('@李四','','2','','','','','','','','1','女士','','2','','','','=SUM(A1)','','','','','','','','','')"));
    m_data->atc1_all().reset();
    m_data->atc2_all().reset();
    testing::TempInstall other;
    TData_in into(other.dir());
    for (const data::ImportTarget *target : {&companies(), &customers()}) {
        const auto &tables = data::exportTables();
        const auto table = std::find_if(tables.begin(), tables.end(),
                                        [&](const data::ExportTable &t) { return t.query == target->query; });
        const QString path = other.path(target->caption + extension);
        QVERIFY(data::exportRows(m_data->query(target->query), *table, path));
        QStringList headings;
        int row = 0;
        data::openSheet(path)->next(headings, row);
        data::ImportChoices choices;
        choices.mapping = data::matchHeadings(target->record(), headings);
        auto sheet = data::openSheet(path);
        const data::ImportSummary summary = data::importSheet(into.Con_data(), *target, *sheet, choices);
        QVERIFY2(summary.refused.empty(), qPrintable(summary.text()));
        QCOMPARE(summary.added, 2);
        QCOMPARE(summary.companiesMade, 0);
    }
    QCOMPARE(rowsOf(into.Con_data(), "atc2", "c1", {}), rowsOf(m_data->Con_data(), "atc2", "c1", {}));
    QCOMPARE(rowsOf(into.Con_data(), "atc1", "a1", {"a14", "a25"}), rowsOf(m_data->Con_data(), "atc1", "a1", {"a14", "a25"}));
    // Each customer points at the company of its name.
    QCOMPARE(other.columnMain(QStringLiteral("select a1 from atc1 join atc2 on cid = a14 and c1 = a18 order by a1")),
             QStringList({"@李四", "张三丰"}));
}

QTEST_MAIN(TestImport)
#include "test_import.moc"
