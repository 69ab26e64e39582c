// The new-analysis and follow-up windows, opened as the customer and analysis
// views open them, and the analysis search, over a fresh installation.
#include "DbGrid.h"
#include "Driving.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "PickListEditor.h"
#include "Program.h"
#include "SearchText.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "Tone.h"
#include "WindowNames.h"
#include "Windows.h"
#include "customers/CustomerDetailPages.h"
#include "customers/TFrame_lianxiren.h"
#include "customers/TFrame_liebiao.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QtTest/qtestspontaneevent.h>

namespace {

// Every written column of each analysis, h1 to h14, one line per analysis in key order.
const QString kColumns = QStringLiteral("select h1||'|'||h2||'|'||h3||'|'||h4||'|'||h5||'|'||h6||'|'||h7||'|'||h8||'|'||"
                                        "h9||'|'||h10||'|'||h11||'|'||h12||'|'||h13||'|'||h14 from vtv2 order by hid");

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
}

template <typename T = QWidget> T *named(QWidget *w, const char *name)
{
    return w->findChild<T *>(QString::fromLatin1(name));
}

} // namespace

class TestAnalysisForms : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void savedWithTheDefaults();
    void customerNameLargerAndBold();
    void everyFieldAsChosen();
    void opensForTheCurrentCustomer_data();
    void opensForTheCurrentCustomer();
    void sameNamedProductsAreBothOffered();
    void productAndStageAreRequired_data();
    void productAndStageAreRequired();
    void totalFollowsWhileTyping_data();
    void totalFollowsWhileTyping();
    void keysAndLimits_data();
    void keysAndLimits();
    void productChoiceShowsThatProduct();
    void productButtonAddsAProductToChoose();
    void listButtonsOpenTheirLists_data();
    void listButtonsOpenTheirLists();
    void followUpChangesTheStageOnly();
    void followUpWithoutAStageStoresNothing();
    void followUpFromTheCustomersAnalyses();
    void searchMatchesSubstrings_data();
    void searchMatchesSubstrings();
    void dateCountsOnceThePickerChanged();
    void searchFindingNothingSaysSo();
    void shownAgainByTheWindowSystemKeepsWhatWasTyped();

private:
    // Opens the new-analysis window through the customer list's 新分析.
    testing::Opened newAnalysis(const std::function<void(QDialog *)> &steps);
    // Opens the follow-up window through the analysis list's 跟 进, on the row at that place.
    testing::Opened followUp(int row, const std::function<void(QDialog *)> &steps);
    QStringList stored(const QString &columns) const;
    QStringList shownKeys() const;
    void addAnalyses();

    std::unique_ptr<testing::Program> m_program;
};

void TestAnalysisForms::init()
{
    m_program = std::make_unique<testing::Program>(testing::Rows{
        {"atc1", {{"a1", "张三"}, {"a2", "Zhang"}, {"a12", "先生"}, {"a14", "1"}}},
        {"vtv4", {{"o1", "打印机"}, {"o2", "办公"}, {"o3", "激光"}, {"o4", "A4"}, {"o5", "800"},
                  {"o6", "1000"}, {"o7", "1200"}, {"o8", "2026-01-01"}, {"o10", "5"}, {"o11", "在售"}}},
        {"vtv4", {{"o1", "扫描仪"}, {"o2", "外设"}, {"o3", "平板"}, {"o4", "A3"}, {"o5", "300"},
                  {"o6", "400"}, {"o7", "500"}, {"o8", "2026-01-02"}, {"o10", "0"}, {"o11", "在售"}}},
        {"vx10", {{"mc1", "直销"}}},
        {"vx11", {{"mc1", "初步接触"}}},
        {"vx11", {{"mc1", "签约"}}},
        {"vx12", {{"mc1", "华星"}}},
    });
    ui::setTonesMuted(true);
}

void TestAnalysisForms::cleanup()
{
    m_program.reset();
}

testing::Opened TestAnalysisForms::newAnalysis(const std::function<void(QDialog *)> &steps)
{
    QWidget *list = ui::Windows::get<QWidget>(ui::names::Frame_liebiao1);
    return testing::runModal([&] { testing::click(list, "新分析"); }, steps);
}

