// The new- and edit-product windows over a fresh installation: what they
// store, what they refuse, what they keep for the next opening and what
// leaving them drops.
#include "DbNavigator.h"
#include "PickListEditor.h"
#include "ProductFixture.h"
#include "Ta_main.h"

#include <QApplication>
#include <QLineEdit>
#include <QShowEvent>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

using namespace products_test;

namespace {

const QString kNew = QStringLiteral("Tnew_chanpin");
const QString kEdit = QStringLiteral("Tedit_chanpin");
const QString kRequired = QStringLiteral("请将标有*号项填写完整");

// The number fields, in screen order, with the column index (o1 = 0) each writes.
const std::pair<const char *, int> kNumbers[] = {
    {"库 存 量:  ", 9}, {"  成 本 价:￥", 4}, {"  销售底价:￥", 5}, {"销售标准价:￥", 6}};

const Product kPrinter{"激光打印机", "办公设备", "打印", "黑白", "1200", "1500", "1800", "2026-03-01", "高速", "25", "在售"};
const Product kScanner{"扫描仪", "耗材", "扫描", "彩色", "300", "350", "420", "2026-03-02", "平板", "7", "停售"};

} // namespace

class TestProductForms : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void requiredFieldsAloneStoreTheDefaults();
    void everyFieldAsTyped();
    void requiredFields_data();
    void requiredFields();
    void keysAndLimits_data();
    void keysAndLimits();
    void emptiedNumberShowsZero();
    void secondOpeningKeepsOnlyTheStatus();
    void shownAgainByTheWindowSystemKeepsWhatWasTyped();
    void numberBeyondTheRangeIsRefusedByName_data();
    void numberBeyondTheRangeIsRefusedByName();
    void listButtonsOpenTheEditorOnTheirList_data();
    void listButtonsOpenTheEditorOnTheirList();

    void postWritesTheChangeOnly_data();
    void postWritesTheChangeOnly();
    void leavingDropsUnpostedChanges_data();
    void leavingDropsUnpostedChanges();
    void postRefusesANumberThatIsNotOne_data();
    void postRefusesANumberThatIsNotOne();

private:
    QAbstractButton *tick(QDialog *w) const
    {
        return w->findChild<ui::DbNavigator *>()->button(ui::DbNavigator::Post);
    }
    // Fills the three required fields of the new window.
    void fillRequired(QDialog *w, const QString &name = QStringLiteral("墨盒"));

    std::unique_ptr<Fixture> m_fixture;
};

void TestProductForms::init()
{
    m_fixture = std::make_unique<Fixture>();
}

void TestProductForms::cleanup()
{
    m_fixture.reset();
}

void TestProductForms::fillRequired(QDialog *w, const QString &name)
{
    testing::typeInto(testing::field(w, "名 称:"), name);
    QVERIFY(testing::choose(testing::field<QComboBox>(w, "状 态:"), "在售"));
    QVERIFY(testing::choose(testing::field<QComboBox>(w, "大 类:"), "耗材"));
}

// 确 定 with the name, status and major category alone: empty
// sub-categories and description, whole-number 0s, today's date; the window
// closes and the list shows the new product.
void TestProductForms::requiredFieldsAloneStoreTheDefaults()
{
    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("新产品"));
        QCOMPARE(testing::shownText(testing::field(w, "创建日期:")), today());
        fillRequired(w);
        testing::click(w, "确 定");
        QVERIFY(!w->isVisible());
    }));
    QCOMPARE(m_fixture->product("1"),
             storedAs({"墨盒", "耗材", "", "", "0", "0", "0", today(), "", "0", "在售"}));
    QCOMPARE(m_fixture->data().vtv4_all().count(), 1);
    QVERIFY(m_fixture->messages().isEmpty());
}

void TestProductForms::everyFieldAsTyped()
{
    Product sameName = kPrinter;
    sameName[0] = QStringLiteral("打印机");
    m_fixture->addProducts({sameName});
    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        fillRequired(w, "打印机");
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "细类1:"), "扫描"));
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "细类2:"), "彩色"));
        const char *typed[] = {"12", "007", "150", "9223372036854775807"};
        for (int i = 0; i < 4; ++i)
            testing::retype(testing::field(w, kNumbers[i].first), typed[i]);
        testing::typeInto(testing::field(w, "描述"), "双面\n彩色");
        testing::click(w, "确 定");
    }));
    // Two products may have the same name.
    QCOMPARE(m_fixture->product("2"), storedAs({"打印机", "耗材", "扫描", "彩色", "7", "150", "9223372036854775807",
                                                today(), "双面\n彩色", "12", "在售"}));
    QCOMPARE(m_fixture->data().vtv4_all().count(), 2);
}

