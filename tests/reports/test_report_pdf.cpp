// Reports written as PDF from the rows of a standing query over a real
// encrypted database, and read back as text.
#include "DefaultReports.h"
#include "PdfText.h"
#include "Program.h"
#include "SearchText.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "reports/ReportOutput.h"
#include "reports/ReportRows.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const data::ReportDefinition &definitionOf(const char *file)
{
    for (const data::DefaultReport &r : data::defaultReports())
        if (qstrcmp(r.file, file) == 0)
            return r.definition;
    throw std::logic_error(file);
}

// Where each text first stands in the whole, -1 when it is missing.
QList<qsizetype> placesOf(const QString &whole, const QStringList &texts)
{
    QList<qsizetype> places;
    for (const QString &t : texts)
        places << whole.indexOf(t);
    return places;
}

} // namespace

class TestReportPdf : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void printsTheRowsTheQueryHolds();
    void longListsRunOverNumberedPages();
    void longTextsWrapInsideTheirColumn();
    void textsReadBackAsPrinted_data();
    void textsReadBackAsPrinted();
    void numbersPrintWhole_data();
    void numbersPrintWhole();
    void aSymbolicLinkIsReplacedNotFollowed_data();
    void aSymbolicLinkIsReplacedNotFollowed();

private:
    QStringList write(const char *file, const data::StandingQuery &query);
    void addProduct(const QString &name, const QString &stock);

    std::unique_ptr<testing::Program> m_program;
    QTemporaryDir m_out;
};

void TestReportPdf::init()
{
    m_program = std::make_unique<testing::Program>();
}

void TestReportPdf::cleanup()
{
    m_program.reset();
}

QStringList TestReportPdf::write(const char *file, const data::StandingQuery &query)
{
    const QString pdf = m_out.filePath(QStringLiteral("report.pdf"));
    reports::writeReportPdf(definitionOf(file), reports::QueryRows(query), pdf, QStringLiteral("2026-12-11"));
    return testing::pdfPages(pdf);
}

void TestReportPdf::addProduct(const QString &name, const QString &stock)
{
    m_program->insert("vtv4", {{"o1", name}, {"o2", "办公"}, {"o3", ""}, {"o4", ""}, {"o5", "100"}, {"o6", "120"},
                               {"o7", "150"}, {"o8", "2026-12-01"}, {"o9", ""}, {"o10", stock}, {"o11", "在售"}});
}

// After a search only the products found, newest first, under the title,
// the captions and the date.
void TestReportPdf::printsTheRowsTheQueryHolds()
{
    for (const char *name : {"激光打印机", "扫描仪", "喷墨打印机", "投影仪"})
        addProduct(QString::fromUtf8(name), QStringLiteral("7"));
    data::StandingQuery &products = m_program->data().vtv4_all();
    products.filter(data::productSearch({{QStringLiteral("o1"), QStringLiteral("打印机")}}));
    const QStringList pages = write("s4.rav", products);
    QCOMPARE(pages.size(), 1);
    const QString page = pages.first();
    for (const char *text : {"产品清单表", "Talvero CRM", "2026-12-11", "名称", "库存量", "销售标准价", "第 1 页,共 1 页"})
        QVERIFY2(page.contains(QString::fromUtf8(text)), text);
    const QList<qsizetype> places = placesOf(page, {QStringLiteral("喷墨打印机"), QStringLiteral("激光打印机")});
    QVERIFY2(places[0] >= 0 && places[0] < places[1], qPrintable(page));
    QVERIFY(!page.contains(QStringLiteral("扫描仪")));
    QVERIFY(!page.contains(QStringLiteral("投影仪")));
}

// Every row once, in order, over pages that count themselves.
void TestReportPdf::longListsRunOverNumberedPages()
{
    for (int i = 1; i <= 150; ++i)
        addProduct(QStringLiteral("产品%1号").arg(i, 3, 10, QChar(u'0')), QString::number(i));
    m_program->data().vtv4_all().reset();
    const QStringList pages = write("s4.rav", m_program->data().vtv4_all());
    QVERIFY(pages.size() >= 3);
    for (int p = 0; p < pages.size(); ++p) {
        QVERIFY2(pages[p].contains(QStringLiteral("第 %1 页,共 %2 页").arg(p + 1).arg(pages.size())), qPrintable(pages[p]));
        QVERIFY(pages[p].contains(QStringLiteral("销售标准价"))); // the captions on every page
    }
    const QString all = pages.join(QString());
    const QRegularExpression names(QStringLiteral("产品(\\d{3})号"));
    QStringList order;
    for (auto match = names.globalMatch(all); match.hasNext();)
        order << match.next().captured(1);
    QCOMPARE(order.size(), 150);
    QCOMPARE(order.first(), QStringLiteral("150"));
    QCOMPARE(order.last(), QStringLiteral("001"));
}

// A name longer than its column goes on over further lines of its row; the
// columns beside it keep their own texts.
void TestReportPdf::longTextsWrapInsideTheirColumn()
{
    const QString name = QStringLiteral("超长名称") + QString(QStringLiteral("多功能彩色激光打印复印扫描一体机")).repeated(3);
    addProduct(name, QStringLiteral("4321"));
    m_program->data().vtv4_all().reset();
    const QStringList pages = write("s4.rav", m_program->data().vtv4_all());
    QCOMPARE(pages.size(), 1);
    const QStringList lines = pages.first().split(u'\n');
    int nameLines = 0;
    for (const QString &line : lines)
        nameLines += line.contains(QStringLiteral("多功能")) || line.contains(QStringLiteral("超长"));
    QVERIFY2(nameLines >= 2, qPrintable(pages.first()));
    QVERIFY(pages.first().contains(QStringLiteral("4321")));
    QVERIFY(pages.first().contains(QStringLiteral("在售")));
}

