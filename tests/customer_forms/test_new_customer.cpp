#include "CustomerFormDriving.h"
#include "MessageBox.h"
#include "PickListEditor.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Windows.h"
#include "customers/Tnew_lianxiren.h"

#include <QGroupBox>
#include <QRadioButton>

using ui::MessageBox;

namespace {

const QString kMissing = QStringLiteral("请将标有*号项填写完整");

// Every column the insert writes, in column order.
const QStringList kWritten{"a1",  "a2",  "a3",  "a4",  "a5",  "a6",  "a7",  "a8",  "a9",
                           "a10", "a11", "a12", "a13", "a14", "a15", "a16", "a17", "a18",
                           "a19", "a20", "a21", "a22", "a23", "a24", "a26", "a27", "a28"};

// The one-line fields by caption, with the text a new window shows in them.
const QList<QPair<QString, QString>> kLineFields{
    {"中文名", ""},        {"英文名", ""},        {"电  话 区号", "0"},  {"电  话 号码", ""},
    {"电  话 分机号", ""}, {"传  真 区号", "0"},  {"传  真 号码", ""},  {"传  真 分机号", ""},
    {"手  机 区号", "0"},  {"手  机 号码", ""},   {"E-mail", ""},       {"电   话2 区号", ""},
    {"电   话2 号码", ""}, {"电   话2 分机号", ""}, {"手   机2 区号", ""}, {"手   机2 号码", ""},
    {"家庭地址", ""},      {"邮编", ""},          {"Q Q", ""},          {"MSN", ""},
};

QString quotedText(const QString &text)
{
    return u'\'' + text + u'\'';
}

} // namespace

class TestNewCustomer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void savesTheDefaultsOfUntouchedFields();
    void everyFieldReachesItsColumn();
    void requiredFieldsAreTested_data();
    void requiredFieldsAreTested();
    void refusedInsertKeepsTheWindowOpen();
    void refusedReloadStillClosesTheWindow();
    void keyFiltersAndLimits_data();
    void keyFiltersAndLimits();
    void sameNamedCompaniesTieThePickedOne_data();
    void sameNamedCompaniesTieThePickedOne();
    void showingResetsEverything();
    void aSearchInForceListsOnlyMatchingNewCustomers_data();
    void aSearchInForceListsOnlyMatchingNewCustomers();
    void buttonsOpenTheirWindows_data();
    void buttonsOpenTheirWindows();

private:
    Tnew_lianxiren *window() const { return ui::Windows::get<Tnew_lianxiren>("Tnew_lianxiren"); }
    TData_in &data() const { return m_program->data(); }
    void drive(const std::function<void()> &steps) { forms::drive("Tnew_lianxiren", steps); }
    QGroupBox *supplement() const { return forms::supplement(window()); }
    QWidget *field(const QString &caption) const { return testing::field(window(), caption); }
    QComboBox *combo(const QString &caption) const { return qobject_cast<QComboBox *>(field(caption)); }
    void type(const QString &caption, const QString &text) { testing::typeInto(field(caption), text); }
    void fillRequired(const QString &name, const QString &phone, const QString &company);
    // The newest customer's columns as the engine quotes them: 'text', or NULL.
    QMap<QString, QString> newestCustomer() const;

    std::unique_ptr<testing::Program> m_program;
};

void TestNewCustomer::init()
{
    // On file when the program starts, as a user finds them.
    m_program = std::make_unique<testing::Program>(testing::Rows{
        {"atc2", {{"c1", "甲公司"}}},
        {"atc2", {{"c1", "乙公司"}}},
        {"vx1", {{"mc1", "销售部"}}},
        {"vx1", {{"mc1", "财务部"}}},
        {"vx2", {{"mc1", "经理"}}},
    });
    QVERIFY(window());
}

void TestNewCustomer::cleanup()
{
    m_program.reset();
}

void TestNewCustomer::fillRequired(const QString &name, const QString &phone, const QString &company)
{
    type("中文名", name);
    type("电  话 号码", phone);
    if (!company.isEmpty())
        QVERIFY(testing::choose(combo("公  司"), company));
}

