#include "CustomerFormDriving.h"
#include "DbNavigator.h"
#include "MessageBox.h"
#include "PickListEditor.h"
#include "Program.h"
#include "Shell.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "Windows.h"
#include "customers/Tedit_lianxiren.h"

#include <QGroupBox>
#include <QToolButton>

using ui::MessageBox;

namespace {

// Rows of atc2_all, newest first: 张三 (aid 3), 李二 (aid 2), 王一 (aid 1).
constexpr int kLi = 1;
constexpr int kWang = 2;

} // namespace

class TestEditCustomer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsTheCurrentCustomer();
    void postWritesTheRowAndShowsEveryCustomer();
    void refusedPostKeepsTheWindowOpen();
    void leavingWithoutPostDropsTheTyping_data();
    void leavingWithoutPostDropsTheTyping();
    void keyFiltersAndLimits_data();
    void keyFiltersAndLimits();
    void listButtonsOpenTheEditor_data();
    void listButtonsOpenTheEditor();

private:
    Tedit_lianxiren *window() const { return ui::Windows::get<Tedit_lianxiren>("Tedit_lianxiren"); }
    TData_in &data() const { return m_program->data(); }
    data::StandingQuery &customers() const { return data().atc1_all(); }
    // Opens the window on a row of atc1_all and runs the steps in it.
    void drive(int row, const std::function<void()> &steps);
    QWidget *field(const QString &caption) const { return testing::field(window(), caption); }
    void type(const QString &caption, const QString &text) { testing::typeInto(field(caption), text); }
    QToolButton *postButton() const { return window()->findChild<ui::DbNavigator *>()->button(ui::DbNavigator::Post); }
    QGroupBox *supplement() const { return forms::supplement(window()); }
    QString stored(int aid, const QString &column) const
    {
        return m_program->install().columnMain(QStringLiteral("select %1 from atc1 where aid = %2").arg(column).arg(aid)).value(0);
    }

    std::unique_ptr<testing::Program> m_program;
};

void TestEditCustomer::init()
{
    m_program = std::make_unique<testing::Program>();
    m_program->insert("atc2", {{"c1", "甲公司"}});
    m_program->insert("atc1", {{"a1", "王一"}});
    m_program->insert("atc1", {{"a1", "李二"}, {"a2", "Li"}, {"a3", "88880002"}, {"a5", "13900000002"},
                               {"a8", "li@x.cn"}, {"a9", ""}, {"a10", ""}, {"a11", "3"}, {"a12", "女士"},
                               {"a13", "销售部"}, {"a14", "1"}, {"a17", "描述原文"}, {"a18", "甲公司"},
                               {"a19", "010"}, {"a22", "12"}, {"a26", "经理"}, {"a27", "0"}});
    m_program->insert("atc1", {{"a1", "张三"}});
    for (const char *department : {"销售部", "财务部"})
        m_program->insert("vx1", {{"mc1", department}});
    for (const char *title : {"经理", "主管"})
        m_program->insert("vx2", {{"mc1", title}});
    m_program->reload();
    QVERIFY(window());
}

void TestEditCustomer::cleanup()
{
    m_program.reset();
}

void TestEditCustomer::drive(int row, const std::function<void()> &steps)
{
    QVERIFY(customers().moveTo(row));
    forms::drive("Tedit_lianxiren", steps);
}

