// The new-employee and edit-employee windows, opened from the employee list
// as a user opens them, over a fresh installation.
#include "DbNavigator.h"
#include "Driving.h"
#include "EmployeeRows.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "PickListEditor.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "WindowNames.h"
#include "Windows.h"
#include "employees/TFrame_worker.h"

#include <QDateEdit>
#include <QLabel>
#include <QTest>
#include <QToolButton>

namespace {

const QString kRequired = QStringLiteral("请将标有*号项填写完整");

template <typename T = QWidget> T *named(QWidget *w, const QString &name)
{
    return w->findChild<T *>(name);
}

} // namespace

class TestEmployeeForms : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void savedWithOnlyTheRequiredFields();
    void requiredFieldsAreTestedInOrder_data();
    void requiredFieldsAreTestedInOrder();
    void keepsItsTextsAndChoicesBetweenUses();
    void keysTheFieldsTake();
    void listButtonsOpenTheirLists_data();
    void listButtonsOpenTheirLists();
    void editPostsWhatWasTyped();
    void leavingTheEditWithoutPostDropsTheTyping_data();
    void leavingTheEditWithoutPostDropsTheTyping();

private:
    TFrame_worker &view() const { return *ui::Windows::get<TFrame_worker>(ui::names::Frame_worker1); }
    data::StandingQuery &employees() const { return m_program->data().utm1_all(); }
    testing::Opened fromList(const char *command, const std::function<void(QDialog *)> &steps);
    // Fills the four required fields of the new window, but the one captioned `except`.
    void fillRequired(QDialog *w, const QString &except = {});

    std::unique_ptr<testing::Program> m_program;
};

void TestEmployeeForms::init()
{
    m_program = std::make_unique<testing::Program>();
    m_program->insert("atc1", {{"a1", "客户"}});
    for (const char *state : {"在职", "离职"})
        m_program->insert("vx17", {{"mc1", state}});
    m_program->insert("vx18", {{"mc1", "销售部"}});
    m_program->insert("vx19", {{"mc1", "经理"}});
    m_program->reload();
    QTest::mouseClick(m_program->main().navigationButton("员 工"), Qt::LeftButton);
    QCOMPARE(m_program->main().currentView(), &view());
}

void TestEmployeeForms::cleanup()
{
    m_program.reset();
}

testing::Opened TestEmployeeForms::fromList(const char *command, const std::function<void(QDialog *)> &steps)
{
    return testing::runModal([&] { testing::click(&view(), command); }, steps);
}

void TestEmployeeForms::fillRequired(QDialog *w, const QString &except)
{
    if (except != u"中文名:")
        testing::typeInto(testing::field(w, "中文名:"), "张三");
    if (except == u"性  别:")
        testing::retype(testing::field(w, "性  别:"), QString());
    if (except != u"身份证号:")
        testing::typeInto(testing::field(w, "身份证号:"), "110101");
    if (except != u"状  态:")
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "状  态:"), "在职"));
}

// The first use with the marked fields alone stores 男, today's date twice
// and empty text elsewhere, and the list shows the new employee.
void TestEmployeeForms::savedWithOnlyTheRequiredFields()
{
    const testing::Opened opened = fromList("新员工", [&](QDialog *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("创建新员工"));
        // A red "*" on the line of each marked field, and of no other.
        int marks = 0;
        for (QLabel *label : w->findChildren<QLabel *>())
            marks += label->text() == "*" ? 1 : 0;
        QCOMPARE(marks, 4);
        for (const char *caption : {"中文名:", "性  别:", "身份证号:", "状  态:"}) {
            QWidget *field = testing::field(w, caption);
            bool marked = false;
            for (QLabel *label : field->parentWidget()->findChildren<QLabel *>())
                marked |= label->text() == "*" && label->styleSheet().contains("red") && label->isVisible()
                          && std::abs(label->geometry().center().y() - field->geometry().center().y()) < 4;
            QVERIFY2(marked, caption);
        }
        fillRequired(w);
        testing::click(w, "确 定");
        QVERIFY(!w->isVisible());
    });
    QVERIFY(opened);
    QCOMPARE(testing::storedEmployees(*m_program),
             QStringList{testing::employeeLine({{"u1", "张三"}, {"u8", "110101"}, {"u19", "在职"}, {"u20", "男"},
                                                {"u17", testing::today()}, {"u18", testing::today()}})});
    QVERIFY(m_program->messages().isEmpty());
    QCOMPARE(employees().count(), 1);
    QCOMPARE(employees().field("u1"), QStringLiteral("张三"));
}

