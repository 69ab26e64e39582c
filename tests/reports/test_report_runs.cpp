// The six list reports run from the program's own commands (the 报表 menu and
// the 报 表 buttons) over a real encrypted database, written to PDF through
// the output options and read back.
#include "Driving.h"
#include "MessageBox.h"
#include "PdfText.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "WindowNames.h"
#include "Windows.h"
#include "reports/ReportDesk.h"
#include "reports/ReportOptions.h"
#include "reports/ReportStatus.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QSpinBox>
#include <QCheckBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A report: its menu item, the view with its 报 表 button, its query and
// what the command says when the query has no row.
struct Report {
    const char *item;
    const QString &view;
    const char *query;
    const char *none;
};

const Report kReports[] = {
    {"客户清单表", ui::names::Frame_liebiao1, "atc1_all", "请先创建客户信息"},
    {"公司清单表", ui::names::Frame_fenzu1, "atc2_all", "请先创建公司信息"},
    {"销售活动表", ui::names::Frame_jihua1, "vtv1_all", "请先创建销售活动"},
    {"销售分析表", ui::names::Frame_renwu1, "vtv2_all", "请先创建销售分析"},
    {"产品清单表", ui::names::Frame_chanpin1, "vtv4_all", "请先创建产品信息"},
    {"员工清单表", ui::names::Frame_worker1, "utm1_all", "请先创建员工档案"},
};

const Report &reportNamed(const QString &item)
{
    for (const Report &r : kReports)
        if (item == QString::fromUtf8(r.item))
            return r;
    throw std::logic_error("no such report");
}

} // namespace

class TestReportRuns : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void emptyQueriesRefuse_data();
    void emptyQueriesRefuse();
    void everyReportPrintsItsRows_data();
    void everyReportPrintsItsRows();
    void printsTheMatchesOfASearch();
    void printsOneCustomersRowsAfterTheDetailView();
    void currentRowComesBack_data();
    void currentRowComesBack();
    void unavailableDefinitionsStopBeforeAnyWindow_data();
    void unavailableDefinitionsStopBeforeAnyWindow();
    void anExistingFileIsReplacedOnlyWhenConfirmed();
    void printerCopiesCollatedOrNot_data();
    void printerCopiesCollatedOrNot();
    void noPrinterIsSaidSo();
    void statusWindowCountsPages();
    void optionsTellAssistiveTechnologyTheirText();

private:
    // Runs a command that opens the output options, sends the report to a
    // PDF file and returns its pages.
    QStringList toPdf(const std::function<void()> &command, const QString &file = {});
    void runFromMenu(const char *item) const;
    void runFromView(const QString &view) const;
    QString pdfPath(const QString &name = QStringLiteral("report.pdf")) const { return m_out.filePath(name); }
    void addProducts(const QStringList &names);

    std::unique_ptr<testing::Program> m_program;
    QTemporaryDir m_out;
};

void TestReportRuns::init()
{
    m_program = std::make_unique<testing::Program>();
}

void TestReportRuns::cleanup()
{
    m_program.reset();
    QFile::remove(pdfPath());
}

void TestReportRuns::runFromMenu(const char *item) const
{
    QAction *action = m_program->main().menuAction(QStringLiteral("报表"), QString::fromUtf8(item));
    QVERIFY(action);
    action->trigger();
}

void TestReportRuns::runFromView(const QString &view) const
{
    auto *widget = ui::Windows::get<QWidget>(view);
    QVERIFY(widget);
    testing::click(widget, QStringLiteral("报 表"));
}

QStringList TestReportRuns::toPdf(const std::function<void()> &command, const QString &file)
{
    const QString path = file.isEmpty() ? pdfPath() : file;
    const bool ran = testing::runModals(command, {{QStringLiteral("reports::ReportOptions"), [&](QDialog *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("Talvero CRM"));
        // Preview comes preselected.
        QVERIFY(w->findChild<QRadioButton *>(QStringLiteral("destinationPreview"))->isChecked());
        w->findChild<QRadioButton *>(QStringLiteral("destinationFile"))->click();
        testing::retype(w->findChild<QLineEdit *>(QStringLiteral("fileEdit")), path);
        testing::click(w, QStringLiteral("确 定"));
    }}});
    if (!ran)
        return {};
    return testing::pdfPages(path);
}

