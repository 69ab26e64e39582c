// The print preview of a report over the rows of a real encrypted database:
// pages laid out as they are viewed, navigation, zoom and rulers, and the
// window's own controls.
#include "DefaultReports.h"
#include "Driving.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "reports/PreviewRuler.h"
#include "reports/ReportOutput.h"
#include "reports/ReportPreview.h"
#include "reports/ReportRows.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using reports::PreviewRuler;
using reports::ReportPreview;

namespace {

const QString kDate = QStringLiteral("2026-12-11");

const data::ReportDefinition &productReport()
{
    for (const data::DefaultReport &r : data::defaultReports())
        if (qstrcmp(r.file, "s4.rav") == 0)
            return r.definition;
    throw std::logic_error("s4.rav");
}

template <typename T = QWidget> T *part(QWidget *preview, const char *name)
{
    return preview->findChild<T *>(QString::fromLatin1(name));
}

QString textOf(QWidget *preview, const char *name)
{
    return part<QLabel>(preview, name)->text();
}

// Turns the event loop until the background has laid out every page; a
// bounded number of turns, so that a preview that never gets there fails.
bool settle(ReportPreview &preview)
{
    for (int turn = 0; turn < 100000 && !preview.complete(); ++turn)
        QCoreApplication::processEvents();
    return preview.complete();
}

// How many pages a PDF file of the same report has.
int pagesInPdf(const data::ReportDefinition &definition, const reports::ReportRows &rows)
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("report.pdf"));
    reports::writeReportPdf(definition, rows, pdf, kDate);
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    if (!info.waitForFinished(60000))
        return -1;
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info.readAllStandardOutput());
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The pixels of an image darker than mid-grey: drawn text and lines.
int darkPixels(const QImage &image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    return dark;
}

// Counts what a widget paints.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget *watched) { watched->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class TestReportPreview : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void firstPageAtOnceTheRestInTheBackground();
    void pagesAskedForAreLaidOutAtOnce();
    void navigation_data();
    void navigation();
    void wheelScrollsThenTurnsPages_data();
    void wheelScrollsThenTurnsPages();
    void zoomShowsThePaperAtItsSize_data();
    void zoomShowsThePaperAtItsSize();
    void rulersMarkMillimetresFromThePaperCorner();
    void fitsKeepThePaperInView_data();
    void fitsKeepThePaperInView();
    void opensMaximizedPrintsAndCloses_data();
    void opensMaximizedPrintsAndCloses();
    void controlsTellAssistiveTechnologyTheirText();

private:
    void open();
    void showActive();

    std::unique_ptr<testing::Program> m_program;
    std::unique_ptr<reports::QueryRows> m_rows;
    std::unique_ptr<ReportPreview> m_preview;
    int m_printed = 0;
};

// One list of 1000 products for every test, far more than one page holds.
void TestReportPreview::initTestCase()
{
    m_program = std::make_unique<testing::Program>();
    m_program->execute(QStringLiteral(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 1000) "
        "insert into vtv4 (o1, o2, o3, o4, o5, o6, o7, o8, o9, o10, o11) "
        "select '产品' || printf('%04d', i) || '号', '办公', '', '', '100', '120', '150', '2026-12-01', '', "
        "cast(i as text), '在售' from n"));
    m_program->data().vtv4_all().reset();
    m_rows = std::make_unique<reports::QueryRows>(m_program->data().vtv4_all());
    QCOMPARE(m_rows->count(), 1000);
}

void TestReportPreview::cleanupTestCase()
{
    m_rows.reset();
    m_program.reset();
}

void TestReportPreview::init()
{
    m_printed = 0;
    open();
}

void TestReportPreview::cleanup()
{
    m_preview.reset();
}

void TestReportPreview::open()
{
    m_preview = std::make_unique<ReportPreview>(productReport(), *m_rows, kDate, [this] { ++m_printed; });
}

void TestReportPreview::showActive()
{
    m_preview->show();
    m_preview->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_preview.get()));
}