testing::Opened TestAnalysisForms::followUp(int row, const std::function<void(QDialog *)> &steps)
{
    QTest::mouseClick(m_program->main().navigationButton("分 析"), Qt::LeftButton);
    auto *view = ui::Windows::get<QWidget>(ui::names::Frame_renwu1);
    testing::clickRow(view->findChild<ui::DbGrid *>(), row);
    return testing::runModal([&] { testing::click(view, "跟 进"); }, steps);
}

QStringList TestAnalysisForms::stored(const QString &columns) const
{
    return m_program->install().columnMain(QStringLiteral("select ") + columns + QStringLiteral(" from vtv2 order by hid"));
}

QStringList TestAnalysisForms::shownKeys() const
{
    data::StandingQuery &analyses = m_program->data().vtv2_all();
    QStringList keys;
    for (int row = 0; row < analyses.count(); ++row)
        keys << analyses.value(row, analyses.fieldIndex(QStringLiteral("hid")));
    return keys;
}

// Five analyses, keys 1 to 5, numbers chosen so that substrings tell them apart.
void TestAnalysisForms::addAnalyses()
{
    struct Analysis {
        const char *name, *english, *product, *quantity, *total, *date, *probability, *stage;
    };
    const Analysis rows[] = {
        {"张三", "Zhang", "打印机", "12", "600", "2026-05-01", "30%", "初步接触"},
        {"李四", "Li", "扫描仪", "112", "5600", "2026-06-01", "35%", "签约"},
        {"王五", "Wang", "打印机", "1200", "60000", "2026-05-01", "3%", "初步接触"},
        {"赵六", "Zhao", "50%折扣", "21", "1050", "2026-07-01", "40%", "签约"},
        {"O'Neil", "O'Neil", "扫描仪", "7", "350", "2026-07-01", "100%", "初步接触"},
    };
    for (const Analysis &a : rows)
        m_program->insert("vtv2", {{"h1", "1"}, {"h2", a.product}, {"h3", ""}, {"h4", a.quantity}, {"h5", "50"},
                                   {"h6", a.total}, {"h7", a.date}, {"h8", a.probability}, {"h9", a.stage},
                                   {"h10", ""}, {"h11", ""}, {"h12", a.name}, {"h13", a.english}, {"h14", "先生"}});
    m_program->reload();
}

// A product and a stage, nothing else touched: the record's defaults, and the
// customer's analyses in front. Opened again, the window is back on its defaults.
void TestAnalysisForms::savedWithTheDefaults()
{
    const testing::Opened opened = newAnalysis([&](QDialog *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("创建新销售分析"));
        QCOMPARE(named<QLabel>(w, "Label14")->text(), QStringLiteral("张三"));
        QCOMPARE(named<QLabel>(w, "Label15")->text(), QStringLiteral("先生"));
        QCOMPARE(named<QLabel>(w, "Label17")->text(), QStringLiteral("Zhang"));
        QVERIFY(testing::choose(named<QComboBox>(w, "product"), "打印机"));
        QVERIFY(testing::choose(named<QComboBox>(w, "stage"), "初步接触"));
        testing::click(w, "确定");
    });
    QVERIFY(opened);
    QCOMPARE(opened.className(), QStringLiteral("Tnew_fenxi"));
    QCOMPARE(m_program->install().columnMain(kColumns),
             QStringList{QStringLiteral("1|打印机||0|0|0|%1|30%|初步接触|||张三|Zhang|先生").arg(today())});
    auto *detail = ui::Windows::get<TFrame_lianxiren>(ui::names::Frame_lianxiren1);
    QCOMPARE(m_program->main().currentView(), detail);
    QCOMPARE(detail->currentTab(), TFrame_lianxiren::Tab::Analyses);
    QCOMPARE(shownKeys(), QStringList{"1"});
    QVERIFY(m_program->messages().isEmpty());

    QVERIFY(newAnalysis([&](QDialog *w) {
        QCOMPARE(testing::shownText(testing::field(w, "数量")), QStringLiteral("0"));
        QCOMPARE(testing::shownText(testing::field(w, "单价")), QStringLiteral("0"));
        QCOMPARE(testing::shownText(testing::field(w, "总计")), QStringLiteral("0"));
        QCOMPARE(testing::shownText(testing::field(w, "概率")), QStringLiteral("30"));
        for (const char *choice : {"product", "stage", "salesType", "competitor"})
            QCOMPARE(named<QComboBox>(w, choice)->currentIndex(), -1);
        QVERIFY(named<QTextEdit>(w, "Memo1")->toPlainText().isEmpty());
        QCOMPARE(named<QLabel>(w, "Label14")->text(), QStringLiteral("张三"));
        testing::click(w, "取消");
    }));
    QCOMPARE(stored("hid").size(), 1);
}

