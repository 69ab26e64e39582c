// The customer search window: fifteen substring conditions over atc1, the
// typed text always literal, the result shown by narrowing atc1_all.
#include "Driving.h"
#include "MessageBox.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Windows.h"
#include "customers/Tfind_lianxiren.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <functional>

using ui::MessageBox;

namespace {

// The searched columns, in the order of the search statement.
const QStringList kSearched{"a1", "a2", "a3", "a5", "a7", "a8", "a12", "a13", "a26", "a18", "a19", "a21", "a22", "a24", "a27"};
const QString kNull = QStringLiteral("<null>");

} // namespace

class TestFindLianxiren : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void emptySearchListsCompleteCustomersNewestFirst();
    void eachFieldSearchesItsColumn_data();
    void eachFieldSearchesItsColumn();
    void mobileDigitsStillRequireTheOtherConditions();
    void companyChoiceMatchesSubstringAndLeavesCompanyRow();
    void companyListFollowsEveryChange();
    void salutation_data();
    void salutation();
    void typedTextIsLiteral_data();
    void typedTextIsLiteral();
    void reopenedWindowIsEmpty_data();
    void reopenedWindowIsEmpty();
    void typingAndLimits();
    void refusedStatementKeepsWindowOpen();

private:
    TData_in &data() const { return m_program->data(); }
    Tfind_lianxiren *window() const { return ui::Windows::get<Tfind_lianxiren>("Tfind_lianxiren"); }
    template <typename T = QWidget> T *field(const QString &caption) const
    {
        return testing::field<T>(window(), caption);
    }
    // A customer whose searched columns hold the empty text unless given (kNull: no value).
    void addCustomer(const QString &name, const QMap<QString, QString> &values = {});
    // Opens the window, runs fill inside it and presses 搜 索; returns the names found, newest first.
    QStringList search(const std::function<void()> &fill);
    QStringList found() const;

    std::unique_ptr<testing::Program> m_program;
};

void TestFindLianxiren::init()
{
    m_program = std::make_unique<testing::Program>();
    for (const char *company : {"ABC", "xABCy", "other"})
        m_program->insert("atc2", {{"c1", company}});
    m_program->insert("vx1", {{"mc1", "销售部"}});
    m_program->insert("vx2", {{"mc1", "经理"}});
    m_program->reload();
}

void TestFindLianxiren::cleanup()
{
    m_program.reset();
}

void TestFindLianxiren::addCustomer(const QString &name, const QMap<QString, QString> &values)
{
    testing::Row row{{"a1", name}};
    for (const QString &column : kSearched.mid(1)) {
        const QString value = values.value(column, QStringLiteral(""));
        row.emplace_back(column, value == kNull ? QVariant() : QVariant(value));
    }
    m_program->insert("atc1", row);
}

QStringList TestFindLianxiren::search(const std::function<void()> &fill)
{
    const testing::Opened opened = testing::runModal("Tfind_lianxiren", [&](QDialog *) {
        fill();
        testing::click(window(), QStringLiteral("搜 索"));
    });
    if (!opened.window)
        QTest::qFail("the search window never ran", __FILE__, __LINE__);
    return found();
}

QStringList TestFindLianxiren::found() const
{
    const data::StandingQuery &customers = data().atc1_all();
    QStringList names;
    for (int row = 0; row < customers.count(); ++row)
        names << customers.value(row, customers.fieldIndex("a1"));
    return names;
}

// With every field empty each condition is '%%': every customer whose fifteen
// columns hold a text is listed, newest first; a missing value in any one of
// them keeps a customer out.
void TestFindLianxiren::emptySearchListsCompleteCustomersNewestFirst()
{
    addCustomer("甲");
    for (const QString &column : kSearched.mid(1))
        addCustomer(QStringLiteral("缺") + column, {{column, kNull}});
    addCustomer("乙");
    testing::Row nameless; // no name at all
    for (const QString &column : kSearched.mid(1))
        nameless.emplace_back(column, QStringLiteral(""));
    m_program->insert("atc1", nameless);
    m_program->reload();

    QCOMPARE(search([] {}), (QStringList{"乙", "甲"}));
    QVERIFY(data().atc1_all().text().endsWith("order by aid desc"));
    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(!window()->isVisible());
}