QMap<QString, QString> TestNewCustomer::newestCustomer() const
{
    QStringList parts;
    for (int i = 1; i <= 28; ++i)
        parts << QStringLiteral("quote(a%1)").arg(i);
    const QStringList row = m_program->install().columnMain("select " + parts.join("||char(31)||") + " from atc1 order by aid desc limit 1");
    QMap<QString, QString> columns;
    const QStringList values = row.value(0).split(QChar(31));
    for (int i = 0; i < values.size(); ++i)
        columns.insert(QStringLiteral("a%1").arg(i + 1), values[i]);
    return columns;
}

// Only the required fields typed: the others keep the values a new window
// starts with, all written as text, none left absent; the list shows the new
// customer first and current.
void TestNewCustomer::savesTheDefaultsOfUntouchedFields()
{
    for (const char *name : {"老客户", "旧客户"})
        m_program->insert("atc1", {{"a1", name}});
    m_program->reload();
    data().atc1_all().moveTo(1);
    drive([&] {
        fillRequired("张三", "88886666", "甲公司");
        testing::click(window(), "确定");
        QVERIFY(!window()->isVisible());
    });
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(m_program->install().countMain("atc1"), 3);
    const QMap<QString, QString> stored = newestCustomer();
    QMap<QString, QString> expected;
    for (const QString &column : kWritten)
        expected.insert(column, quotedText(""));
    expected["a1"] = quotedText("张三");
    expected["a3"] = quotedText("88886666");
    expected["a14"] = quotedText("1");
    expected["a18"] = quotedText("甲公司");
    expected["a19"] = expected["a21"] = expected["a27"] = quotedText("0");
    expected["a11"] = quotedText("1");
    expected["a12"] = quotedText("先生");
    expected["a25"] = "NULL";
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QVERIFY2(stored.value(it.key()) == it.value(), qPrintable(it.key() + ": " + stored.value(it.key())));

    QCOMPARE(data().atc1_all().count(), 3);
    QCOMPARE(data().atc1_all().currentRow(), 0);
    QCOMPARE(data().atc1_all().field("a1"), QStringLiteral("张三"));
}

// Each of the 27 parameters carries its own field into its own column.
void TestNewCustomer::everyFieldReachesItsColumn()
{
    const QMap<QString, QString> typed{
        {"中文名", "李四"},         {"英文名", "LiSi"},       {"电  话 区号", "21"},     {"电  话 号码", "3001"},
        {"电  话 分机号", "3002"},  {"传  真 区号", "22"},    {"传  真 号码", "3003"},   {"传  真 分机号", "3004"},
        {"手  机 区号", "23"},      {"手  机 号码", "3005"},  {"E-mail", "li@x.cn"},     {"电   话2 区号", "24"},
        {"电   话2 号码", "3006"},  {"电   话2 分机号", "3007"}, {"手   机2 区号", "25"}, {"手   机2 号码", "3008"},
        {"家庭地址", "长安街1号"},  {"邮编", "100001"},       {"Q Q", "3009"},           {"MSN", "li@msn"},
        {"描述", "老朋友"},
    };
    drive([&] {
        testing::click(window(), "补充信息...");
        for (auto it = typed.cbegin(); it != typed.cend(); ++it)
            type(it.key(), it.value());
        testing::click(window(), "三");
        QComboBox *salutation = window()->findChild<QComboBox *>("a12");
        QVERIFY(testing::choose(salutation, "女士"));
        QVERIFY(testing::choose(combo("公  司"), "乙公司"));
        QVERIFY(testing::choose(combo("部  门"), "财务部"));
        QVERIFY(testing::choose(combo("职  务"), "经理"));
        testing::click(window(), "确定");
    });
    if (QTest::currentTestFailed())
        return;

    const QMap<QString, QString> expected{
        {"a1", "李四"},      {"a2", "LiSi"},      {"a3", "3001"},   {"a4", "3006"},     {"a5", "3005"},
        {"a6", "3008"},      {"a7", "3003"},      {"a8", "li@x.cn"}, {"a9", "li@msn"},  {"a10", "3009"},
        {"a11", "3"},        {"a12", "女士"},     {"a13", "财务部"}, {"a14", "2"},       {"a15", "长安街1号"},
        {"a16", "100001"},   {"a17", "老朋友"},   {"a18", "乙公司"}, {"a19", "021"},     {"a20", "24"},
        {"a21", "022"},      {"a22", "3002"},     {"a23", "3007"},  {"a24", "3004"},    {"a26", "经理"},
        {"a27", "023"},      {"a28", "25"},
    };
    const QMap<QString, QString> stored = newestCustomer();
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QVERIFY2(stored.value(it.key()) == quotedText(it.value()), qPrintable(it.key() + ": " + stored.value(it.key())));
}