void TestEmployeeForms::requiredFieldsAreTestedInOrder_data()
{
    QTest::addColumn<QString>("emptied");
    QTest::newRow("中文名") << "中文名:";
    QTest::newRow("性别 cleared") << "性  别:";
    QTest::newRow("身份证号") << "身份证号:";
    QTest::newRow("状态") << "状  态:";
}

// Any marked field left empty: the warning, nothing written, the window open.
void TestEmployeeForms::requiredFieldsAreTestedInOrder()
{
    QFETCH(QString, emptied);
    QVERIFY(fromList("新员工", [&](QDialog *w) {
        fillRequired(w, emptied);
        QCOMPARE(testing::shownText(testing::field(w, emptied)), QString());
        testing::click(w, "确 定");
        QVERIFY(w->isVisible());
        QCOMPARE(ui::MessageBox::shown().size(), 1);
        QCOMPARE(ui::MessageBox::shown().first().kind, ui::MessageBox::Kind::Warning);
        QCOMPARE(ui::MessageBox::shown().first().text, kRequired);
        testing::click(w, "取 消");
    }));
    QCOMPARE(m_program->install().countMain("utm1"), 0);
}

// Whatever was typed and chosen stays for the next use, saved or cancelled;
// only the dates are today's again. Saving at once stores the same employee
// again, and a date chosen in its picker is stored as shown.
void TestEmployeeForms::keepsItsTextsAndChoicesBetweenUses()
{
    const std::map<QString, QString> typed{
        {"英文名:", "Zhang San"}, {"民  族:", "汉"},     {"学    历:", "本科"},      {"毕业学校:", "北大"},
        {"所学专业:", "计算机"},  {"工作年限:", "5"},    {"籍    贯:", "北京"},      {"居住地:", "北京路 1 号"},
        {"邮 编:", "100000"},      {"电  话:", "010-1234"}, {"手 机:", "13800001111"}, {"E-mail:", "z@x.cn"},
        {"备注", "第一行\n第 二 行"}};
    QVERIFY(fromList("新员工", [&](QDialog *w) {
        fillRequired(w);
        for (const auto &[caption, text] : typed)
            testing::typeInto(testing::field(w, caption), text);
        testing::retype(testing::field(w, "性  别:"), "保密");
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "部  门:"), "销售部"));
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "职  务:"), "经理"));
        testing::field<QDateEdit>(w, "入司时间:")->setDate(QDate(2020, 1, 2));
        testing::click(w, "确 定");
    }));
    for (int use = 0; use < 2; ++use) {
        QVERIFY(fromList("新员工", [&](QDialog *w) {
            for (const auto &[caption, text] : typed)
                QCOMPARE(testing::shownText(testing::field(w, caption)), text);
            QCOMPARE(testing::shownText(testing::field(w, "性  别:")), QStringLiteral("保密"));
            QCOMPARE(testing::shownText(testing::field(w, "状  态:")), QStringLiteral("在职"));
            QCOMPARE(testing::shownText(testing::field(w, "职  务:")), QStringLiteral("经理"));
            QCOMPARE(testing::field<QDateEdit>(w, "入司时间:")->date(), QDate::currentDate());
            QCOMPARE(testing::field<QDateEdit>(w, "转正时间:")->date(), QDate::currentDate());
            testing::click(w, "确 定");
        }));
    }
    std::map<QString, QString> line{{"u1", "张三"},       {"u2", "Zhang San"}, {"u4", "经理"},       {"u5", "销售部"},
                                    {"u6", "汉"},         {"u7", "北京"},      {"u8", "110101"},     {"u9", "本科"},
                                    {"u10", "北大"},      {"u11", "计算机"},   {"u12", "5"},         {"u13", "北京路 1 号"},
                                    {"u14", "100000"},    {"u15", "010-1234"}, {"u16", "13800001111"}, {"u17", "2020-01-02"},
                                    {"u18", testing::today()}, {"u19", "在职"}, {"u20", "保密"},     {"u21", "第一行\n第 二 行"},
                                    {"u22", "z@x.cn"}};
    const QString first = testing::employeeLine(line);
    line["u17"] = testing::today();
    const QString again = testing::employeeLine(line);
    QCOMPARE(testing::storedEmployees(*m_program), (QStringList{first, again, again}));
}