void TestFindLianxiren::eachFieldSearchesItsColumn_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");   // typed, or chosen from the list
    QTest::addColumn<QString>("column");

    QTest::newRow("中文名") << "中文名" << "明" << "a1";
    QTest::newRow("salutation") << "称谓" << "女" << "a12";
    QTest::newRow("英文名") << "英文名" << "tom" << "a2";
    QTest::newRow("phone area code") << "电  话" << "21" << "a19";
    QTest::newRow("phone number") << "电  话 电话号码" << "5566" << "a3";
    QTest::newRow("phone extension") << "电  话 分机号" << "801" << "a22";
    QTest::newRow("fax area code") << "传  真" << "10" << "a21";
    QTest::newRow("fax number") << "传  真 电话号码" << "7788" << "a7";
    QTest::newRow("fax extension") << "传  真 分机号" << "802" << "a24";
    QTest::newRow("mobile prefix") << "手  机" << "86" << "a27";
    QTest::newRow("mobile number") << "手  机 电话号码" << "139" << "a5";
    QTest::newRow("E-mail") << "E-mail" << "ex.com" << "a8";
    QTest::newRow("公  司") << "公  司" << "ABC" << "a18";
    QTest::newRow("部  门") << "部  门" << "销售部" << "a13";
    QTest::newRow("职  务") << "职  务" << "经理" << "a26";
}

// The text of each field is looked for in its own column only: the same
// text in the next searched column does not match.
void TestFindLianxiren::eachFieldSearchesItsColumn()
{
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(QString, column);
    const QString other = kSearched.at((kSearched.indexOf(column) + 1) % kSearched.size());
    const QString stored = u'x' + text + u'y';
    addCustomer(column == "a1" ? stored : QStringLiteral("甲"), {{column, stored}});
    addCustomer(other == "a1" ? stored : QStringLiteral("乙"), {{other, stored}});
    addCustomer("丙");
    m_program->reload();

    const QStringList names = search([&] {
        QWidget *w = field(caption);
        QVERIFY(w);
        if (auto *combo = qobject_cast<QComboBox *>(w); combo && !combo->isEditable())
            QVERIFY(testing::choose(combo, text));
        else
            testing::typeInto(w, text);
    });
    QCOMPARE(names, QStringList{column == "a1" ? stored : QStringLiteral("甲")});
}

// 13 in the mobile number finds the digits anywhere in a5, and the name
// condition still has to hold. Enter in a field presses 搜 索.
void TestFindLianxiren::mobileDigitsStillRequireTheOtherConditions()
{
    addCustomer("王一", {{"a5", "13800"}});
    addCustomer("王二", {{"a5", "51399"}});
    addCustomer("李三", {{"a5", "1300"}});
    addCustomer("王四", {{"a5", "1234"}});
    m_program->reload();

    QVERIFY(testing::runModal("Tfind_lianxiren", [&](QDialog *) {
        auto *mobile = field<QLineEdit>("手  机 电话号码");
        testing::typeInto(mobile, "1a3"); // a letter never reaches a phone box
        QCOMPARE(mobile->text(), QStringLiteral("13"));
        auto *name = field<QLineEdit>("中文名");
        testing::typeInto(name, "王");
        QTest::keyClick(name, Qt::Key_Return);
        QVERIFY(!window()->isVisible());
    }));
    QCOMPARE(found(), (QStringList{"王二", "王一"}));
}