void TestNewCustomer::requiredFieldsAreTested_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("phone");
    QTest::addColumn<QString>("company");
    QTest::newRow("no name") << "" << "5550100" << "甲公司";
    QTest::newRow("no phone number") << "王五" << "" << "甲公司";
    QTest::newRow("no company") << "王五" << "5550100" << "";
    QTest::newRow("nothing") << "" << "" << "";
}

// One warning, nothing written, and the window still open with what was typed.
void TestNewCustomer::requiredFieldsAreTested()
{
    QFETCH(QString, name);
    QFETCH(QString, phone);
    QFETCH(QString, company);
    drive([&] {
        fillRequired(name, phone, company);
        type("E-mail", "w@x.cn");
        testing::click(window(), "确定");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Warning);
        QCOMPARE(MessageBox::lastText(), kMissing);
        QVERIFY(window()->isVisible());
        QCOMPARE(testing::shownText(field("中文名")), name);
        QCOMPARE(testing::shownText(field("电  话 号码")), phone);
        QCOMPARE(combo("公  司")->currentText(), company);
        QCOMPARE(testing::shownText(field("E-mail")), QStringLiteral("w@x.cn"));
    });
    QCOMPARE(m_program->install().countMain("atc1"), 0);
}

// A refused insert shows the engine's text; the window keeps its contents.
void TestNewCustomer::refusedInsertKeepsTheWindowOpen()
{
    m_program->execute("create trigger no_customers before insert on atc1 begin select raise(abort, 'customers are closed'); end");
    drive([&] {
        fillRequired("赵六", "5550101", "甲公司");
        testing::click(window(), "确定");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Error);
        QVERIFY(MessageBox::lastText().contains("customers are closed"));
        QVERIFY(window()->isVisible());
        QCOMPARE(testing::shownText(field("中文名")), QStringLiteral("赵六"));
    });
    QCOMPARE(m_program->install().countMain("atc1"), 0);
}

// The customer is written but the list cannot be read again: the error is
// shown and the window closes all the same, so that a second 确定 can never
// write the customer twice.
void TestNewCustomer::refusedReloadStillClosesTheWindow()
{
    m_program->execute("create table listed (x)");
    m_program->insert("listed", {{"x", 1}});
    data().atc1_all().filter("select atc1.* from atc1, listed order by aid desc");
    m_program->execute("drop table listed");
    bool closed = false;
    drive([&] {
        fillRequired("钱七", "5550102", "甲公司");
        testing::click(window(), "确定");
        closed = !window()->isVisible();
        if (!closed)
            testing::click(window(), "确定");
    });
    QVERIFY(closed);
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Error);
    QCOMPARE(m_program->install().columnMain("select a1 from atc1"), QStringList{"钱七"});
}