void TestProductForms::requiredFields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("status"); // chosen; empty: none
    QTest::addColumn<QString>("major");
    QTest::newRow("no name") << "" << "在售" << "耗材";
    QTest::newRow("no status") << "墨盒" << "" << "耗材";
    QTest::newRow("no major category") << "墨盒" << "在售" << "";
    QTest::newRow("nothing") << "" << "" << "";
}

// One warning for any required field left empty; nothing stored, the window
// stays open with what was typed.
void TestProductForms::requiredFields()
{
    QFETCH(QString, name);
    QFETCH(QString, status);
    QFETCH(QString, major);
    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        testing::typeInto(testing::field(w, "名 称:"), name);
        if (!status.isEmpty())
            QVERIFY(testing::choose(testing::field<QComboBox>(w, "状 态:"), status));
        if (!major.isEmpty())
            QVERIFY(testing::choose(testing::field<QComboBox>(w, "大 类:"), major));
        testing::click(w, "确 定");
        QVERIFY(w->isVisible());
        QCOMPARE(testing::shownText(testing::field(w, "名 称:")), name);
        testing::click(w, "取 消");
    }));
    QCOMPARE(ui::MessageBox::shown().size(), 1);
    QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Warning);
    QCOMPARE(ui::MessageBox::lastText(), kRequired);
    QCOMPARE(m_fixture->install().countMain("vtv4"), 0);
}

void TestProductForms::keysAndLimits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("beeps");

    const QString twentyFive = QStringLiteral("1234567890123456789012345");
    for (const QString &window : {kNew, kEdit}) {
        const QByteArray w = window.toLatin1();
        QTest::newRow(w + " cost: digits, at most 20") << window << "  成 本 价:￥" << "1a2 3" + twentyFive << "123"
                                                        + twentyFive.left(17) << true;
        QTest::newRow(w + " lowest price: digits") << window << "  销售底价:￥" << "3-4.5" << "345" << true;
        QTest::newRow(w + " standard price: digits") << window << "销售标准价:￥" << "8x" << "8" << true;
        QTest::newRow(w + " description: no blank, silently") << window << "描述" << "a b" << "ab" << false;
        QTest::newRow(w + " name: any key") << window << "名 称:" << "A 1-" << "A 1-" << false;
    }
    QTest::newRow("new stock: digits") << kNew << "库 存 量:  " << "1a 2" << "12" << true;
    QTest::newRow("new lowest price: no limit") << kNew << "  销售底价:￥" << twentyFive << twentyFive << false;
    QTest::newRow("edit stock: any key") << kEdit << "库 存 量:  " << "1a 2" << "1a 2" << false;
    QTest::newRow("edit standard price: at most 20") << kEdit << "销售标准价:￥" << twentyFive << twentyFive.left(20)
                                                    << false;
}

// What each field takes, window by window; a digit field sounds the tone on
// a refused key.
void TestProductForms::keysAndLimits()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(bool, beeps);
    m_fixture->addProducts({kPrinter});

    QVERIFY(testing::runModal(window, [&](QDialog *w) {
        QWidget *f = testing::field(w, caption);
        const int tones = ui::toneCount();
        testing::retype(f, typed);
        QCOMPARE(testing::shownText(f), shown);
        QCOMPARE(ui::toneCount() > tones, beeps);
        if (beeps) {
            QCOMPARE(ui::lastToneHertz(), 880);
            QCOMPARE(ui::lastToneMilliseconds(), 100);
        }
        testing::click(w, "取 消");
    }));
}

// An emptied number field shows "0" at once, and the next digit replaces it.
void TestProductForms::emptiedNumberShowsZero()
{
    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        for (const auto &[caption, column] : kNumbers) {
            QWidget *f = testing::field(w, caption);
            testing::retype(f, "45");
            QTest::keyClick(f, Qt::Key_Backspace);
            QTest::keyClick(f, Qt::Key_Backspace);
            QCOMPARE(testing::shownText(f), QStringLiteral("0"));
            QTest::keyClicks(f, "6");
            QCOMPARE(testing::shownText(f), QStringLiteral("6"));
            QTest::keyClick(f, Qt::Key_Backspace);
            QCOMPARE(testing::shownText(f), QStringLiteral("0"));
        }
        fillRequired(w);
        testing::click(w, "确 定");
    }));
    QCOMPARE(m_fixture->product("1").mid(4, 3), (QStringList{"0:integer", "0:integer", "0:integer"}));
}