// The company list offers the names of atc2_all in its order; a choice finds
// every company name that contains it and does not move atc2_all.
// The company drop-down offers the companies atc2_all holds after any
// change, not only after a reload: a deleted company is gone at once.
void TestFindLianxiren::companyListFollowsEveryChange()
{
    auto names = [this] {
        auto *box = field<QComboBox>("公  司");
        QStringList texts;
        for (int i = 0; box && i < box->count(); ++i)
            texts << box->itemText(i);
        return texts;
    };
    QCOMPARE(names(), (QStringList{"other", "xABCy", "ABC"}));
    data::StandingQuery &companies = data().atc2_all();
    companies.moveTo(1);
    companies.deleteCurrent();
    QCOMPARE(names(), (QStringList{"other", "ABC"}));
    companies.edit();
    companies.setField("c1", "renamed");
    companies.post();
    QCOMPARE(names(), (QStringList{"other", "renamed"}));
}

void TestFindLianxiren::companyChoiceMatchesSubstringAndLeavesCompanyRow()
{
    addCustomer("甲", {{"a18", "ABC"}});
    addCustomer("乙", {{"a18", "AB"}});
    addCustomer("丙", {{"a18", "xABCy"}});
    m_program->reload();
    data::StandingQuery &companies = data().atc2_all();
    QCOMPARE(companies.field("c1"), QStringLiteral("other"));

    const QStringList names = search([&] {
        auto *list = field<QComboBox>("公  司");
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        QCOMPARE(items, (QStringList{"other", "xABCy", "ABC"}));
        QVERIFY(testing::choose(list, "ABC"));
        QCOMPARE(companies.field("c1"), QStringLiteral("other"));
    });
    QCOMPARE(names, (QStringList{"丙", "甲"}));
    QCOMPARE(companies.field("c1"), QStringLiteral("other"));
    QCOMPARE(companies.count(), 3);
}

void TestFindLianxiren::salutation_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");
    QTest::newRow("empty finds both") << "" << QStringList{"李女士", "王先生"};
    QTest::newRow("女 finds 女士 only") << "女" << QStringList{"李女士"};
    QTest::newRow("先 finds 先生 only") << "先" << QStringList{"王先生"};
}

void TestFindLianxiren::salutation()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    addCustomer("王先生", {{"a12", "先生"}});
    addCustomer("李女士", {{"a12", "女士"}});
    m_program->reload();
    QCOMPARE(search([&] {
                 auto *salutation = field<QComboBox>("称谓");
                 QCOMPARE(salutation->currentText(), QString()); // starts empty, not at 先生
                 testing::typeInto(salutation, typed);
             }),
             found);
}

void TestFindLianxiren::typedTextIsLiteral_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("quote") << "中文名" << "o'b" << QStringList{"o'brien"};
    QTest::newRow("lone quote") << "英文名" << "'" << QStringList{"o'brien"};
    QTest::newRow("percent") << "E-mail" << "0%" << QStringList{"50%"};
    QTest::newRow("underscore") << "中文名" << "x_" << QStringList{"x_y"};
    QTest::newRow("backslash") << "称谓" << "\\" << QStringList{"a\\b"};
    QTest::newRow("quoted condition") << "英文名" << "' or ''='" << QStringList{};
}

// Quotes, wildcards and the escape character typed into a text field match
// themselves; the statement is always valid.
void TestFindLianxiren::typedTextIsLiteral()
{
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    for (const QString text : {"o'brien", "50%", "507", "x_y", "xay", "a\\b", "ab"})
        addCustomer(text, {{"a2", text}, {"a8", text}, {"a12", text}});
    m_program->reload();

    QCOMPARE(search([&] { testing::typeInto(field(caption), typed); }), found);
    QVERIFY(data().atc1_all().isOpen());
    for (const MessageBox::Shown &box : MessageBox::shown())
        QVERIFY2(box.kind != MessageBox::Kind::Error, qPrintable(box.text));
    QCOMPARE(m_program->install().countMain("atc1"), 7);
}

void TestFindLianxiren::reopenedWindowIsEmpty_data()
{
    QTest::addColumn<bool>("noMatch"); // searched for something absent, or just closed
    QTest::newRow("after 没有找到记录") << true;
    QTest::newRow("after closing") << false;
}