// Opening lays out the first page alone and shows it; the other pages follow
// from the event loop, the status line telling which, until the number of
// pages is known, that of a PDF file of the report; the footer then shows it.
void TestReportPreview::firstPageAtOnceTheRestInTheBackground()
{
    ReportPreview &preview = *m_preview;
    QCOMPARE(preview.pagesLaidOut(), 1);
    preview.show();
    QCOMPARE(preview.pagesLaidOut(), 1);
    QVERIFY(!preview.complete());
    QCOMPARE(textOf(&preview, "pageCountLabel"), QStringLiteral("共 … 页"));
    QCOMPARE(textOf(&preview, "statusLabel"), QStringLiteral("正在准备页面 2"));
    QVERIFY(darkPixels(part(&preview, "pageView")->grab().toImage()) > 1000);

    QCoreApplication::processEvents();
    QVERIFY(preview.pagesLaidOut() > 1);
    QVERIFY(!preview.complete());
    QCOMPARE(textOf(&preview, "statusLabel"), QStringLiteral("正在准备页面 %1").arg(preview.pagesLaidOut() + 1));

    PaintCounter sheet(part(&preview, "pageView"));
    QVERIFY(settle(preview));
    const int painted = sheet.paints;
    const int total = pagesInPdf(productReport(), *m_rows);
    QVERIFY(total > 30);
    QCOMPARE(preview.pagesLaidOut(), total);
    QCOMPARE(textOf(&preview, "pageCountLabel"), QStringLiteral("共 %1 页").arg(total));
    QCOMPARE(textOf(&preview, "statusLabel"), QStringLiteral("共 %1 页").arg(total));
    QCOMPARE(preview.currentPage(), 0);
    // The footer of the page on show is painted again with the total.
    QCoreApplication::processEvents();
    QVERIFY(sheet.paints > painted);
}

// "末页" lays out every page there and then, a typed page the pages up to it.
void TestReportPreview::pagesAskedForAreLaidOutAtOnce()
{
    ReportPreview &preview = *m_preview;
    preview.show();
    auto *field = part<QLineEdit>(&preview, "pageEdit");
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("12"));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(preview.currentPage(), 11);
    QVERIFY(preview.pagesLaidOut() >= 12);
    QVERIFY(!preview.complete());
    QCOMPARE(textOf(&preview, "pageCountLabel"), QStringLiteral("共 … 页"));

    QTest::mouseClick(part(&preview, "lastButton"), Qt::LeftButton);
    QVERIFY(preview.complete());
    QCOMPARE(preview.currentPage(), preview.pagesLaidOut() - 1);
    QCOMPARE(textOf(&preview, "pageCountLabel"), QStringLiteral("共 %1 页").arg(preview.pagesLaidOut()));
    QCOMPARE(m_printed, 0); // Enter in the page field goes to the page, nothing else
}

// Steps: a button's object name, "type N" for a page number typed over the
// field's and Enter, or a key ("PgDown", "PgUp", "Ctrl+Home", "Ctrl+End").
// The page expected counts from 0, or from the end when negative (-1: the last).
void TestReportPreview::navigation_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("page");

    QTest::newRow("opens on the first") << QStringList{} << 0;
    QTest::newRow("next") << QStringList{"nextButton", "nextButton"} << 2;
    QTest::newRow("next and back") << QStringList{"nextButton", "nextButton", "previousButton"} << 1;
    QTest::newRow("last") << QStringList{"lastButton"} << -1;
    QTest::newRow("last and back") << QStringList{"lastButton", "previousButton"} << -2;
    QTest::newRow("last then first") << QStringList{"lastButton", "firstButton"} << 0;
    QTest::newRow("typed page") << QStringList{"type 5"} << 4;
    QTest::newRow("typed past the end") << QStringList{"type 99999"} << -1;
    QTest::newRow("typed nought") << QStringList{"nextButton", "nextButton", "type 0"} << 0;
    QTest::newRow("emptied") << QStringList{"nextButton", "type "} << 1;
    QTest::newRow("page down") << QStringList{"PgDown", "PgDown"} << 2;
    QTest::newRow("page up") << QStringList{"PgDown", "PgDown", "PgUp"} << 1;
    QTest::newRow("page up on the first") << QStringList{"PgUp"} << 0;
    QTest::newRow("ctrl+end") << QStringList{"Ctrl+End"} << -1;
    QTest::newRow("page down on the last") << QStringList{"Ctrl+End", "PgDown"} << -1;
    QTest::newRow("ctrl+home") << QStringList{"PgDown", "Ctrl+Home"} << 0;
}