void TestReportRuns::addProducts(const QStringList &names)
{
    for (const QString &name : names)
        m_program->insert("vtv4", {{"o1", name}, {"o2", "办公"}, {"o3", ""}, {"o4", ""}, {"o5", "100"}, {"o6", "120"},
                                   {"o7", "150"}, {"o8", "2026-12-01"}, {"o9", ""}, {"o10", "3"}, {"o11", "在售"}});
    m_program->data().vtv4_all().reset();
}

void TestReportRuns::emptyQueriesRefuse_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("fromMenu");
    for (const Report &r : kReports) {
        QTest::addRow("%s from the menu", r.item) << QString::fromUtf8(r.item) << true;
        QTest::addRow("%s from its view", r.item) << QString::fromUtf8(r.item) << false;
    }
}

// No row: the report's message, and no window.
void TestReportRuns::emptyQueriesRefuse()
{
    QFETCH(QString, item);
    QFETCH(bool, fromMenu);
    const Report &report = reportNamed(item);
    // A customer, so that each view can be shown; none when the customer report itself is tried.
    if (qstrcmp(report.query, "atc1_all") != 0) {
        m_program->insert("atc1", {{"a1", "张三"}});
        m_program->reload();
    }
    const testing::Opened opened = testing::runModal([&] {
        if (fromMenu)
            runFromMenu(report.item);
        else
            runFromView(report.view);
    });
    QCOMPARE(opened.window, nullptr);
    QCOMPARE(m_program->messages(), QStringList{QString::fromUtf8(report.none)});
    QCOMPARE(ui::MessageBox::shown().last().kind, ui::MessageBox::Kind::Information);
}

void TestReportRuns::everyReportPrintsItsRows_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("texts"); // captions and values the page shows
    QTest::newRow("customers") << "客户清单表" << QStringList{"中文名", "英文名", "手机", "张三丰", "Zhang Sanfeng"};
    QTest::newRow("companies") << "公司清单表" << QStringList{"公司名称", "星辰贸易有限公司"};
    QTest::newRow("activities") << "销售活动表" << QStringList{"活动类型", "目标", "张三丰", "洽谈合同"};
    QTest::newRow("analyses") << "销售分析表" << QStringList{"当前进度", "有意向的产品", "激光打印机", "初步接触"};
    QTest::newRow("products") << "产品清单表" << QStringList{"销售标准价", "激光打印机", "在售"};
    QTest::newRow("employees") << "员工清单表" << QStringList{"身份证号", "王五", "销售部"};
}

// Each report from its menu item and from its view's button, to a private
// PDF file under its title.
void TestReportRuns::everyReportPrintsItsRows()
{
    QFETCH(QString, item);
    QFETCH(QStringList, texts);
    const qint64 aid = m_program->insert("atc1", {{"a1", "张三丰"}, {"a2", "Zhang Sanfeng"}});
    m_program->insert("atc2", {{"c1", "星辰贸易有限公司"}});
    m_program->insert("vtv1", {{"e2", QString::number(aid)}, {"e3", "2026-12-11 09:30"}, {"e5", "拜访"},
                               {"e7", "洽谈合同"}, {"e11", "张三丰"}, {"e15", "正常"}});
    m_program->insert("vtv2", {{"h1", QString::number(aid)}, {"h2", "激光打印机"}, {"h9", "初步接触"},
                               {"h12", "张三丰"}});
    m_program->insert("vtv4", {{"o1", "激光打印机"}, {"o7", "150"}, {"o11", "在售"}});
    m_program->insert("utm1", {{"u1", "王五"}, {"u5", "销售部"}, {"u8", "110101199001011234"}});
    m_program->reload();
    const Report &report = reportNamed(item);

    for (bool fromMenu : {true, false}) {
        const QStringList pages = toPdf([&] { fromMenu ? runFromMenu(report.item) : runFromView(report.view); });
        QCOMPARE(pages.size(), 1);
        for (const QString &text : texts + QStringList{item, "Talvero CRM", "第 1 页,共 1 页"})
            QVERIFY2(pages.first().contains(text), qPrintable(text + QStringLiteral(" in:\n") + pages.first()));
        QCOMPARE(QFile::permissions(pdfPath()) & 0x0777, QFileDevice::ReadUser | QFileDevice::WriteUser);
        QVERIFY(QFile::remove(pdfPath()));
    }
    QCOMPARE(m_program->messages(), QStringList());
}