void TestFindLianxiren::reopenedWindowIsEmpty()
{
    QFETCH(bool, noMatch);
    addCustomer("甲", {{"a12", "先生"}});
    m_program->reload();
    const QStringList texts{"中文名", "英文名", "电  话", "电  话 电话号码", "电  话 分机号", "传  真",
                            "传  真 电话号码", "传  真 分机号", "手  机", "手  机 电话号码", "E-mail"};

    QVERIFY(testing::runModal("Tfind_lianxiren", [&](QDialog *) {
        for (const QString &caption : texts)
            testing::typeInto(field(caption), "9");
        testing::typeInto(field("称谓"), "先生");
        QVERIFY(testing::choose(field<QComboBox>("公  司"), "ABC"));
        QVERIFY(testing::choose(field<QComboBox>("部  门"), "销售部"));
        QVERIFY(testing::choose(field<QComboBox>("职  务"), "经理"));
        if (noMatch)
            testing::click(window(), "搜 索");
        else
            window()->close();
    }));
    if (noMatch) {
        QCOMPARE(MessageBox::lastText(), QStringLiteral("没有找到记录"));
        QCOMPARE(MessageBox::shown().last().kind, MessageBox::Kind::Information);
        QVERIFY(data().atc1_all().isOpen());
        QVERIFY(data().atc1_all().isEmpty()); // the list stays empty until refreshed
    }

    QVERIFY(testing::runModal("Tfind_lianxiren", [&](QDialog *) {
        for (const QString &caption : texts)
            QVERIFY2(field<QLineEdit>(caption)->text().isEmpty(), qPrintable(caption));
        QCOMPARE(field<QComboBox>("称谓")->currentText(), QString());
        for (const char *caption : {"公  司", "部  门", "职  务"})
            QCOMPARE(field<QComboBox>(caption)->currentIndex(), -1);
    }));
}

// Typed into one window: the text fields take every character; only the
// phone boxes filter, and every box keeps to its limit.
void TestFindLianxiren::typingAndLimits()
{
    const struct {
        const char *caption, *typed, *shown;
    } cases[] = {
        {"中文名", "王 1二三四五六七八九十", "王 1二三四五六七八"},
        {"英文名", "Tom Lee", "Tom Lee"},
        {"E-mail", "a b@x", "a b@x"},
        {"称谓", "女 士1", "女 士1"},
        {"电  话", "0a2 1-3456", "02134"},
        {"电  话 电话号码", "12-34 5", "12345"},
        {"传  真 分机号", "1234567890", "12345678"},
        {"手  机 电话号码", "13800001111222233", "138000011112222"},
    };
    QVERIFY(testing::runModal("Tfind_lianxiren", [&](QDialog *) {
        for (const auto &c : cases) {
            QWidget *w = field(c.caption);
            testing::typeInto(w, QString::fromUtf8(c.typed));
            auto *combo = qobject_cast<QComboBox *>(w);
            const QString shown = combo ? combo->currentText() : qobject_cast<QLineEdit *>(w)->text();
            QVERIFY2(shown == QString::fromUtf8(c.shown), c.caption);
        }
    }));
}

// A statement the database refuses: the engine's text is shown, the list is
// empty (atc1_all closed) and the window stays open.
void TestFindLianxiren::refusedStatementKeepsWindowOpen()
{
    addCustomer("甲");
    m_program->reload();
    m_program->execute("alter table atc1 rename to atc1_gone");

    QVERIFY(testing::runModal("Tfind_lianxiren", [&](QDialog *) {
        testing::click(window(), "搜 索");
        QVERIFY(window()->isVisible());
    }));
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Error);
    QVERIFY(MessageBox::lastText().contains("atc1"));
    QVERIFY(!data().atc1_all().isOpen());
    QVERIFY(data().atc1_all().isEmpty());
}

QTEST_MAIN(TestFindLianxiren)
#include "test_find_lianxiren.moc"