void TestNewCustomer::keyFiltersAndLimits_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    const QString digits40 = QStringLiteral("1234567890").repeated(4);
    const QString letters = QStringLiteral("abcdefghij").repeated(30);
    QTest::newRow("name refuses blanks and digits") << "中文名" << "张 三9丰" << "张三丰";
    QTest::newRow("name, 10") << "中文名" << letters << letters.left(10);
    QTest::newRow("English name refuses blanks") << "英文名" << "Li Lei" << "LiLei";
    QTest::newRow("English name, 25") << "英文名" << letters << letters.left(25);
    // Area codes and the mobile prefix start at "0"; the caret stands after it.
    QTest::newRow("phone area code, 5") << "电  话 区号" << "2a1 345" << "02134";
    QTest::newRow("phone number, 15") << "电  话 号码" << "12-34 x" + digits40 << "1234" + digits40.left(11);
    QTest::newRow("phone extension, 8") << "电  话 分机号" << "8#" + digits40 << "8" + digits40.left(7);
    QTest::newRow("fax area code, 5") << "传  真 区号" << digits40 << "0" + digits40.left(4);
    QTest::newRow("fax number, 15") << "传  真 号码" << "a" + digits40 << digits40.left(15);
    QTest::newRow("fax extension, 8") << "传  真 分机号" << digits40 << digits40.left(8);
    QTest::newRow("mobile prefix, 5") << "手  机 区号" << "+86" << "086";
    QTest::newRow("mobile number, 15") << "手  机 号码" << "139 " + digits40 << "139" + digits40.left(12);
    QTest::newRow("e-mail refuses blanks") << "E-mail" << "a b@c.cn" << "ab@c.cn";
    QTest::newRow("e-mail, 45") << "E-mail" << letters << letters.left(45);
    QTest::newRow("description refuses blanks") << "描述" << "a b c" << "abc";
    QTest::newRow("description, 250") << "描述" << letters + "x" << letters.left(250);
    QTest::newRow("second phone area code, 5") << "电   话2 区号" << digits40 << digits40.left(5);
    QTest::newRow("second phone number, 15") << "电   话2 号码" << "q" + digits40 << digits40.left(15);
    QTest::newRow("second phone extension, 8") << "电   话2 分机号" << digits40 << digits40.left(8);
    QTest::newRow("second mobile prefix, 5") << "手   机2 区号" << digits40 << digits40.left(5);
    QTest::newRow("second mobile number, 15") << "手   机2 号码" << digits40 << digits40.left(15);
    QTest::newRow("home address refuses blanks") << "家庭地址" << "长安街 1号" << "长安街1号";
    QTest::newRow("home address, 200") << "家庭地址" << letters << letters.left(200);
    QTest::newRow("postcode, 10") << "邮编" << "10 00-01" + digits40 << "100001" + digits40.left(4);
    QTest::newRow("QQ, 35") << "Q Q" << "qq" + digits40 << digits40.left(35);
    QTest::newRow("MSN refuses blanks, 45") << "MSN" << "m " + letters << "m" + letters.left(44);
}

void TestNewCustomer::keyFiltersAndLimits()
{
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QCOMPARE(forms::typedInto("Tnew_lianxiren", caption, typed), shown);
}

void TestNewCustomer::sameNamedCompaniesTieThePickedOne_data()
{
    QTest::addColumn<QString>("companies"); // the statement atc2_all holds; empty: its standing text
    QTest::addColumn<bool>("last");         // the last entry of the name is picked, else the first
    QTest::addColumn<QString>("key");
    // cid 3 同名, 4 其他, 5 同名
    QTest::newRow("standing order, first entry") << "" << false << "5";
    QTest::newRow("standing order, last entry") << "" << true << "3";
    QTest::newRow("key order, first entry") << "select * from atc2 order by cid" << false << "3";
    QTest::newRow("key order, last entry") << "select * from atc2 order by cid" << true << "5";
}

// Two companies share a name: the customer is tied to the very entry picked.
void TestNewCustomer::sameNamedCompaniesTieThePickedOne()
{
    QFETCH(QString, companies);
    QFETCH(bool, last);
    QFETCH(QString, key);
    for (const char *name : {"同名", "其他", "同名"})
        m_program->insert("atc2", {{"c1", name}});
    if (companies.isEmpty())
        m_program->reload();
    else
        data().atc2_all().filter(companies);
    drive([&] {
        QComboBox *list = combo("公  司");
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        QStringList expected;
        for (int row = 0; row < data().atc2_all().count(); ++row)
            expected << data().atc2_all().value(row, data().atc2_all().fieldIndex("c1"));
        QCOMPARE(shown, expected);
        fillRequired("钱七", "5550102", QString());
        testing::chooseRow(list, last ? shown.lastIndexOf("同名") : shown.indexOf("同名"));
        QCOMPARE(list->currentText(), QStringLiteral("同名"));
        QCOMPARE(window()->companyKey(), key);
        testing::click(window(), "确定");
    });
    if (QTest::currentTestFailed())
        return;
    const QMap<QString, QString> stored = newestCustomer();
    QCOMPARE(stored["a14"], quotedText(key));
    QCOMPARE(stored["a18"], quotedText("同名"));
}

