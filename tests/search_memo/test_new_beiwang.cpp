// The new-memo window: the rows it writes for a customer and for a company,
// the date and time of its opening, and what it puts back on closing.
#include "DateText.h"
#include "Driving.h"
#include "MessageBox.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Windows.h"
#include "customers/Tnew_beiwang.h"

#include <QApplication>
#include <QDateTime>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>

using ui::MessageBox;

namespace {

const QString kColumns = QStringLiteral("j1||'|'||j2||'|'||j3||'|'||j4||'|'||j5||'|'||j6||'|'||j7||'|'||j8||'|'||j9");

} // namespace

class TestNewBeiwang : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void writesTheRowOfItsMode_data();
    void writesTheRowOfItsMode();
    void emptyTextIsRefused();
    void spacesNeverReachTheText();
    void dateAndTimeAreThoseOfTheOpening();
    void closingPutsKeysAndCategoryBack_data();
    void closingPutsKeysAndCategoryBack();
    void memoQueryKeepsItsStatement();
    void refusedInsertKeepsWindowAndText();

private:
    TData_in &data() const { return m_program->data(); }
    Tnew_beiwang *window() const { return ui::Windows::get<Tnew_beiwang>("Tnew_beiwang"); }
    QPlainTextEdit *memo() const { return testing::field<QPlainTextEdit>(window(), "备忘内容"); }
    QString shown(const QString &caption) const { return testing::field<QLabel>(window(), caption)->text(); }
    // Opens the window and runs steps inside it; it is closed afterwards.
    void open(const std::function<void()> &steps);
    // Opens the window, types text and presses 确定.
    void write(const QString &text);
    // The columns j1..j9 of the newest memo, joined by "|".
    QString lastRow() const;

    std::unique_ptr<testing::Program> m_program;
};

void TestNewBeiwang::init()
{
    m_program = std::make_unique<testing::Program>();
}

void TestNewBeiwang::cleanup()
{
    m_program.reset();
}

void TestNewBeiwang::open(const std::function<void()> &steps)
{
    if (!testing::runModal("Tnew_beiwang", [&](QDialog *) { steps(); }).window)
        QTest::qFail("the memo window never ran", __FILE__, __LINE__);
}

void TestNewBeiwang::write(const QString &text)
{
    open([&] {
        testing::typeInto(memo(), text);
        testing::click(window(), "确定");
    });
}

QString TestNewBeiwang::lastRow() const
{
    return m_program->install().columnMain("select " + kColumns + " from vtv3 order by jid desc limit 1").value(0);
}

void TestNewBeiwang::writesTheRowOfItsMode_data()
{
    QTest::addColumn<QString>("before"); // the mode of an earlier memo: "", "customer", "company"
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("row");    // j1..j9 joined by "|"

    // "·" stands for the date and the time shown when the window opened.
    const QString customer = "7|·|·|约见|1|备忘|0|王小明|";
    const QString company = "0|·|·|约见|2|备忘|12||明达公司";
    QTest::newRow("customer") << "" << "customer" << customer;
    QTest::newRow("company") << "" << "company" << company;
    QTest::newRow("customer after a company memo") << "company" << "customer" << customer;
    QTest::newRow("company after a customer memo") << "customer" << "company" << company;
}

// A customer memo names no company and a company memo no customer, even
// when the window held the other name from an earlier memo.
void TestNewBeiwang::writesTheRowOfItsMode()
{
    QFETCH(QString, before);
    QFETCH(QString, mode);
    QFETCH(QString, row);
    auto setMode = [&](const QString &which) {
        if (which == "customer")
            window()->setCustomerMode("王小明", "7");
        else
            window()->setCompanyMode("明达公司", "12");
    };
    if (!before.isEmpty()) {
        setMode(before);
        write("早先");
    }

    setMode(mode);
    QString date, time;
    bool headed = false;
    open([&] {
        date = shown("日期");
        time = shown("时间");
        const auto labels = window()->findChildren<QLabel *>();
        for (QLabel *label : labels) {
            if (label->text() == (mode == "customer" ? "王小明" : "明达公司"))
                headed = label->isVisible();
            if (label->text() == (mode == "customer" ? "明达公司" : "王小明"))
                QVERIFY(!label->isVisible());
        }
        testing::typeInto(memo(), "约见");
        testing::click(window(), "确定");
    });
    QVERIFY(headed); // "为" and the name of the mode's customer or company
    QVERIFY(!window()->isVisible());
    QStringList expected = row.split(u'|');
    expected[1] = date;
    expected[2] = time;
    QCOMPARE(lastRow(), expected.join(u'|'));
    QCOMPARE(m_program->install().countMain("vtv3"), before.isEmpty() ? 1 : 2);
}