void TestReportPdf::textsReadBackAsPrinted_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("read"); // as a reader gives it back
    QTest::newRow("ideographs") << "激光打印机" << "激光打印机";
    // Ideographs whose glyph a CJK font may share with a radical or another character.
    for (const char *shared : {"客户门户手机文员", "生辰页码身高女士", "玉石长风飞马鱼鸟", "见贝车黄齐齿龟龙", "麦胶水戶口"})
        QTest::addRow("%s", shared) << QString::fromUtf8(shared) << QString::fromUtf8(shared);
    QTest::newRow("radicals typed as such") << "⼾⻔⻚" << "⼾⻔⻚";
    QTest::newRow("latin and digits") << "Zoë LaserJet 4200" << "Zoë LaserJet 4200";
    QTest::newRow("full-width forms") << "ＡＢＣ１２３" << "ＡＢＣ１２３";
    // The font draws e and its accent as the one letter é, which the reader gives back.
    QTest::newRow("a combining mark") << QString::fromUtf8("Ame\u0301lie") << "Amélie";
}

// A text the font gives glyph by glyph and one that has to be shaped both
// come out as typed: a search for it in a viewer finds it.
void TestReportPdf::textsReadBackAsPrinted()
{
    QFETCH(QString, name);
    QFETCH(QString, read);
    addProduct(name, QStringLiteral("8"));
    m_program->data().vtv4_all().reset();
    const QStringList pages = write("s4.rav", m_program->data().vtv4_all());
    QCOMPARE(pages.size(), 1);
    QVERIFY2(pages.first().contains(read), qPrintable(pages.first()));
    QVERIFY2(pages.first().contains(QStringLiteral("第 1 页,共 1 页")), qPrintable(pages.first()));
}

void TestReportPdf::numbersPrintWhole_data()
{
    QTest::addColumn<QString>("stock");
    QTest::addColumn<QString>("price");
    QTest::newRow("the largest") << "9223372036854775807" << "9223372036854775807";
    QTest::newRow("the smallest") << "-9223372036854775808" << "-9223372036854775808";
    QTest::newRow("short ones") << "7" << "150";
}

// Every number the product windows take prints whole in its column, as
// narrow as the report file makes it, never cut.
void TestReportPdf::numbersPrintWhole()
{
    QFETCH(QString, stock);
    QFETCH(QString, price);
    m_program->insert("vtv4", {{"o1", "激光打印机"}, {"o2", "办公"}, {"o5", price}, {"o6", price}, {"o7", price},
                               {"o8", "2026-12-01"}, {"o10", stock}, {"o11", "在售"}});
    m_program->data().vtv4_all().reset();
    const QStringList pages = write("s4.rav", m_program->data().vtv4_all());
    QCOMPARE(pages.size(), 1);
    const QString &page = pages.first();
    QVERIFY2(!page.contains(QStringLiteral("…")), qPrintable(page));
    QCOMPARE(page.count(price), stock == price ? 4 : 3);
    QVERIFY2(page.contains(stock), qPrintable(page));
}

void TestReportPdf::aSymbolicLinkIsReplacedNotFollowed_data()
{
    QTest::addColumn<bool>("stopped"); // the run stopped while the pages go to the file
    QTest::newRow("written") << false;
    QTest::newRow("stopped") << true;
}

// A name that is a symbolic link to another file: the file written takes the
// name, and the file the link points to keeps what it had; a run stopped
// leaves the link as it was.
void TestReportPdf::aSymbolicLinkIsReplacedNotFollowed()
{
    QFETCH(bool, stopped);
    struct StopWhilePrinting : reports::ReportProgress {
        bool preparing(int) override { return true; }
        bool printing(int) override { return false; }
    } stop;
    addProduct(QStringLiteral("激光打印机"), QStringLiteral("7"));
    m_program->data().vtv4_all().reset();
    const QTemporaryDir out;
    const QString other = out.filePath(QStringLiteral("other.pdf"));
    const QString pdf = out.filePath(QStringLiteral("linked.pdf"));
    QFile kept(other);
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.write("kept");
    kept.close();
    QVERIFY(QFile::link(other, pdf));

    const bool written = reports::writeReportPdf(definitionOf("s4.rav"), reports::QueryRows(m_program->data().vtv4_all()),
                                                 pdf, QStringLiteral("2026-12-11"), stopped ? &stop : nullptr);
    QCOMPARE(written, !stopped);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept"));
    QCOMPARE(QFileInfo(pdf).isSymLink(), stopped);
    if (!stopped) {
        QCOMPARE(QFile::permissions(pdf) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
        const QStringList pages = testing::pdfPages(pdf);
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages.first().contains(QStringLiteral("激光打印机")));
    }
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::System | QDir::Hidden).size(), 2); // nothing left behind
}

QTEST_MAIN(TestReportPdf)
#include "test_report_pdf.moc"