// Typed, expanded, cancelled: the next opening shows the short form as new.
void TestNewCustomer::showingResetsEverything()
{
    auto expectFresh = [&] {
        QCOMPARE(window()->height(), 336);
        QCOMPARE(window()->minimumSize(), window()->maximumSize());
        QVERIFY(!supplement()->isEnabled());
        QCOMPARE(window()->rating(), QStringLiteral("1"));
        const QStringList ratings{"一", "二", "三", "四", "五"};
        for (const QString &r : ratings)
            QCOMPARE(qobject_cast<QRadioButton *>(testing::button(window(), r))->isChecked(), r == ratings.first());
        for (const char *list : {"公  司", "部  门", "职  务"}) {
            QCOMPARE(combo(list)->currentIndex(), -1);
            QCOMPARE(combo(list)->currentText(), QString());
        }
        QCOMPARE(window()->findChild<QComboBox *>("a12")->currentText(), QStringLiteral("先生"));
        for (const auto &[caption, start] : kLineFields)
            QVERIFY2(testing::shownText(field(caption)) == start, qPrintable(caption));
        QCOMPARE(testing::shownText(field("描述")), QString());
    };

    drive([&] {
        expectFresh();
        testing::click(window(), "补充信息...");
        QCOMPARE(window()->height(), 523);
        QVERIFY(supplement()->isEnabled());
        for (const auto &[caption, start] : kLineFields)
            type(caption, "7");
        type("中文名", "周");
        type("描述", "备注");
        testing::click(window(), "四");
        QCOMPARE(window()->rating(), QStringLiteral("4"));
        QVERIFY(testing::choose(window()->findChild<QComboBox *>("a12"), "女士"));
        QVERIFY(testing::choose(combo("公  司"), "甲公司"));
        QVERIFY(testing::choose(combo("部  门"), "销售部"));
        QVERIFY(testing::choose(combo("职  务"), "经理"));
        testing::click(window(), "取消");
        QVERIFY(!window()->isVisible());
    });
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(m_program->install().countMain("atc1"), 0);
    drive(expectFresh);
}

void TestNewCustomer::aSearchInForceListsOnlyMatchingNewCustomers_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("listed");
    QTest::newRow("outside the search") << "李雷" << false;
    QTest::newRow("inside the search") << "王小明" << true;
}

void TestNewCustomer::aSearchInForceListsOnlyMatchingNewCustomers()
{
    QFETCH(QString, name);
    QFETCH(bool, listed);
    for (const char *name : {"王大", "张二"})
        m_program->insert("atc1", {{"a1", name}});
    const QString search = QStringLiteral("select * from atc1 where a1 like '%王%' order by aid desc");
    data().atc1_all().filter(search);
    QCOMPARE(data().atc1_all().count(), 1);
    drive([&] {
        fillRequired(name, "5550103", "乙公司");
        testing::click(window(), "确定");
    });
    QCOMPARE(m_program->install().countMain("atc1"), 3);
    QCOMPARE(data().atc1_all().text(), search);
    QCOMPARE(data().atc1_all().count(), listed ? 2 : 1);
    QCOMPARE(data().atc1_all().value(0, data().atc1_all().fieldIndex("a1")), listed ? name : QStringLiteral("王大"));
}

void TestNewCustomer::buttonsOpenTheirWindows_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("list");    // the visible panel of a pick-list editor
    QTest::addColumn<QString>("caption"); // its caption
    QTest::newRow("department list") << "部门菜单" << "Tlist_suoshu" << "vx1" << "部门菜单";
    QTest::newRow("job title list") << "职务菜单" << "Tlist_suoshu" << "vx2" << "职务菜单";
    QTest::newRow("new company") << "新建公司" << "Tnew_gongsi" << "" << "";
}

void TestNewCustomer::buttonsOpenTheirWindows()
{
    QFETCH(QString, button);
    QFETCH(QString, window);
    QFETCH(QString, list);
    QFETCH(QString, caption);
    drive([&] {
        QString panel;
        QString title;
        auto look = [&](QDialog *modal) {
            if (auto *editor = qobject_cast<PickListEditor *>(modal)) {
                panel = editor->visibleList();
                title = editor->windowTitle();
            }
        };
        const testing::Opened opened = testing::runModal([&] { testing::click(this->window(), button); }, look);
        QCOMPARE(opened.className(), window);
        QCOMPARE(panel, list);
        QCOMPARE(title.isEmpty() ? QString() : title, caption);
        QVERIFY(this->window()->isVisible());
    });
}

QTEST_MAIN(TestNewCustomer)
#include "test_new_customer.moc"