namespace {

QStringList startWarnings;

void keepWarning(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (type == QtWarningMsg)
        startWarnings << text;
}

} // namespace

// The customer's Chinese name stands out in larger bold type beside the
// salutation and the English name; sizing it warns of nothing at start.
void TestAnalysisForms::customerNameLargerAndBold()
{
    m_program.reset();
    startWarnings.clear();
    const QtMessageHandler before = qInstallMessageHandler(keepWarning);
    init();
    qInstallMessageHandler(before);
    QCOMPARE(startWarnings.filter(QStringLiteral("QFont")), QStringList());

    QVERIFY(newAnalysis([&](QDialog *w) {
        const QFontInfo name(named<QLabel>(w, "Label14")->font());
        for (const char *other : {"Label15", "Label17"}) {
            const QFontInfo shown(named<QLabel>(w, other)->font());
            QVERIFY2(name.pixelSize() >= shown.pixelSize() * 5 / 4,
                     qPrintable(QStringLiteral("%1 px beside %2 px").arg(name.pixelSize()).arg(shown.pixelSize())));
            QVERIFY(!shown.bold());
        }
        QVERIFY(name.bold());
        testing::click(w, "取消");
    }));
}

void TestAnalysisForms::everyFieldAsChosen()
{
    QVERIFY(newAnalysis([&](QDialog *w) {
        QVERIFY(testing::choose(named<QComboBox>(w, "product"), "扫描仪"));
        testing::retype(testing::field(w, "数量"), "12");
        testing::retype(testing::field(w, "单价"), "5");
        testing::field<QDateEdit>(w, "预计签单日期")->setDate(QDate(2027, 1, 15));
        testing::retype(testing::field(w, "概率"), "5");
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "销售类型"), "直销"));
        QVERIFY(testing::choose(named<QComboBox>(w, "stage"), "签约"));
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "主要竞争对手:"), "华星"));
        testing::typeInto(named<QTextEdit>(w, "Memo1"), "首批 十台\n再议");
        testing::click(w, "确定");
    }));
    QCOMPARE(m_program->install().columnMain(kColumns),
             QStringList{"1|扫描仪|直销|12|5|60|2027-01-15|5%|签约|华星|首批十台\n再议|张三|Zhang|先生"});
    // Whole numbers, as the list sorts and sums them.
    QCOMPARE(stored("typeof(h4)||typeof(h5)||typeof(h6)"), QStringList{"integerintegerinteger"});
}

void TestAnalysisForms::opensForTheCurrentCustomer_data()
{
    QTest::addColumn<int>("from"); // 0 the customer list, 1 the detail view's toolbar, 2 its 分析 page
    QTest::newRow("customer list") << 0;
    QTest::newRow("detail toolbar") << 1;
    QTest::newRow("detail analysis page") << 2;
}