// E-mail takes no blank in the new window, and does in the edit window;
// the remarks take blanks in both.
void TestEmployeeForms::keysTheFieldsTake()
{
    QVERIFY(fromList("新员工", [&](QDialog *w) {
        fillRequired(w);
        testing::typeInto(testing::field(w, "E-mail:"), "a b@c.cn");
        testing::typeInto(testing::field(w, "备注"), "x y");
        QCOMPARE(testing::shownText(testing::field(w, "E-mail:")), QStringLiteral("ab@c.cn"));
        QCOMPARE(testing::shownText(testing::field(w, "备注")), QStringLiteral("x y"));
        testing::click(w, "确 定");
    }));
    QVERIFY(fromList("编 辑", [&](QDialog *w) {
        testing::typeInto(testing::field(w, "E-mail:"), " d");
        QCOMPARE(testing::shownText(testing::field(w, "E-mail:")), QStringLiteral("ab@c.cn d"));
        testing::click(w, "取 消");
    }));
}

void TestEmployeeForms::listButtonsOpenTheirLists_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("field");
    QTest::newRow("状态") << "vx17" << "员工状态菜单" << "状  态:";
    QTest::newRow("部门") << "vx18" << "员工部门菜单" << "部  门:";
    QTest::newRow("职务") << "vx19" << "员工职务菜单" << "职  务:";
}

// Beside each drop-down of both windows, the employee list editor on that
// list alone; an entry posted there is offered at once.
void TestEmployeeForms::listButtonsOpenTheirLists()
{
    QFETCH(QString, list);
    QFETCH(QString, caption);
    QFETCH(QString, field);
    m_program->insert("utm1", testing::employee({{"u1", "李四"}, {"u19", "在职"}}));
    employees().reopen();
    int entry = 0;
    for (const char *window : {"新员工", "编 辑"}) {
        const QString added = QStringLiteral("新条目%1").arg(++entry);
        QVERIFY(fromList(window, [&](QDialog *w) {
            auto *edit = named<QToolButton>(w, list + "Edit");
            QVERIFY(edit);
            const testing::Opened editor = testing::runModal([&] { edit->click(); }, [&](QDialog *e) {
                QCOMPARE(e->windowTitle(), caption);
                QCOMPARE(static_cast<PickListEditor *>(e)->visibleList(), list);
                m_program->insert(list, {{"mc1", added}});
                m_program->data().query(list).reopen();
            });
            QCOMPARE(editor.className(), QStringLiteral("Tlist_user"));
            QVERIFY(testing::field<QComboBox>(w, field)->findText(added) >= 0);
            testing::click(w, "取 消");
        }));
    }
}