void TestReportPreview::navigation()
{
    QFETCH(QStringList, steps);
    QFETCH(int, page);
    showActive();
    ReportPreview &preview = *m_preview;
    auto *field = part<QLineEdit>(&preview, "pageEdit");
    for (const QString &step : steps) {
        if (step.startsWith(QStringLiteral("type "))) {
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Backspace);
            QTest::keyClicks(field, step.mid(5));
            QTest::keyClick(field, Qt::Key_Return);
        } else if (step.endsWith(QStringLiteral("Button"))) {
            QTest::mouseClick(part(&preview, qPrintable(step)), Qt::LeftButton);
        } else {
            // To the window, where its keyboard focus is, as a user's key comes.
            const QKeySequence key(step);
            QTest::keyClick(preview.windowHandle(), key[0].key(), key[0].keyboardModifiers());
        }
    }
    if (page < 0) {
        QVERIFY(preview.complete());
        page += preview.pagesLaidOut();
    }
    QCOMPARE(preview.currentPage(), page);
    QCOMPARE(field->text(), QString::number(page + 1));
    const bool atLast = preview.complete() && page == preview.pagesLaidOut() - 1;
    QCOMPARE(part(&preview, "firstButton")->isEnabled(), page > 0);
    QCOMPARE(part(&preview, "previousButton")->isEnabled(), page > 0);
    QCOMPARE(part(&preview, "nextButton")->isEnabled(), !atLast);
    QCOMPARE(part(&preview, "lastButton")->isEnabled(), !atLast);
    QCOMPARE(m_printed, 0);
}

void TestReportPreview::wheelScrollsThenTurnsPages_data()
{
    QTest::addColumn<QString>("zoom");
    QTest::addColumn<int>("notch"); // the wheel's turn in one message, in eighths of a degree
    QTest::newRow("page larger than its area, a mouse wheel") << "100 %" << 120;
    QTest::newRow("page larger than its area, a touchpad") << "100 %" << 30;
    QTest::newRow("whole page in view, a mouse wheel") << "整页" << 120;
}

// Turned towards the user, the wheel scrolls the page down to its foot, then
// turns to the next page at its head; turned away, back up to the head and
// then to the foot of the page before. On the first page it goes no further.
void TestReportPreview::wheelScrollsThenTurnsPages()
{
    QFETCH(QString, zoom);
    QFETCH(int, notch);
    ReportPreview &preview = *m_preview;
    preview.resize(900, 700);
    showActive();
    auto *combo = part<QComboBox>(&preview, "zoomCombo");
    combo->setCurrentIndex(combo->findText(zoom));
    QCoreApplication::processEvents();
    auto *scroll = part<QScrollArea>(&preview, "pageScroll");
    QScrollBar *bar = scroll->verticalScrollBar();
    // Where a wheel turned over the page arrives: the sheet and its ground leave it to the page area.
    QWidget *area = scroll->viewport();
    QCOMPARE(bar->maximum() > 0, zoom == QStringLiteral("100 %"));
    // Turns the wheel until the page changes; how far the page had scrolled by then.
    const auto turnUntilThePageChanges = [&](int direction) {
        const int page = preview.currentPage();
        int scrolledTo = bar->value();
        for (int message = 0; message < 200 && preview.currentPage() == page; ++message) {
            scrolledTo = bar->value();
            testing::turnWheel(area, QPoint(0, direction * notch));
        }
        return scrolledTo;
    };

    QCOMPARE(turnUntilThePageChanges(-1), bar->maximum()); // down to the foot first
    QCOMPARE(preview.currentPage(), 1);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(part<QLineEdit>(&preview, "pageEdit")->text(), QStringLiteral("2"));
    turnUntilThePageChanges(-1);
    QCOMPARE(preview.currentPage(), 2);

    QCOMPARE(turnUntilThePageChanges(1), 0); // up to the head first
    QCOMPARE(preview.currentPage(), 1);
    QCOMPARE(bar->value(), bar->maximum());
    turnUntilThePageChanges(1);
    QCOMPARE(preview.currentPage(), 0);
    turnUntilThePageChanges(1);
    QCOMPARE(preview.currentPage(), 0);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(m_printed, 0);
}

