// Every detail, form and search window with the longest values on file that
// its fields take: it stays on the screen whole, in the middle of the
// desktop at the size it has for what it shows, and its value labels wrap
// the values, as plain text.
#include "Driving.h"
#include "HandOver.h"
#include "Program.h"
#include "Schema.h"
#include "StandingQuery.h"
#include "TData_in.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

namespace {

// Longer than any window is wide: Chinese, then Latin without a blank, where
// no word boundary lets a line end.
const QString kLong = QString(150, QChar(0x957f)) + QString(150, u'W');
const QString kLongNumber = QStringLiteral("-9223372036854775808");

// One row of a table with the long value in every column (the widest whole
// number in number columns), and one with short values.
QString rowValues(const data::TableDef &table, bool longValues)
{
    QStringList values;
    for (const QString &column : table.columns) {
        const bool number = table.wholeNumbers.contains(column);
        const QString value = longValues ? (number ? kLongNumber : kLong) : (number ? QStringLiteral("7") : column);
        values << (number ? value : "'" + value + "'");
    }
    return QStringLiteral("insert into %1 (%2) values (%3)").arg(table.name, table.columns.join(','), values.join(','));
}

// A short row, then a long one (the lists show the newest first: the long
// row is row 0), in every business table; a short and a long entry in
// every pick list.
void fillEveryTable(testing::TempInstall &install)
{
    for (const data::TableDef &table : data::mainTables()) {
        if (table.key.isEmpty())
            continue;
        install.execMain(rowValues(table, false));
        install.execMain(rowValues(table, true));
    }
    for (const data::TableDef &list : data::lookupTables())
        install.execLookup(QStringLiteral("insert into %1 (mc1) values ('短'),('%2')").arg(list.name, kLong));
}

enum class Opening { Plain, ForRow, ForCustomer };

// Lets the window finish what it asked for as it opened or changed: a layout
// follows a change of what it holds one posted request at a time, from the
// innermost group out.
void settle()
{
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
}

} // namespace

Q_DECLARE_METATYPE(Opening)

class TestWindowFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowsStayOnTheScreen_data();
    void windowsStayOnTheScreen();

private:
    // Opens the window on the given row (0 long, 1 short) and runs the checks in it.
    void open(const QString &window, Opening opening, const QString &query, int row,
              const std::function<void(QDialog *)> &checks);

    std::unique_ptr<testing::Program> m_program;
};

void TestWindowFit::initTestCase()
{
    m_program = std::make_unique<testing::Program>(fillEveryTable);
}

void TestWindowFit::cleanupTestCase()
{
    m_program.reset();
}

void TestWindowFit::windowsStayOnTheScreen_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Opening>("opening");
    QTest::addColumn<QString>("query"); // the row handed over, or the one the window is bound to
    QTest::addColumn<bool>("values");   // whether it shows the row's values in labels

    QTest::newRow("product details") << "Tover_chanpin" << Opening::ForRow << "vtv4_all" << true;
    QTest::newRow("employee details") << "Tover_user" << Opening::ForRow << "utm1_all" << true;
    QTest::newRow("analysis follow-up") << "Tover_fenxi" << Opening::ForRow << "vtv2_all" << true;
    QTest::newRow("end activity") << "Tover_sell" << Opening::ForRow << "vtv1_all" << true;
    QTest::newRow("new analysis") << "Tnew_fenxi" << Opening::ForCustomer << "atc1_all" << true;
    QTest::newRow("new activity") << "Tnew_sell" << Opening::ForCustomer << "atc1_all" << true;
    QTest::newRow("new product") << "Tnew_chanpin" << Opening::Plain << "" << false;
    QTest::newRow("edit product") << "Tedit_chanpin" << Opening::Plain << "vtv4_all" << false;
    QTest::newRow("new employee") << "Tnew_user" << Opening::Plain << "" << false;
    QTest::newRow("edit employee") << "Tedit_worker" << Opening::Plain << "utm1_all" << false;
    QTest::newRow("new customer") << "Tnew_lianxiren" << Opening::Plain << "" << false;
    QTest::newRow("edit customer") << "Tedit_lianxiren" << Opening::Plain << "atc1_all" << false;
    QTest::newRow("new company") << "Tnew_gongsi" << Opening::Plain << "" << false;
    QTest::newRow("edit company") << "Tedit_gongsi" << Opening::Plain << "atc2_all" << false;
    for (const char *search : {"Tfind_chanpin", "Tfind_worker", "Tfind_fenxi", "Tfind_jihua", "Tfind_lianxiren", "Tfind_gongsi"})
        QTest::newRow(search) << search << Opening::Plain << "" << false;
}

void TestWindowFit::open(const QString &window, Opening opening, const QString &query, int row,
                         const std::function<void(QDialog *)> &checks)
{
    data::StandingQuery *rows = query.isEmpty() ? nullptr : &m_program->data().query(query);
    if (rows)
        QVERIFY(rows->moveTo(row));
    testing::Opened opened;
    if (opening == Opening::Plain) {
        opened = testing::runModal(window, checks);
    } else if (opening == Opening::ForRow) {
        opened = testing::runModal([&] { ui::openForRow(window, *rows); }, checks);
    } else {
        const ui::CustomerRef customer{rows->field("aid"), rows->field("a1"), rows->field("a2"), rows->field("a12")};
        opened = testing::runModal([&] { ui::openForCustomer(window, customer); }, checks);
    }
    QVERIFY(opened);
    QCOMPARE(opened.className(), window);
}

// Short values, the longest, short again: each time the window is whole on
// the screen and in its middle; the long values are all there, in labels
// that show them as plain text.
void TestWindowFit::windowsStayOnTheScreen()
{
    QFETCH(QString, window);
    QFETCH(Opening, opening);
    QFETCH(QString, query);
    QFETCH(bool, values);

    for (const int row : {1, 0, 1}) {
        const bool longRow = row == 0;
        open(window, opening, query, row, [&](QDialog *w) {
            settle();
            const QRect screen = w->screen()->availableGeometry();
            const QRect frame = w->frameGeometry();
            QVERIFY2(screen.contains(frame), qPrintable(QStringLiteral("%1 x %2 at %3, %4 on a screen of %5 x %6")
                                                             .arg(frame.width()).arg(frame.height()).arg(frame.x())
                                                             .arg(frame.y()).arg(screen.width()).arg(screen.height())));
            QVERIFY2((frame.center() - screen.center()).manhattanLength() <= 2,
                     qPrintable(QStringLiteral("centre %1, %2").arg(frame.center().x()).arg(frame.center().y())));
            if (values && longRow) {
                int shown = 0;
                for (const QLabel *label : w->findChildren<QLabel *>()) {
                    if (label->text().contains(kLong) || label->text() == kLongNumber) {
                        ++shown;
                        QCOMPARE(label->textFormat(), Qt::PlainText);
                        QVERIFY(label->isVisibleTo(w) || !label->parentWidget()->isVisibleTo(w));
                    }
                }
                QVERIFY(shown > 0);
            }
            if (window == QLatin1String("Tnew_fenxi") && longRow) {
                // The longest product, with the longest categories and prices.
                QVERIFY(testing::chooseRow(testing::field<QComboBox>(w, "目标产品"), 0));
                settle();
                QVERIFY(screen.contains(w->frameGeometry()));
            }
            w->close();
        });
        if (QTest::currentTestFailed())
            return;
    }
}

QTEST_MAIN(TestWindowFit)
#include "test_window_fit.moc"