// For the customer chosen in the list, not the first one; its names shown as stored.
void TestAnalysisForms::opensForTheCurrentCustomer()
{
    QFETCH(int, from);
    m_program->insert("atc1", {{"a1", "<b>李</b>四"}, {"a2", "<i>Li</i>"}, {"a12", "女士"}, {"a14", "1"}});
    m_program->insert("atc1", {{"a1", "王五"}, {"a2", "Wang"}, {"a12", "先生"}, {"a14", "1"}});
    m_program->reload(); // newest first: 王五, 李四, 张三
    TFrame_liebiao *list = m_program->main().Frame_liebiao1;
    testing::clickRow(list->grid(), 1);
    const auto command = [&] {
        if (from == 0) {
            testing::click(list, "新分析");
            return;
        }
        testing::doubleClickRow(list->grid(), 1);
        TFrame_lianxiren *detail = m_program->main().Frame_lianxiren1;
        if (from == 1) {
            testing::click(detail->findChild<QToolBar *>(), "新分析");
            return;
        }
        detail->showTab(TFrame_lianxiren::Tab::Analyses);
        detail->pages()->newAnalysisButton()->click();
    };
    QVERIFY(testing::runModal(command, [&](QDialog *w) {
        QCOMPARE(named<QLabel>(w, "Label14")->text(), QStringLiteral("<b>李</b>四"));
        QCOMPARE(named<QLabel>(w, "Label14")->textFormat(), Qt::PlainText);
        QCOMPARE(named<QLabel>(w, "Label17")->text(), QStringLiteral("<i>Li</i>"));
        QVERIFY(testing::choose(named<QComboBox>(w, "product"), "打印机"));
        QVERIFY(testing::choose(named<QComboBox>(w, "stage"), "签约"));
        testing::click(w, "确定");
    }));
    QCOMPARE(stored("h1||'|'||h12||'|'||h13||'|'||h14"), QStringList{"2|<b>李</b>四|<i>Li</i>|女士"});
    QCOMPARE(shownKeys(), QStringList{"1"});
}

// Two products of one name are both offered; the one picked is the one whose
// values show, and its name is what is stored.
void TestAnalysisForms::sameNamedProductsAreBothOffered()
{
    m_program->insert("vtv4", {{"o1", "打印机"}, {"o2", "耗材"}, {"o7", "99"}, {"o11", "在售"}});
    m_program->data().vtv4_all().reset(); // newest first: 打印机 (耗材), 扫描仪, 打印机 (办公)
    QVERIFY(newAnalysis([&](QDialog *w) {
        auto *product = named<QComboBox>(w, "product");
        QCOMPARE(product->count(), 3);
        QVERIFY(testing::chooseRow(product, 2));
        QCOMPARE(named<QLabel>(w, "o2")->text(), QStringLiteral("办公"));
        QVERIFY(testing::chooseRow(product, 0));
        QCOMPARE(named<QLabel>(w, "o2")->text(), QStringLiteral("耗材"));
        QCOMPARE(named<QLabel>(w, "o7")->text(), QStringLiteral("99"));
        QVERIFY(testing::choose(named<QComboBox>(w, "stage"), "签约"));
        testing::click(w, "确定");
    }));
    QCOMPARE(stored("h2"), QStringList{"打印机"});
}

void TestAnalysisForms::productAndStageAreRequired_data()
{
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("stage");
    QTest::newRow("neither") << QString() << QString();
    QTest::newRow("product only") << "打印机" << QString();
    QTest::newRow("stage only") << QString() << "签约";
}

// Refused with the warning; the window stays open with what was chosen.
void TestAnalysisForms::productAndStageAreRequired()
{
    QFETCH(QString, product);
    QFETCH(QString, stage);
    QVERIFY(newAnalysis([&](QDialog *w) {
        if (!product.isEmpty())
            QVERIFY(testing::choose(named<QComboBox>(w, "product"), product));
        if (!stage.isEmpty())
            QVERIFY(testing::choose(named<QComboBox>(w, "stage"), stage));
        testing::retype(testing::field(w, "数量"), "3");
        testing::click(w, "确定");
        QVERIFY(w->isVisible());
        QCOMPARE(testing::shownText(testing::field(w, "数量")), QStringLiteral("3"));
        QCOMPARE(named<QComboBox>(w, "product")->currentText(), product);
    }));
    QCOMPARE(m_program->messages(), QStringList{"请选定目标产品,并设定销售进程"});
    QVERIFY(stored("hid").isEmpty());
}

void TestAnalysisForms::totalFollowsWhileTyping_data()
{
    QTest::addColumn<QString>("quantity"); // typed over the "0" after End, Backspace
    QTest::addColumn<QString>("unitPrice");
    QTest::addColumn<QString>("shownQuantity");
    QTest::addColumn<QString>("total");
    QTest::newRow("12 x 5") << "12" << "5" << "12" << "60";
    QTest::newRow("quantity emptied") << "" << "5" << "0" << "0";
    // Eight digits times eight digits, exact: no 32-bit wrap.
    QTest::newRow("8 x 8 digits") << "99999999" << "99999999" << "99999999" << "9999999800000001";
}