void TestReportPreview::zoomShowsThePaperAtItsSize_data()
{
    QTest::addColumn<QString>("zoom");
    QTest::addColumn<double>("factor");

    QTest::newRow("real size") << QStringLiteral("100 %") << 1.0;
    QTest::newRow("double") << QStringLiteral("200 %") << 2.0;
    QTest::newRow("half") << QStringLiteral("50 %") << 0.5;
}

// 100 % is the A4 landscape paper at its real size on the screen; the rulers
// measure it in the same pixels.
void TestReportPreview::zoomShowsThePaperAtItsSize()
{
    QFETCH(QString, zoom);
    QFETCH(double, factor);
    ReportPreview &preview = *m_preview;
    preview.resize(900, 700);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    auto *combo = part<QComboBox>(&preview, "zoomCombo");
    QCOMPARE(combo->currentText(), QStringLiteral("100 %"));
    combo->setCurrentIndex(combo->findText(zoom));

    const double perMm = preview.screen()->logicalDotsPerInchX() / 25.4 * factor;
    QWidget *sheet = part(&preview, "pageView");
    QVERIFY(qAbs(sheet->width() - 297 * perMm) <= 1);
    QVERIFY(qAbs(sheet->height() - 210 * perMm) <= 1);
    for (const char *name : {"horizontalRuler", "verticalRuler"}) {
        auto *ruler = part<PreviewRuler>(&preview, name);
        QVERIFY(ruler->isVisible());
        QCOMPARE(ruler->position(100) - ruler->position(0), 100 * perMm);
    }
}

// The rulers count from the paper's corner wherever scrolling puts it, with a
// tick each millimetre, longer each 5 mm, longest each centimetre.
void TestReportPreview::rulersMarkMillimetresFromThePaperCorner()
{
    ReportPreview &preview = *m_preview;
    preview.resize(900, 700);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    auto *combo = part<QComboBox>(&preview, "zoomCombo");
    QWidget *sheet = part(&preview, "pageView");
    auto *across = part<PreviewRuler>(&preview, "horizontalRuler");
    auto *down = part<PreviewRuler>(&preview, "verticalRuler");
    const QImage atRealSize = across->grab().toImage();
    combo->setCurrentIndex(combo->findText(QStringLiteral("200 %")));
    QVERIFY(across->grab().toImage() != atRealSize);

    auto *scroll = part<QScrollArea>(&preview, "pageScroll");
    for (int scrolled : {0, 300}) {
        PaintCounter acrossPaints(across), downPaints(down);
        scroll->horizontalScrollBar()->setValue(scrolled);
        scroll->verticalScrollBar()->setValue(scrolled);
        QCoreApplication::processEvents();
        QVERIFY(scrolled == 0 || (acrossPaints.paints > 0 && downPaints.paints > 0));
        const QPoint corner = sheet->mapTo(&preview, QPoint());
        QCOMPARE(across->position(0), double(corner.x() - across->mapTo(&preview, QPoint()).x()));
        QCOMPARE(down->position(0), double(corner.y() - down->mapTo(&preview, QPoint()).y()));
    }

    // How far up from the page's edge the tick at a distance reaches.
    const QImage ruler = across->grab().toImage();
    const auto tickAt = [&](double mm) {
        const int x = int(std::floor(across->position(mm)));
        int y = ruler.height() - 1;
        while (y >= 0 && qGray(ruler.pixel(x, y)) < 128)
            --y;
        return ruler.height() - 1 - y;
    };
    const int mm = tickAt(81), fiveMm = tickAt(85), cm = tickAt(90), between = tickAt(81.5);
    QVERIFY2(between == 0 && 0 < mm && mm < fiveMm && fiveMm < cm,
             qPrintable(QStringLiteral("%1 %2 %3 %4").arg(between).arg(mm).arg(fiveMm).arg(cm)));
}