// After a product search only the products found, in the list's order.
void TestReportRuns::printsTheMatchesOfASearch()
{
    addProducts({"激光打印机", "扫描仪", "喷墨打印机", "投影仪"});
    QVERIFY(testing::runModal(ui::names::Tfind_chanpin, [&](QDialog *w) {
        testing::typeInto(testing::field(w, QStringLiteral("名 称:")), QStringLiteral("打印机"));
        testing::click(w, QStringLiteral("搜 索"));
    }));
    const QStringList pages = toPdf([&] { runFromView(ui::names::Frame_chanpin1); });
    QCOMPARE(pages.size(), 1);
    const QString &page = pages.first();
    QVERIFY2(page.indexOf(QStringLiteral("喷墨打印机")) >= 0
                 && page.indexOf(QStringLiteral("喷墨打印机")) < page.indexOf(QStringLiteral("激光打印机")),
             qPrintable(page));
    QVERIFY(!page.contains(QStringLiteral("扫描仪")));
    QVERIFY(!page.contains(QStringLiteral("投影仪")));
}

// The detail view of a customer leaves the analyses of that customer in the
// query: the report prints those, and the list refreshed prints them all.
void TestReportRuns::printsOneCustomersRowsAfterTheDetailView()
{
    const qint64 zhang = m_program->insert("atc1", {{"a1", "张三"}});
    const qint64 li = m_program->insert("atc1", {{"a1", "李四"}});
    for (const auto &[aid, product] : {std::pair{zhang, "打印机"}, std::pair{li, "扫描仪"}, std::pair{zhang, "投影仪"}})
        m_program->insert("vtv2", {{"h1", QString::number(aid)}, {"h2", QString::fromUtf8(product)},
                                   {"h9", "初步接触"}});
    m_program->reload();
    auto *list = ui::Windows::get<QWidget>(ui::names::Frame_liebiao1);
    auto *grid = list->findChild<QTableView *>(QStringLiteral("DBGrid1"));
    // Newest first: 李四 is the first row, 张三 the second.
    testing::clickRow(grid, 1);
    testing::doubleClickRow(grid, 1);
    QCOMPARE(m_program->data().vtv2_all().count(), 2);

    QStringList pages = toPdf([&] { runFromMenu("销售分析表"); });
    QCOMPARE(pages.size(), 1);
    QVERIFY2(pages.first().indexOf(QStringLiteral("投影仪")) < pages.first().indexOf(QStringLiteral("打印机")),
             qPrintable(pages.first()));
    QVERIFY(pages.first().indexOf(QStringLiteral("投影仪")) >= 0);
    QVERIFY(!pages.first().contains(QStringLiteral("扫描仪")));

    m_program->data().vtv2_all().reset();
    pages = toPdf([&] { runFromMenu("销售分析表"); });
    QVERIFY(pages.value(0).contains(QStringLiteral("扫描仪")));
}

void TestReportRuns::currentRowComesBack_data()
{
    QTest::addColumn<QString>("destination"); // the option chosen; none: the options are cancelled
    QTest::newRow("to a file") << "destinationFile";
    QTest::newRow("to the preview") << "destinationPreview";
    QTest::newRow("options cancelled") << "";
}