void TestAnalysisForms::totalFollowsWhileTyping()
{
    QFETCH(QString, quantity);
    QFETCH(QString, unitPrice);
    QFETCH(QString, shownQuantity);
    QFETCH(QString, total);
    QVERIFY(newAnalysis([&](QDialog *w) {
        testing::retype(testing::field(w, "单价"), unitPrice);
        testing::retype(testing::field(w, "数量"), quantity);
        QCOMPARE(testing::shownText(testing::field(w, "数量")), shownQuantity);
        QCOMPARE(testing::shownText(testing::field(w, "总计")), total);
        QVERIFY(testing::choose(named<QComboBox>(w, "product"), "打印机"));
        QVERIFY(testing::choose(named<QComboBox>(w, "stage"), "签约"));
        testing::click(w, "确定");
    }));
    QCOMPARE(stored("h4||'|'||h5||'|'||h6"), QStringList{shownQuantity + u'|' + unitPrice + u'|' + total});
}

void TestAnalysisForms::keysAndLimits_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("quantity: digits only") << "数量" << "1a2 -3" << "123";
    QTest::newRow("quantity: eight at most") << "数量" << "123456789" << "12345678";
    QTest::newRow("unit price: digits only") << "单价" << "4x5" << "45";
    QTest::newRow("quantity: pasted text keeps its digits") << "数量" << "paste:约 12 台" << "12";
    QTest::newRow("probability: two at most") << "概率" << "100" << "10";
    QTest::newRow("probability: any key") << "概率" << "a%" << "a%";
    QTest::newRow("total: typing changes nothing") << "总计" << "77x" << "0";
    QTest::newRow("details: no space") << "详细" << "a b　c" << "ab　c";
}

void TestAnalysisForms::keysAndLimits()
{
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QVERIFY(newAnalysis([&](QDialog *w) {
        QWidget *field = caption == QStringLiteral("详细") ? named(w, "Memo1") : testing::field(w, caption);
        QVERIFY(field);
        if (auto *line = qobject_cast<QLineEdit *>(field); line && !line->isReadOnly())
            line->clear();
        if (typed.startsWith(QStringLiteral("paste:"))) { // through the field's own menu
            QGuiApplication::clipboard()->setText(typed.mid(6));
            qobject_cast<QLineEdit *>(field)->paste();
        } else
            testing::typeInto(field, typed);
        QCOMPARE(testing::shownText(field), shown);
        testing::click(w, "取消");
    }));
}

// Choosing a product moves the product list to it, so the values beside the
// drop-down are that product's.
void TestAnalysisForms::productChoiceShowsThatProduct()
{
    QVERIFY(newAnalysis([&](QDialog *w) {
        auto *product = named<QComboBox>(w, "product");
        QCOMPARE(product->count(), 2);
        QVERIFY(testing::choose(product, "打印机"));
        QCOMPARE(named<QLabel>(w, "o2")->text(), QStringLiteral("办公"));
        QCOMPARE(named<QLabel>(w, "o7")->text(), QStringLiteral("1200"));
        QVERIFY(testing::choose(product, "扫描仪"));
        QStringList values;
        for (const char *column : {"o2", "o3", "o4", "o5", "o6", "o7"})
            values << named<QLabel>(w, column)->text();
        QCOMPARE(values, (QStringList{"外设", "平板", "A3", "300", "400", "500"}));
        QCOMPARE(m_program->data().vtv4_all().field(QStringLiteral("o1")), QStringLiteral("扫描仪"));
        // The unit price is the user's, never the product's.
        QCOMPARE(testing::shownText(testing::field(w, "单价")), QStringLiteral("0"));
        testing::click(w, "取消");
    }));
    // After a product search only the products found are offered.
    m_program->data().vtv4_all().filter(data::productSearch({{QStringLiteral("o1"), QStringLiteral("打印")}}));
    QVERIFY(newAnalysis([&](QDialog *w) {
        auto *product = named<QComboBox>(w, "product");
        QCOMPARE(product->count(), 1);
        QCOMPARE(product->itemText(0), QStringLiteral("打印机"));
        testing::click(w, "取消");
    }));
}