// The next opening shows an empty name, "0"s and no categories, but the
// status chosen last time.
void TestProductForms::secondOpeningKeepsOnlyTheStatus()
{
    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        fillRequired(w);
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "状 态:"), "停售"));
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "细类1:"), "打印"));
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "细类2:"), "黑白"));
        for (const auto &[caption, column] : kNumbers)
            testing::retype(testing::field(w, caption), "5");
        testing::typeInto(testing::field(w, "描述"), "说明");
        testing::click(w, "确 定");
    }));
    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        QCOMPARE(testing::shownText(testing::field(w, "名 称:")), QString());
        QCOMPARE(testing::shownText(testing::field(w, "状 态:")), QStringLiteral("停售"));
        for (const char *category : {"大 类:", "细类1:", "细类2:"})
            QCOMPARE(testing::field<QComboBox>(w, category)->currentIndex(), -1);
        for (const auto &[caption, column] : kNumbers)
            QCOMPARE(testing::shownText(testing::field(w, caption)), QStringLiteral("0"));
        QCOMPARE(testing::shownText(testing::field(w, "描述")), QString());
        QCOMPARE(QApplication::focusWidget(), testing::field(w, "名 称:"));
        testing::click(w, "取 消");
    }));
    QCOMPARE(m_fixture->install().countMain("vtv4"), 1);
}

void TestProductForms::shownAgainByTheWindowSystemKeepsWhatWasTyped()
{
    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        fillRequired(w);
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "细类1:"), "打印"));
        testing::retype(testing::field(w, "  成 本 价:￥"), "88");
        QShowEvent restored;
        QSpontaneKeyEvent::setSpontaneous(&restored);
        QApplication::instance()->notify(w, &restored);
        testing::click(w, "确 定");
    }));
    const Product stored = m_fixture->product("1");
    QCOMPARE(stored.value(0), QStringLiteral("墨盒"));
    QCOMPARE(stored.value(2), QStringLiteral("打印"));
    QCOMPARE(stored.value(4), QStringLiteral("88:integer"));
}

void TestProductForms::numberBeyondTheRangeIsRefusedByName_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("message");
    QTest::newRow("stock") << "库 存 量:  " << "库存量的值超出整数范围";
    QTest::newRow("cost") << "  成 本 价:￥" << "成本价的值超出整数范围";
    QTest::newRow("lowest price") << "  销售底价:￥" << "销售底价的值超出整数范围";
    QTest::newRow("standard price") << "销售标准价:￥" << "销售标准价的值超出整数范围";
}

// One more than the largest whole number the columns hold is not stored
// (rounded, as a real): a warning names the field, the window stays open
// with what was typed.
void TestProductForms::numberBeyondTheRangeIsRefusedByName()
{
    QFETCH(QString, caption);
    QFETCH(QString, message);
    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        fillRequired(w);
        testing::retype(testing::field(w, caption), "9223372036854775808");
        testing::click(w, "确 定");
        QVERIFY(w->isVisible());
        QCOMPARE(testing::shownText(testing::field(w, caption)), QStringLiteral("9223372036854775808"));
        testing::click(w, "取 消");
    }));
    QCOMPARE(ui::MessageBox::shown().size(), 1);
    QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Warning);
    QCOMPARE(ui::MessageBox::lastText(), message);
    QCOMPARE(m_fixture->install().countMain("vtv4"), 0);
}

void TestProductForms::listButtonsOpenTheEditorOnTheirList_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("list");
    for (const QString &window : {kNew, kEdit}) {
        const QByteArray w = window.toLatin1();
        QTest::newRow(w + " status") << window << "产品状态菜单" << "vx16";
        QTest::newRow(w + " major") << window << "产品大类菜单" << "vx13";
        QTest::newRow(w + " sub 1") << window << "产品细类1菜单" << "vx14";
        QTest::newRow(w + " sub 2") << window << "产品细类2菜单" << "vx15";
    }
}

void TestProductForms::listButtonsOpenTheEditorOnTheirList()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    QFETCH(QString, list);
    m_fixture->addProducts({kPrinter});
    QString title, shownList;
    QVERIFY(testing::runModal(window, [&](QDialog *w) {
        const testing::Opened editor = testing::runModal([&] { testing::click(w, button); }, [&](QDialog *e) {
            title = e->windowTitle();
            shownList = static_cast<PickListEditor *>(e)->visibleList();
        });
        QCOMPARE(editor.className(), QStringLiteral("Tlist_chanpin"));
        testing::click(w, "取 消");
    }));
    QCOMPARE(title, button);
    QCOMPARE(shownList, list);
}

void TestProductForms::postWritesTheChangeOnly_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text"); // retyped, or chosen in a drop-down
    QTest::addColumn<int>("column");   // o1 = 0
    QTest::addColumn<QString>("stored");
    QTest::newRow("name emptied") << "名 称:" << "" << 0 << "";
    QTest::newRow("status") << "状 态:" << "停售" << 10 << "停售";
    QTest::newRow("sub-category 2") << "细类2:" << "彩色" << 3 << "彩色";
    QTest::newRow("stock") << "库 存 量:  " << "-3" << 9 << "-3:integer";
    QTest::newRow("standard price") << "销售标准价:￥" << "1990" << 6 << "1990:integer";
    QTest::newRow("description") << "描述" << "新说明" << 8 << "新说明";
}