// The fields show the current row; the short form comes back at each
// opening; nothing can be posted before something was changed.
void TestEditCustomer::showsTheCurrentCustomer()
{
    drive(kLi, [&] {
        const QMap<QString, QString> shown{
            {"中文名", "李二"},    {"英文名", "Li"},        {"电  话 区号", "010"},   {"电  话 号码", "88880002"},
            {"电  话 分机号", "12"}, {"手  机 区号", "0"},  {"手  机 号码", "13900000002"}, {"E-mail", "li@x.cn"},
            {"评  级", "3"},        {"部  门", "销售部"},   {"职  务", "经理"},      {"描述", "描述原文"},
        };
        for (auto it = shown.cbegin(); it != shown.cend(); ++it)
            QVERIFY2(testing::shownText(field(it.key())) == it.value(), qPrintable(it.key()));
        QCOMPARE(window()->findChild<QComboBox *>("a12")->currentText(), QStringLiteral("女士"));
        auto *company = qobject_cast<QLabel *>(field("公  司"));
        QVERIFY(company);
        QCOMPARE(company->text(), QStringLiteral("甲公司"));
        const auto labels = window()->findChildren<QLabel *>();
        for (QLabel *label : labels)
            QVERIFY(label->text() != QStringLiteral("*"));

        QCOMPARE(window()->height(), 336);
        QVERIFY(!supplement()->isEnabled());
        QVERIFY(!postButton()->isEnabled());
        testing::click(window(), "补充信息...");
        QCOMPARE(window()->height(), 523);
        QVERIFY(supplement()->isEnabled());
        type("英文名", "n");
        QVERIFY(postButton()->isEnabled());
        testing::click(window(), "取消");
    });
    if (QTest::currentTestFailed())
        return;
    drive(kWang, [&] {
        QCOMPARE(window()->height(), 336);
        QVERIFY(!supplement()->isEnabled());
        QCOMPARE(testing::shownText(field("中文名")), QStringLiteral("王一"));
        QVERIFY(!postButton()->isEnabled());
    });
}

// Post writes the changed fields, drops the search in force, makes the
// newest customer current and shows the customer list.
void TestEditCustomer::postWritesTheRowAndShowsEveryCustomer()
{
    const QString search = QStringLiteral("select * from atc1 where aid < 3 order by aid desc");
    customers().filter(search);
    auto *detail = ui::Windows::get<QWidget>("Frame_lianxiren1");
    ui::Shell::instance()->showView(detail);
    drive(0, [&] {
        QCOMPARE(testing::shownText(field("中文名")), QStringLiteral("李二"));
        type("中文名", "红");
        QWidget *rating = field("评  级");
        QTest::keyClick(rating, Qt::Key_End);
        QTest::keyClick(rating, Qt::Key_Backspace);
        type("评  级", "5");
        QVERIFY(testing::choose(qobject_cast<QComboBox *>(field("部  门")), "财务部"));
        testing::click(window(), "补充信息...");
        type("MSN", "li@msn");
        testing::click(window(), "保存");
        QVERIFY(!window()->isVisible());
    });
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(MessageBox::shown().size(), 0);
    QCOMPARE(stored(2, "a1"), QStringLiteral("李二红"));
    QCOMPARE(stored(2, "a11"), QStringLiteral("5"));
    QCOMPARE(stored(2, "a13"), QStringLiteral("财务部"));
    QCOMPARE(stored(2, "a9"), QStringLiteral("li@msn"));
    QCOMPARE(stored(2, "a3"), QStringLiteral("88880002"));
    QCOMPARE(stored(1, "a1"), QStringLiteral("王一"));
    QCOMPARE(stored(3, "a1"), QStringLiteral("张三"));

    QCOMPARE(customers().text(), customers().standingText());
    QCOMPARE(customers().count(), 3);
    QCOMPARE(customers().currentRow(), 0);
    QCOMPARE(customers().field("a1"), QStringLiteral("张三"));
    QCOMPARE(customers().state(), data::StandingQuery::State::Browse);
    QCOMPARE(m_program->main().currentView()->objectName(), QStringLiteral("Frame_liebiao1"));
    QVERIFY(detail->isHidden());
}

// A refused update shows the engine's text; the window keeps what was typed.
void TestEditCustomer::refusedPostKeepsTheWindowOpen()
{
    m_program->execute("create trigger no_changes before update on atc1 begin select raise(abort, 'customers are frozen'); end");
    drive(kLi, [&] {
        type("中文名", "改");
        testing::click(window(), "保存");
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Error);
        QVERIFY(MessageBox::lastText().contains("customers are frozen"));
        QVERIFY(window()->isVisible());
        QCOMPARE(testing::shownText(field("中文名")), QStringLiteral("李二改"));
    });
    QCOMPARE(stored(2, "a1"), QStringLiteral("李二"));
}

void TestEditCustomer::leavingWithoutPostDropsTheTyping_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("取消") << "取消";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape") << "escape";
}