// The button beside the products makes a new one, offered at once.
void TestAnalysisForms::productButtonAddsAProductToChoose()
{
    m_program->insert("vx16", {{"mc1", "在售"}});
    m_program->insert("vx13", {{"mc1", "办公"}});
    m_program->data().pickList(16).reopen();
    m_program->data().pickList(13).reopen();
    QVERIFY(newAnalysis([&](QDialog *w) {
        const testing::Opened product = testing::runModal([&] { named<QToolButton>(w, "newProduct")->click(); },
                                                          [&](QDialog *p) {
                                                              testing::typeInto(testing::field(p, "名 称:"), "碎纸机");
                                                              QVERIFY(testing::choose(testing::field<QComboBox>(p, "状 态:"), "在售"));
                                                              QVERIFY(testing::choose(testing::field<QComboBox>(p, "大 类:"), "办公"));
                                                              testing::click(p, "确 定");
                                                          });
        QVERIFY(product);
        QCOMPARE(product.className(), QStringLiteral("Tnew_chanpin"));
        QVERIFY(testing::choose(named<QComboBox>(w, "product"), "碎纸机"));
        QCOMPARE(named<QLabel>(w, "o2")->text(), QStringLiteral("办公"));
        QVERIFY(testing::choose(named<QComboBox>(w, "stage"), "签约"));
        testing::click(w, "确定");
    }));
    QCOMPARE(stored("h2"), QStringList{"碎纸机"});
}

void TestAnalysisForms::listButtonsOpenTheirLists_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("caption");
    QTest::newRow("sales type") << "vx10Edit" << "vx10" << "销售类型菜单";
    QTest::newRow("stage") << "vx11Edit" << "vx11" << "销售进程菜单";
    QTest::newRow("competitor") << "vx12Edit" << "vx12" << "竞争对手菜单";
}

// Each opens the analysis list editor on its own list; an entry added there
// is offered as soon as the editor closes.
void TestAnalysisForms::listButtonsOpenTheirLists()
{
    QFETCH(QString, button);
    QFETCH(QString, list);
    QFETCH(QString, caption);
    QVERIFY(newAnalysis([&](QDialog *w) {
        auto *edit = w->findChild<QToolButton *>(button);
        QVERIFY(edit);
        const testing::Opened editor = testing::runModal([&] { edit->click(); }, [&](QDialog *e) {
            QCOMPARE(e->windowTitle(), caption);
            QCOMPARE(static_cast<PickListEditor *>(e)->visibleList(), list);
            m_program->insert(list, {{"mc1", "新条目"}});
            m_program->data().query(list).reopen();
            e->reject();
        });
        QVERIFY(editor);
        QCOMPARE(editor.className(), QStringLiteral("Tlist_fenxi"));
        QComboBox *choice = list == QStringLiteral("vx10")   ? testing::field<QComboBox>(w, "销售类型")
                            : list == QStringLiteral("vx11") ? named<QComboBox>(w, "stage")
                                                             : testing::field<QComboBox>(w, "主要竞争对手:");
        QVERIFY(choice->findText(QStringLiteral("新条目")) >= 0);
        QCOMPARE(choice->currentIndex(), -1); // offered, not chosen
        testing::click(w, "取消");
    }));
}