// The tick is offered once something changed; it writes the current product
// with what the fields hold and closes the window. The creation date and the
// other product stay as they were.
void TestProductForms::postWritesTheChangeOnly()
{
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(int, column);
    QFETCH(QString, stored);
    m_fixture->addProducts({kPrinter, kScanner});
    QVERIFY(m_fixture->data().vtv4_all().moveTo(1)); // the printer

    QVERIFY(testing::runModal(kEdit, [&](QDialog *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("修改产品信息"));
        QCOMPARE(testing::shownText(testing::field(w, "创建日期:")), kPrinter[7]);
        QVERIFY(!tick(w)->isEnabled());
        QWidget *f = testing::field(w, caption);
        if (auto *combo = qobject_cast<QComboBox *>(f))
            QVERIFY(testing::choose(combo, text));
        else
            testing::retype(f, text);
        QVERIFY(tick(w)->isEnabled());
        QTest::mouseClick(tick(w), Qt::LeftButton);
        QVERIFY(!w->isVisible());
    }));
    Product expected = storedAs(kPrinter);
    expected[column] = stored;
    QCOMPARE(m_fixture->product("1"), expected);
    QCOMPARE(m_fixture->product("2"), storedAs(kScanner));
    QVERIFY(m_fixture->messages().isEmpty());
}

void TestProductForms::leavingDropsUnpostedChanges_data()
{
    QTest::addColumn<QString>("leave");
    QTest::newRow("取 消") << "取 消";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape") << "Escape";
}

// What was typed and not posted is gone once the window is left: it is not
// written when the list later moves to another product, and the window shows
// the stored values when it opens again.
void TestProductForms::leavingDropsUnpostedChanges()
{
    QFETCH(QString, leave);
    m_fixture->addProducts({kPrinter, kScanner});
    data::StandingQuery &products = m_fixture->data().vtv4_all();
    QVERIFY(products.moveTo(1));

    QVERIFY(testing::runModal(kEdit, [&](QDialog *w) {
        QTest::keyClicks(testing::field(w, "名 称:"), "X");
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "状 态:"), "停售"));
        testing::retype(testing::field(w, "  成 本 价:￥"), "99");
        QVERIFY(tick(w)->isEnabled());
        if (leave == "close")
            QVERIFY(w->close());
        else if (leave == "Escape")
            QTest::keyClick(testing::field(w, "名 称:"), Qt::Key_Escape);
        else
            testing::click(w, leave);
        QVERIFY(!w->isVisible());
    }));

    QCOMPARE(products.state(), data::StandingQuery::State::Browse);
    QCOMPARE(products.field("o1"), kPrinter[0]);
    QVERIFY(products.moveTo(0));
    QVERIFY(products.moveTo(1));
    QCOMPARE(m_fixture->product("1"), storedAs(kPrinter));

    QVERIFY(testing::runModal(kEdit, [&](QDialog *w) {
        QCOMPARE(testing::shownText(testing::field(w, "名 称:")), kPrinter[0]);
        QCOMPARE(testing::shownText(testing::field(w, "状 态:")), kPrinter[10]);
        QCOMPARE(testing::shownText(testing::field(w, "  成 本 价:￥")), kPrinter[4]);
        QVERIFY(!tick(w)->isEnabled());
        testing::click(w, "取 消");
    }));
}

void TestProductForms::postRefusesANumberThatIsNotOne_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("cost beyond the range") << "  成 本 价:￥" << "99999999999999999999" << "成本价的值超出整数范围";
    QTest::newRow("stock beyond the range") << "库 存 量:  " << "-9223372036854775809" << "库存量的值超出整数范围";
    QTest::newRow("stock not a number") << "库 存 量:  " << "十二" << "库存量的值不是整数";
}

// The tick refuses a number the column cannot hold as a whole number: a
// warning names the field, nothing is written, the window stays open with
// the change pending.
void TestProductForms::postRefusesANumberThatIsNotOne()
{
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(QString, message);
    m_fixture->addProducts({kPrinter});

    QVERIFY(testing::runModal(kEdit, [&](QDialog *w) {
        testing::retype(testing::field(w, caption), text);
        QTest::mouseClick(tick(w), Qt::LeftButton);
        QVERIFY(w->isVisible());
        QVERIFY(tick(w)->isEnabled());
        QCOMPARE(testing::shownText(testing::field(w, caption)), text);
        testing::click(w, "取 消");
    }));
    QCOMPARE(ui::MessageBox::shown().size(), 1);
    QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Warning);
    QCOMPARE(ui::MessageBox::lastText(), message);
    QCOMPARE(m_fixture->product("1"), storedAs(kPrinter));
}

QTEST_MAIN(TestProductForms)
#include "test_product_forms.moc"