// What was typed and not posted is dropped: moving the current row later
// writes nothing.
void TestEditCustomer::leavingWithoutPostDropsTheTyping()
{
    QFETCH(QString, how);
    drive(kLi, [&] {
        type("中文名", "改");
        type("手  机 号码", "99");
        QVERIFY(testing::choose(qobject_cast<QComboBox *>(field("职  务")), "主管"));
        QVERIFY(postButton()->isEnabled());
        if (how == u"取消")
            testing::click(window(), "取消");
        else if (how == u"close")
            window()->close();
        else
            QTest::keyClick(window(), Qt::Key_Escape);
        QVERIFY(!window()->isVisible());
    });
    if (QTest::currentTestFailed())
        return;

    QCOMPARE(customers().state(), data::StandingQuery::State::Browse);
    QCOMPARE(customers().field("a1"), QStringLiteral("李二"));
    QVERIFY(customers().moveTo(0));
    QVERIFY(customers().moveTo(kWang));
    QCOMPARE(MessageBox::shown().size(), 0);
    QCOMPARE(stored(2, "a1"), QStringLiteral("李二"));
    QCOMPARE(stored(2, "a5"), QStringLiteral("13900000002"));
    QCOMPARE(stored(2, "a26"), QStringLiteral("经理"));
    QCOMPARE(customers().value(kLi, customers().fieldIndex("a1")), QStringLiteral("李二"));
    drive(kLi, [&] { QCOMPARE(testing::shownText(field("中文名")), QStringLiteral("李二")); });
}

void TestEditCustomer::keyFiltersAndLimits_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    // The customer 王一 has only a name.
    const QString digits = QStringLiteral("1234567890").repeated(5);
    const QString letters = QStringLiteral("abcdefghij").repeated(30);
    QTest::newRow("MSN, 35 here") << "MSN" << "m s" + letters << "ms" + letters.left(33);
    QTest::newRow("QQ, 45 here") << "Q Q" << "q 1" + digits << "1" + digits.left(44);
    QTest::newRow("name refuses blanks and digits, 10") << "中文名" << "小 2明" + letters << "王一小明" + letters.left(6);
    QTest::newRow("English name, 25") << "英文名" << "W " + letters << "W" + letters.left(24);
    QTest::newRow("phone area code, 5") << "电  话 区号" << "0-" + digits << "0" + digits.left(4);
    QTest::newRow("phone number, 15") << "电  话 号码" << "a" + digits << digits.left(15);
    QTest::newRow("fax extension, 8") << "传  真 分机号" << "x" + digits << digits.left(8);
    QTest::newRow("mobile number, 15") << "手  机 号码" << digits << digits.left(15);
    QTest::newRow("e-mail, 45") << "E-mail" << "a " + letters << "a" + letters.left(44);
    QTest::newRow("description, 250") << "描述" << "d " + letters << "d" + letters.left(249);
    QTest::newRow("second phone extension, 8") << "电   话2 分机号" << digits << digits.left(8);
    QTest::newRow("second mobile prefix, 5") << "手   机2 区号" << digits << digits.left(5);
    QTest::newRow("home address, 200") << "家庭地址" << "h " + letters << "h" + letters.left(199);
    QTest::newRow("postcode, 10") << "邮编" << "p" + digits << digits.left(10);
}

void TestEditCustomer::keyFiltersAndLimits()
{
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QVERIFY(customers().moveTo(kWang));
    QCOMPARE(forms::typedInto("Tedit_lianxiren", caption, typed), shown);
}

void TestEditCustomer::listButtonsOpenTheEditor_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("list");
    QTest::newRow("department") << "部门菜单" << "vx1";
    QTest::newRow("job title") << "职务菜单" << "vx2";
}

void TestEditCustomer::listButtonsOpenTheEditor()
{
    QFETCH(QString, button);
    QFETCH(QString, list);
    drive(kLi, [&] {
        QString panel;
        QString title;
        auto look = [&](QDialog *modal) {
            if (auto *editor = qobject_cast<PickListEditor *>(modal)) {
                panel = editor->visibleList();
                title = editor->windowTitle();
            }
        };
        const testing::Opened opened = testing::runModal([&] { testing::click(window(), button); }, look);
        QCOMPARE(opened.window, ui::Windows::find("Tlist_suoshu"));
        QCOMPARE(panel, list);
        QCOMPARE(title, button);
    });
}

QTEST_MAIN(TestEditCustomer)
#include "test_edit_customer.moc"