// The summary of the row followed up; 跟进 replaces its stage and nothing else.
void TestAnalysisForms::followUpChangesTheStageOnly()
{
    addAnalyses();
    const QString all = QStringLiteral("hid||'|'||h1||'|'||h2||'|'||h3||'|'||h4||'|'||h5||'|'||h6||'|'||h7||'|'||h8||'|'||"
                                       "h10||'|'||h11||'|'||h12||'|'||h13||'|'||h14");
    const QStringList before = stored(all);
    const testing::Opened opened = followUp(1, [&](QDialog *w) { // the list is newest first: analysis 4
        QCOMPARE(w->windowTitle(), QStringLiteral("跟进销售分析"));
        QCOMPARE(named<QLabel>(w, "h9")->text(), QStringLiteral("签约"));
        QCOMPARE(named<QLabel>(w, "h12")->text(), QStringLiteral("赵六"));
        QCOMPARE(named<QLabel>(w, "h2")->text(), QStringLiteral("50%折扣"));
        QCOMPARE(named<QLabel>(w, "h6")->text(), QStringLiteral("1050"));
        QCOMPARE(named<QLabel>(w, "h8")->text(), QStringLiteral("40%"));
        auto *stage = named<QComboBox>(w, "stage");
        QCOMPARE(stage->currentIndex(), -1);
        QVERIFY(testing::choose(stage, "初步接触"));
        testing::click(w, "跟进");
    });
    QVERIFY(opened);
    QCOMPARE(opened.className(), QStringLiteral("Tover_fenxi"));
    QCOMPARE(stored(all), before);
    QCOMPARE(stored("h9"), (QStringList{"初步接触", "签约", "初步接触", "初步接触", "初步接触"}));
    QCOMPARE(m_program->messages(), QStringList{"成功跟进销售分析"});
    QCOMPARE(m_program->data().vtv2_all().field(QStringLiteral("h9")), QStringLiteral("初步接触"));
}

// Without a new stage nothing is stored and the window says so, staying open.
void TestAnalysisForms::followUpWithoutAStageStoresNothing()
{
    addAnalyses();
    QVERIFY(followUp(0, [&](QDialog *w) {
        testing::click(w, "跟进");
        QVERIFY(w->isVisible());
    }));
    QCOMPARE(m_program->messages(), QStringList{"请设定新的销售进程"});
    QCOMPARE(stored("h9"), (QStringList{"初步接触", "签约", "初步接触", "签约", "初步接触"}));
}

// The detail view's 跟进 follows up the analysis chosen in its analysis list.
void TestAnalysisForms::followUpFromTheCustomersAnalyses()
{
    addAnalyses(); // all of customer 1, newest first
    TFrame_liebiao *list = m_program->main().Frame_liebiao1;
    testing::doubleClickRow(list->grid(), 0);
    TFrame_lianxiren *detail = m_program->main().Frame_lianxiren1;
    detail->showTab(TFrame_lianxiren::Tab::Analyses);
    QVERIFY(m_program->data().vtv2_all().moveTo(3)); // analysis 2
    QVERIFY(testing::runModal([&] { detail->pages()->followUpButton()->click(); }, [&](QDialog *w) {
        QCOMPARE(named<QLabel>(w, "h12")->text(), QStringLiteral("李四"));
        QVERIFY(testing::choose(named<QComboBox>(w, "stage"), "初步接触"));
        testing::click(w, "跟进");
    }));
    QCOMPARE(stored("h9"), (QStringList{"初步接触", "初步接触", "初步接触", "签约", "初步接触"}));
}

void TestAnalysisForms::searchMatchesSubstrings_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found"); // keys, newest first
    QTest::newRow("nothing typed: every analysis") << "客户名(中文):" << "" << QStringList{"5", "4", "3", "2", "1"};
    QTest::newRow("quantity 12 as text") << "数量" << "12" << QStringList{"3", "2", "1"};
    QTest::newRow("probability 3") << "概率" << "3" << QStringList{"3", "2", "1"};
    QTest::newRow("one character of a name") << "客户名(中文):" << "四" << QStringList{"2"};
    QTest::newRow("total 05") << "总计" << "05" << QStringList{"4"};
    QTest::newRow("a quote is literal") << "客户名(英文):" << "O'N" << QStringList{"5"};
    QTest::newRow("a percent sign is literal") << "客户名(中文):" << "%" << QStringList{};
}

void TestAnalysisForms::searchMatchesSubstrings()
{
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    addAnalyses();
    QVERIFY(testing::runModal(ui::names::Tfind_fenxi, [&](QDialog *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("搜索销售分析"));
        testing::typeInto(testing::field(w, caption), typed);
        testing::click(w, "搜 索");
    }));
    QCOMPARE(shownKeys(), found);
    QCOMPARE(m_program->messages(), found.isEmpty() ? QStringList{"没有找到记录"} : QStringList{});
}