void TestNewBeiwang::emptyTextIsRefused()
{
    window()->setCustomerMode("王小明", "7");
    open([&] {
        testing::click(window(), "确定");
        QVERIFY(window()->isVisible());
    });
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Warning);
    QCOMPARE(MessageBox::lastText(), QStringLiteral("请填写备忘信息"));
    QCOMPARE(m_program->install().countMain("vtv3"), 0);
}

void TestNewBeiwang::spacesNeverReachTheText()
{
    window()->setCustomerMode("王小明", "7");
    write(" 下周 一 回访 a b\nc ");
    QCOMPARE(m_program->install().columnMain("select j4 from vtv3"), QStringList{"下周一回访ab\nc"});
}

// The date and time are read once, as the window opens: the stored values
// are those shown at the opening, in the stored formats.
void TestNewBeiwang::dateAndTimeAreThoseOfTheOpening()
{
    window()->setCustomerMode("王小明", "7");
    const QDateTime before = QDateTime::currentDateTime();
    QString date, time;
    open([&] {
        date = shown("日期");
        time = shown("时间");
        testing::typeInto(memo(), "约见");
        testing::click(window(), "确定");
    });
    const QDateTime after = QDateTime::currentDateTime();
    const QString opened = date + u' ' + time;
    QCOMPARE(m_program->install().columnMain("select j2||' '||j3 from vtv3"), QStringList{opened});
    QVERIFY2(data::dateTimeText(before) <= opened && opened <= data::dateTimeText(after), qPrintable(opened));
    QCOMPARE(time.size(), 5);
    QCOMPARE(date.size(), 10);
}

void TestNewBeiwang::closingPutsKeysAndCategoryBack_data()
{
    QTest::addColumn<QString>("closing");
    QTest::newRow("确定") << "确定";
    QTest::newRow("取消") << "取消";
    QTest::newRow("close button") << "";
}

// After any closing the category and both keys are "0"; the names and the
// kind stay. A memo written without setting a mode again shows it.
void TestNewBeiwang::closingPutsKeysAndCategoryBack()
{
    QFETCH(QString, closing);
    window()->setCustomerMode("王小明", "7");
    open([&] {
        testing::typeInto(memo(), "第一");
        if (closing.isEmpty())
            window()->close();
        else
            testing::click(window(), closing);
    });

    QString date, time;
    open([&] {
        date = shown("日期");
        time = shown("时间");
        QVERIFY(memo()->toPlainText().isEmpty());
        testing::typeInto(memo(), "第二");
        testing::click(window(), "确定");
    });
    QCOMPARE(lastRow(), QStringLiteral("0|%1|%2|第二|1|0|0|王小明|").arg(date, time));
}

// The memo query is reopened with the statement it holds: a memo that the
// statement covers appears, another customer's memo does not.
void TestNewBeiwang::memoQueryKeepsItsStatement()
{
    const QString ofCustomer7 = "select * from vtv3 where j5 like '1' and j1 like 7 order by jid desc";
    data::StandingQuery &memos = data().vtv3_all();
    memos.filter(ofCustomer7);

    window()->setCustomerMode("王小明", "7");
    write("甲");
    window()->setCustomerMode("李四", "8");
    write("乙");
    window()->setCustomerMode("王小明", "7");
    write("丙");

    QCOMPARE(memos.text(), ofCustomer7);
    QCOMPARE(memos.count(), 2);
    QCOMPARE(memos.field("j4"), QStringLiteral("丙"));
    QCOMPARE(m_program->install().countMain("vtv3"), 3);
}

// An insert the database refuses: the engine's text is shown and the window
// stays open with the text typed.
void TestNewBeiwang::refusedInsertKeepsWindowAndText()
{
    m_program->execute("alter table vtv3 rename to vtv3_gone");
    window()->setCustomerMode("王小明", "7");
    open([&] {
        testing::typeInto(memo(), "约见");
        testing::click(window(), "确定");
        QVERIFY(window()->isVisible());
        QCOMPARE(memo()->toPlainText(), QStringLiteral("约见"));
    });
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Error);
    QVERIFY(MessageBox::lastText().contains("vtv3"));
}

QTEST_MAIN(TestNewBeiwang)
#include "test_new_beiwang.moc"