// The product chosen before the report is current after it, and the list
// shows it so.
void TestReportRuns::currentRowComesBack()
{
    QFETCH(QString, destination);
    addProducts({"甲", "乙", "丙", "丁"});
    data::StandingQuery &products = m_program->data().vtv4_all();
    auto *grid = ui::Windows::get<QWidget>(ui::names::Frame_chanpin1)->findChild<QTableView *>();
    QVERIFY(grid);
    products.moveTo(2);
    QCOMPARE(products.field("o1"), QStringLiteral("乙"));

    std::vector<testing::ModalStep> chain{{QStringLiteral("reports::ReportOptions"), [&](QDialog *w) {
        if (destination.isEmpty()) {
            testing::click(w, QStringLiteral("取 消"));
            return;
        }
        w->findChild<QRadioButton *>(destination)->click();
        testing::retype(w->findChild<QLineEdit *>(QStringLiteral("fileEdit")), pdfPath());
        testing::click(w, QStringLiteral("确 定"));
    }}};
    if (destination == QStringLiteral("destinationPreview"))
        chain.push_back({QStringLiteral("reports::ReportPreview"), [](QDialog *w) {
            QCOMPARE(w->windowTitle(), QStringLiteral("Talvero CRM"));
        }});
    QVERIFY(testing::runModals([&] { runFromMenu("产品清单表"); }, chain));
    QCOMPARE(products.currentRow(), 2);
    QCOMPARE(products.field("o1"), QStringLiteral("乙"));
    QCOMPARE(grid->currentIndex().row(), 2);
    QCOMPARE(QFile::exists(pdfPath()), destination == QStringLiteral("destinationFile"));
}

void TestReportRuns::unavailableDefinitionsStopBeforeAnyWindow_data()
{
    QTest::addColumn<QByteArray>("text"); // the file's text; empty: no file
    QTest::addColumn<QString>("message"); // %1: the file's full path
    QTest::newRow("missing") << QByteArray() << "The following reporting project does not exist:\n\"%1\"";
    QTest::newRow("not a definition") << QByteArray("title: 产品清单表\ndata: RvData_chanpin\nwidth 12\n")
                                      << "%1 第 3 行:";
}

// A definition that cannot be had: the error box says why, nothing opens,
// nothing is written.
void TestReportRuns::unavailableDefinitionsStopBeforeAnyWindow()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    addProducts({"甲"});
    const QString file = m_program->install().dir().absoluteFilePath(QStringLiteral("Rop/s4.rav"));
    QVERIFY(QFile::remove(file));
    if (!text.isEmpty()) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    for (bool fromMenu : {true, false}) {
        ui::MessageBox::clearShown();
        const testing::Opened opened = testing::runModal([&] {
            fromMenu ? runFromMenu("产品清单表") : runFromView(ui::names::Frame_chanpin1);
        });
        QCOMPARE(opened.window, nullptr);
        QCOMPARE(ui::MessageBox::shown().size(), 1);
        QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Error);
        QVERIFY2(m_program->messages().first().startsWith(message.arg(file)), qPrintable(m_program->messages().first()));
    }
}

// A file of that name is replaced only once the user said so; until then it
// keeps what it had.
void TestReportRuns::anExistingFileIsReplacedOnlyWhenConfirmed()
{
    addProducts({"甲"});
    QFile old(pdfPath());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("kept");
    old.close();

    ui::MessageBox::setNextAnswer(false);
    toPdf([&] { runFromMenu("产品清单表"); });
    QCOMPARE(m_program->messages().size(), 1);
    QVERIFY(m_program->messages().first().contains(pdfPath()));
    QFile kept(pdfPath());
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("kept"));
    kept.close();

    ui::MessageBox::setNextAnswer(true);
    const QStringList pages = toPdf([&] { runFromMenu("产品清单表"); });
    QCOMPARE(pages.size(), 1);
    QVERIFY(pages.first().contains(QStringLiteral("产品清单表")));
}

void TestReportRuns::printerCopiesCollatedOrNot_data()
{
    QTest::addColumn<bool>("collate");
    QTest::addColumn<QList<int>>("pages"); // the page numbers of the sheets, in order
    QTest::newRow("collated") << true << QList<int>{1, 2, 1, 2};
    QTest::newRow("page by page") << false << QList<int>{1, 1, 2, 2};
}