void TestReportPreview::fitsKeepThePaperInView_data()
{
    QTest::addColumn<QString>("zoom");
    QTest::newRow("page width") << QStringLiteral("页宽");
    QTest::newRow("whole page") << QStringLiteral("整页");
}

// A fit shows the paper within the page area, without a scroll bar across,
// and follows the window's size.
void TestReportPreview::fitsKeepThePaperInView()
{
    QFETCH(QString, zoom);
    ReportPreview &preview = *m_preview;
    preview.resize(900, 700);
    preview.show();
    QVERIFY(QTest::qWaitForWindowExposed(&preview));
    auto *combo = part<QComboBox>(&preview, "zoomCombo");
    combo->setCurrentIndex(combo->findText(zoom));
    auto *scroll = part<QScrollArea>(&preview, "pageScroll");
    QWidget *sheet = part(&preview, "pageView");
    for (const QSize size : {QSize(900, 700), QSize(700, 800)}) {
        preview.resize(size);
        QCoreApplication::processEvents();
        const QRect view = scroll->viewport()->rect();
        QVERIFY(!scroll->horizontalScrollBar()->isVisible());
        QVERIFY(sheet->width() > view.width() / 2);
        QVERIFY(sheet->width() <= view.width());
        if (zoom == QStringLiteral("整页"))
            QVERIFY(QRect(sheet->mapTo(scroll->viewport(), QPoint()), sheet->size()).intersected(view)
                    == QRect(sheet->mapTo(scroll->viewport(), QPoint()), sheet->size()));
    }
}

void TestReportPreview::opensMaximizedPrintsAndCloses_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("关闭") << false;
    QTest::newRow("Escape") << true;
}

// run() opens the window modal and maximized over the screen; "打印" asks for
// printing and leaves the preview open; "关闭" and Escape close it.
void TestReportPreview::opensMaximizedPrintsAndCloses()
{
    QFETCH(bool, escape);
    ReportPreview &preview = *m_preview;
    bool checked = false;
    testing::whenModal([&] {
        QCOMPARE(QApplication::activeModalWidget(), &preview);
        QCOMPARE(preview.windowTitle(), QStringLiteral("Talvero CRM"));
        QVERIFY(preview.windowState() & Qt::WindowMaximized);
        QCOMPARE(preview.size(), preview.screen()->availableGeometry().size());
        testing::click(&preview, QStringLiteral("打印"));
        QCOMPARE(m_printed, 1);
        QVERIFY(preview.isVisible());
        checked = true;
    });
    testing::whenModal([&] {
        if (escape)
            QTest::keyClick(&preview, Qt::Key_Escape);
        else
            testing::click(&preview, QStringLiteral("关闭"));
    });
    preview.run();
    QVERIFY(checked);
    QVERIFY(!preview.isVisible());
    QCOMPARE(m_printed, 1);
}

// Buttons by their captions, the page field by its name, the zoom by its
// caption, the count by its text, and the rulers.
void TestReportPreview::controlsTellAssistiveTechnologyTheirText()
{
    ReportPreview &preview = *m_preview;
    const std::pair<const char *, const char *> named[] = {
        {"printButton", "打印"},      {"firstButton", "首页"},     {"previousButton", "上一页"},
        {"nextButton", "下一页"},     {"lastButton", "末页"},      {"closeButton", "关闭"},
        {"pageEdit", "页码"},         {"zoomCombo", "显示比例"},   {"pageCountLabel", "共 … 页"},
        {"horizontalRuler", "水平标尺"}, {"verticalRuler", "垂直标尺"}};
    for (const auto &[name, text] : named) {
        QWidget *widget = part(&preview, name);
        QVERIFY2(widget, name);
        // Its name, or for the drop-down (whose name is what it shows) the caption it is labelled by.
        QAccessibleInterface *item = QAccessible::queryAccessibleInterface(widget);
        QStringList told{item->text(QAccessible::Name)};
        for (const auto &[label, relation] : item->relations(QAccessible::Label))
            told << label->text(QAccessible::Name);
        QVERIFY2(told.contains(QString::fromUtf8(text)), qPrintable(name + (": " + told.join(u'/'))));
    }
}

QTEST_MAIN(TestReportPreview)
#include "test_report_preview.moc"