// The date is a condition only once the picker was changed, even back to the
// day it showed; choices of the drop-downs count too.
void TestAnalysisForms::dateCountsOnceThePickerChanged()
{
    addAnalyses();
    m_program->execute(QStringLiteral("update vtv2 set h7=:d where hid=2"), {{QStringLiteral(":d"), today()}});
    m_program->data().vtv2_all().reopen();
    QVERIFY(testing::runModal(ui::names::Tfind_fenxi, [&](QDialog *w) {
        auto *picker = testing::field<QDateEdit>(w, "预计签单日期");
        picker->setDate(QDate(2026, 5, 1));
        picker->setDate(QDate::currentDate());
        testing::click(w, "搜 索");
    }));
    QCOMPARE(shownKeys(), QStringList{"2"});
    QVERIFY(testing::runModal(ui::names::Tfind_fenxi, [&](QDialog *w) {
        testing::field<QDateEdit>(w, "预计签单日期")->setDate(QDate(2026, 5, 1));
        QVERIFY(testing::choose(named<QComboBox>(w, "stage"), "初步接触"));
        QVERIFY(testing::choose(named<QComboBox>(w, "product"), "打印机"));
        testing::click(w, "搜 索");
    }));
    QCOMPARE(shownKeys(), (QStringList{"3", "1"}));
    // Opened again, nothing is a condition.
    QVERIFY(testing::runModal(ui::names::Tfind_fenxi, [&](QDialog *w) { testing::click(w, "搜 索"); }));
    QCOMPARE(shownKeys().size(), 5);
}

// Nothing found: said, the list empty, the list view's commands refused
// until 刷 新 brings every analysis back.
void TestAnalysisForms::searchFindingNothingSaysSo()
{
    addAnalyses();
    QVERIFY(testing::runModal(ui::names::Tfind_fenxi, [&](QDialog *w) {
        testing::typeInto(testing::field(w, "客户名(中文):"), "无此人");
        testing::click(w, "搜 索");
    }));
    QCOMPARE(m_program->messages(), QStringList{"没有找到记录"});
    QTest::mouseClick(m_program->main().navigationButton("分 析"), Qt::LeftButton);
    auto *view = ui::Windows::get<QWidget>(ui::names::Frame_renwu1);
    QCOMPARE(shownKeys().size(), 5); // the navigation button shows every analysis again
    QVERIFY(testing::runModal(ui::names::Tfind_fenxi, [&](QDialog *w) {
        testing::typeInto(testing::field(w, "客户名(中文):"), "无此人");
        testing::click(w, "搜 索");
    }));
    testing::click(view, "删 除");
    QCOMPARE(m_program->messages().last(), QStringLiteral("请先创建销售分析"));
    testing::click(view, "刷 新");
    QCOMPARE(shownKeys().size(), 5);
}

// The program minimized and restored while a window is open: the window
// system shows it again, and what was typed stays.
void TestAnalysisForms::shownAgainByTheWindowSystemKeepsWhatWasTyped()
{
    const auto restore = [](QDialog *w) {
        QShowEvent restored;
        QSpontaneKeyEvent::setSpontaneous(&restored);
        QApplication::instance()->notify(w, &restored);
    };
    QVERIFY(newAnalysis([&](QDialog *w) {
        testing::retype(testing::field(w, "数量"), "12");
        QVERIFY(testing::choose(named<QComboBox>(w, "stage"), "签约"));
        restore(w);
        QCOMPARE(testing::shownText(testing::field(w, "数量")), QStringLiteral("12"));
        QCOMPARE(named<QComboBox>(w, "stage")->currentText(), QStringLiteral("签约"));
        testing::click(w, "取消");
    }));
    addAnalyses();
    QVERIFY(testing::runModal(ui::names::Tfind_fenxi, [&](QDialog *w) {
        testing::typeInto(testing::field(w, "客户名(中文):"), "李");
        restore(w);
        testing::click(w, "搜 索");
    }));
    QCOMPARE(shownKeys(), QStringList{"2"});
}

QTEST_MAIN(TestAnalysisForms)
#include "test_analysis_forms.moc"