// Two copies of a report of two pages on a printer that cannot make copies
// itself (printing into a file).
void TestReportRuns::printerCopiesCollatedOrNot()
{
    QFETCH(bool, collate);
    QFETCH(QList<int>, pages);
    QStringList names;
    for (int i = 1; i <= 40; ++i)
        names << QStringLiteral("产品%1").arg(i);
    addProducts(names);
    QPrinter &printer = ui::Windows::get<reports::ReportDesk>(ui::names::ReportDesk)->printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath());
    QVERIFY(testing::runModals([&] { runFromMenu("产品清单表"); },
                               {{QStringLiteral("reports::ReportOptions"), [&](QDialog *w) {
                                     w->findChild<QRadioButton *>(QStringLiteral("destinationPrinter"))->click();
                                     w->findChild<QSpinBox *>(QStringLiteral("copiesSpin"))->setValue(2);
                                     w->findChild<QCheckBox *>(QStringLiteral("collateCheck"))->setChecked(collate);
                                     testing::click(w, QStringLiteral("确 定"));
                                 }}}));
    QList<int> printed;
    for (const QString &page : testing::pdfPages(pdfPath())) {
        const qsizetype at = page.indexOf(QStringLiteral("第 "));
        printed << page.mid(at + 2, page.indexOf(u' ', at + 2) - at - 2).toInt();
        QVERIFY(page.contains(QStringLiteral("共 2 页")));
    }
    QCOMPARE(printed, pages);
}

// Without a printer, printing says so and prints nothing.
void TestReportRuns::noPrinterIsSaidSo()
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        QSKIP("this machine has a printer");
    addProducts({"甲"});
    QVERIFY(testing::runModals([&] { runFromMenu("产品清单表"); },
                               {{QStringLiteral("reports::ReportOptions"), [&](QDialog *w) {
                                     w->findChild<QRadioButton *>(QStringLiteral("destinationPrinter"))->click();
                                     testing::click(w, QStringLiteral("确 定"));
                                 }}}));
    QCOMPARE(m_program->messages(), QStringList{"没有可用的打印机,请先在打印机设置中选定打印机"});
    QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Warning);
}

// The status window says which page is being laid out, then printed, and
// its 取消 stops the run.
void TestReportRuns::statusWindowCountsPages()
{
    reports::ReportStatus status;
    QVERIFY(status.preparing(7));
    QCOMPARE(status.windowTitle(), QStringLiteral("Talvero CRM"));
    QCOMPARE(status.labelText(), QStringLiteral("正在准备页面 7"));
    QVERIFY(status.printing(3));
    QCOMPARE(status.labelText(), QStringLiteral("准备打印 3"));
    status.cancel();
    QVERIFY(!status.printing(4));
}

// Each button is read as its caption, the printer as its name under its
// caption, and each field by the caption beside it.
void TestReportRuns::optionsTellAssistiveTechnologyTheirText()
{
    QPrinter &printer = ui::Windows::get<reports::ReportDesk>(ui::names::ReportDesk)->printer();
    reports::ReportOptions options(printer, pdfPath());
    for (QAbstractButton *b : options.findChildren<QAbstractButton *>()) {
        if (b->text().isEmpty())
            continue;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(b);
        QCOMPARE(a->text(QAccessible::Name), QString(b->text()).remove(u'&'));
    }
    auto *printerName = options.findChild<QLabel *>(QStringLiteral("printerName"));
    QCOMPARE(QAccessible::queryAccessibleInterface(printerName)->text(QAccessible::Name), printerName->text());
    const std::pair<const char *, const char *> captioned[] = {
        {"printerName", "打印机:"}, {"copiesSpin", "份数:"}, {"duplexCombo", "双面:"}, {"zoomCombo", "显示比例:"}};
    for (const auto &[name, caption] : captioned) {
        QAccessibleInterface *field = QAccessible::queryAccessibleInterface(options.findChild<QWidget *>(name));
        const auto labels = field->relations(QAccessible::Label);
        QVERIFY2(!labels.isEmpty(), name);
        QCOMPARE(labels.first().first->text(QAccessible::Name), QString::fromUtf8(caption));
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(options.findChild<QLineEdit *>(QStringLiteral("fileEdit")))
                 ->text(QAccessible::Name),
             QStringLiteral("文件名"));
}

QTEST_MAIN(TestReportRuns)
#include "test_report_runs.moc"