// The tick waits for a change; it stores what the fields hold, a date as
// any text typed, and closes the window.
void TestEmployeeForms::editPostsWhatWasTyped()
{
    m_program->insert("utm1", testing::employee({{"u1", "李四"}, {"u19", "在职"}, {"u20", "女"}, {"u17", "2008-02-18"}}));
    m_program->insert("utm1", testing::employee({{"u1", "王五"}, {"u19", "在职"}, {"u20", "男"}}));
    testing::click(&view(), "刷 新");
    testing::clickRow(view().grid(), 1); // 李四
    QVERIFY(fromList("编 辑", [&](QDialog *w) {
        QCOMPARE(w->windowTitle(), QStringLiteral("编辑员工资料"));
        QAbstractButton *tick = testing::button(w, "保存");
        QVERIFY(!tick->isEnabled());
        QCOMPARE(testing::shownText(testing::field(w, "入司时间:")), QStringLiteral("2008-02-18"));
        for (QLabel *label : w->findChildren<QLabel *>())
            QVERIFY(label->text() != "*" || !label->isVisible());
        testing::retype(testing::field(w, "入司时间:"), "明年春天");
        QVERIFY(tick->isEnabled());
        // The cursor starts in the name, all of it selected: typed text replaces it, after End adds to it.
        QTest::keyClick(testing::field(w, "中文名:"), Qt::Key_End);
        testing::typeInto(testing::field(w, "中文名:"), "改");
        testing::retype(testing::field(w, "性  别:"), "男");
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "状  态:"), "离职"));
        testing::typeInto(testing::field(w, "备注"), "调 岗");
        tick->click();
        QVERIFY(!w->isVisible());
    }));
    QCOMPARE(m_program->install().columnMain("select u1||'|'||u17||'|'||u20||'|'||u19||'|'||u21 from utm1 order by uid"),
             (QStringList{"李四改|明年春天|男|离职|调 岗", "王五||男|在职|"}));
}

void TestEmployeeForms::leavingTheEditWithoutPostDropsTheTyping_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("取 消") << "取 消";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape") << "escape";
}

// What was typed and not posted is dropped: moving to another employee
// afterwards writes nothing, and the window shows the stored values again.
void TestEmployeeForms::leavingTheEditWithoutPostDropsTheTyping()
{
    QFETCH(QString, how);
    m_program->insert("utm1", testing::employee({{"u1", "李四"}, {"u19", "在职"}, {"u20", "女"}}));
    m_program->insert("utm1", testing::employee({{"u1", "王五"}, {"u19", "在职"}, {"u20", "男"}}));
    testing::click(&view(), "刷 新");
    testing::clickRow(view().grid(), 1); // 李四
    QVERIFY(fromList("编 辑", [&](QDialog *w) {
        testing::typeInto(testing::field(w, "中文名:"), "改");
        testing::retype(testing::field(w, "入司时间:"), "2030-01-01");
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "状  态:"), "离职"));
        if (how == u"取 消")
            testing::click(w, "取 消");
        else if (how == u"close")
            w->close();
        else
            QTest::keyClick(testing::field(w, "英文名:"), Qt::Key_Escape);
        QVERIFY(!w->isVisible());
    }));
    QCOMPARE(employees().state(), data::StandingQuery::State::Browse);
    testing::clickRow(view().grid(), 0);
    testing::clickRow(view().grid(), 1);
    QVERIFY(m_program->messages().isEmpty());
    QCOMPARE(m_program->install().columnMain("select u1||'|'||u17||'|'||u19 from utm1 order by uid"),
             (QStringList{"李四||在职", "王五||在职"}));
    QVERIFY(fromList("编 辑", [&](QDialog *w) {
        QCOMPARE(testing::shownText(testing::field(w, "中文名:")), QStringLiteral("李四"));
        QCOMPARE(testing::shownText(testing::field(w, "状  态:")), QStringLiteral("在职"));
        testing::click(w, "取 消");
    }));
}

QTEST_MAIN(TestEmployeeForms)
#include "test_employee_forms.moc"
