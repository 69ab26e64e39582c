// Where the cursor is in the program's windows: in the first field when one
// opens, from field to field in the order of the layout on Tab, and in the
// first empty required field after the warning, whose empty pick list says
// how entries are added.
#include "Driving.h"
#include "HandOver.h"
#include "MessageBox.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTabBar>
#include <QTest>

namespace {

enum class Opening { Plain, ForRow, ForCustomer };

// What names a widget for its user: a button's text, the caption beside a
// field or its accessible name; "tabs" for a tab bar.
QString spoken(QWidget *w)
{
    if (!w)
        return QStringLiteral("(none)");
    if (qobject_cast<QTabBar *>(w))
        return QStringLiteral("tabs");
    // The line of an editable drop-down is the drop-down.
    if (QWidget *owner = w->parentWidget(); owner && owner->focusProxy() == w)
        w = owner;
    if (const auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    for (const QLabel *label : w->window()->findChildren<QLabel *>()) {
        if (label->buddy() == w)
            return label->text();
    }
    return w->accessibleName().isEmpty() ? w->objectName() : w->accessibleName();
}

// The widgets Tab goes to from the first, once round the window. A date
// picker takes Tab from part to part of its date before it lets go.
QStringList tabRound(QDialog *window)
{
    QStringList seen;
    QWidget *first = window->focusWidget();
    QWidget *at = first;
    while (seen.size() < 40) {
        seen << spoken(at);
        QWidget *next = at;
        for (int press = 0; press < 4 && next == at; ++press) {
            QTest::keyClick(at, Qt::Key_Tab);
            next = window->focusWidget();
        }
        if (next == first)
            break;
        if (next == at) {
            seen << QStringLiteral("(stuck)");
            break;
        }
        at = next;
    }
    return seen;
}

// One thing a user does before 确定: {"type", caption, text}.
using Steps = QList<QStringList>;

} // namespace

Q_DECLARE_METATYPE(Opening)

class TestWindowFocus : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cursorStartsInTheFirstField_data();
    void cursorStartsInTheFirstField();
    void tabFollowsTheLayout_data();
    void tabFollowsTheLayout();
    void cursorGoesToTheFirstEmptyRequiredField_data();
    void cursorGoesToTheFirstEmptyRequiredField();

private:
    testing::Opened open(const QString &window, Opening opening, const std::function<void(QDialog *)> &steps);

    std::unique_ptr<testing::Program> m_program;
};

void TestWindowFocus::init()
{
    m_program = std::make_unique<testing::Program>();
    m_program->insert("atc1", {{"a1", "张三"}, {"a2", "Zhang"}, {"a12", "先生"}});
    m_program->insert("vtv1", {{"e2", "1"}, {"e3", "2026-03-01 09:00"}, {"e5", "拜访"}, {"e11", "张三"}, {"e15", "正常"}});
    m_program->insert("vtv2", {{"h1", "1"}, {"h2", "打印机"}, {"h9", "初期沟通"}, {"h12", "张三"}});
    m_program->insert("vtv4", {{"o1", "打印机"}, {"o9", "说明"}});
    m_program->insert("utm1", {{"u1", "李四"}, {"u21", "备注"}});
    m_program->reload();
}

void TestWindowFocus::cleanup()
{
    m_program.reset();
}

testing::Opened TestWindowFocus::open(const QString &window, Opening opening,
                                      const std::function<void(QDialog *)> &steps)
{
    TData_in &data = m_program->data();
    if (opening == Opening::ForRow) {
        const std::map<QString, data::StandingQuery *> rows{{"Tover_sell", &data.vtv1_all()},
                                                            {"Tover_fenxi", &data.vtv2_all()},
                                                            {"Tover_chanpin", &data.vtv4_all()},
                                                            {"Tover_user", &data.utm1_all()}};
        return testing::runModal([&] { ui::openForRow(window, *rows.at(window)); }, steps);
    }
    if (opening == Opening::ForCustomer) {
        const ui::CustomerRef customer{"1", "张三", "Zhang", "先生"};
        return testing::runModal([&] { ui::openForCustomer(window, customer); }, steps);
    }
    return testing::runModal(window, steps);
}

void TestWindowFocus::cursorStartsInTheFirstField_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Opening>("opening");
    QTest::addColumn<QString>("first");

    QTest::newRow("new product") << "Tnew_chanpin" << Opening::Plain << "名 称:";
    QTest::newRow("edit product") << "Tedit_chanpin" << Opening::Plain << "名 称:";
    QTest::newRow("product details") << "Tover_chanpin" << Opening::ForRow << "描述";
    QTest::newRow("new employee") << "Tnew_user" << Opening::Plain << "中文名:";
    QTest::newRow("edit employee") << "Tedit_worker" << Opening::Plain << "中文名:";
    QTest::newRow("employee details") << "Tover_user" << Opening::ForRow << "备注";
    QTest::newRow("new analysis") << "Tnew_fenxi" << Opening::ForCustomer << "目标产品";
    QTest::newRow("follow-up") << "Tover_fenxi" << Opening::ForRow << "更新:";
    QTest::newRow("new activity") << "Tnew_sell" << Opening::ForCustomer << "沟通";
    // Nothing to fill in: the button that does the window's work.
    QTest::newRow("end activity") << "Tover_sell" << Opening::ForRow << "结束";
    QTest::newRow("activity search") << "Tfind_jihua" << Opening::Plain << "沟通";
    QTest::newRow("analysis search") << "Tfind_fenxi" << Opening::Plain << "客户名(中文):";
}

// Every opening, the second too, puts the cursor there, never on the tab bar.
void TestWindowFocus::cursorStartsInTheFirstField()
{
    QFETCH(QString, window);
    QFETCH(Opening, opening);
    QFETCH(QString, first);
    for (int opened = 0; opened < 2; ++opened) {
        QVERIFY(open(window, opening, [&](QDialog *w) {
            QCOMPARE(spoken(w->focusWidget()), first);
            if (opened == 0) {
                // Somewhere else when it is left: the next opening starts afresh.
                QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
            }
            w->close();
        }));
    }
}

void TestWindowFocus::tabFollowsTheLayout_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Opening>("opening");
    QTest::addColumn<QStringList>("round");

    QTest::newRow("new analysis") << "Tnew_fenxi" << Opening::ForCustomer
                                  << QStringList{"目标产品", "数量",    "预计签单日期", "单价", "概率", "总计",
                                                 "销售类型", "销售进程", "确定",         "取消", "tabs"};
    QTest::newRow("follow-up") << "Tover_fenxi" << Opening::ForRow << QStringList{"更新:", "跟进", "取消", "tabs"};
    QTest::newRow("new activity") << "Tnew_sell" << Opening::ForCustomer
                                  << QStringList{"沟通",   "优 先 级:", "持续时间:", "日 期:", "时 间:",
                                                 "目 标:", "确定",      "取消",      "tabs"};
    QTest::newRow("end activity") << "Tover_sell" << Opening::ForRow << QStringList{"结束", "取消", "tabs"};
    QTest::newRow("activity search") << "Tfind_jihua" << Opening::Plain
                                     << QStringList{"沟通", "客户名(中文):", "客户名(英文):", "日 期:",
                                                    "优 先 级:", "持续时间:", "搜 索"};
    QTest::newRow("analysis search") << "Tfind_fenxi" << Opening::Plain
                                     << QStringList{"客户名(中文):", "客户名(英文):", "目标产品", "数量",
                                                    "预计签单日期",  "单价",          "概率",     "总计",
                                                    "销售类型",      "主要竞争对手:", "销售进程", "搜 索"};
}

// Line by line from the top, left to right along a line, each group box
// through before the next; the buttons, then the tab bar, then round again.
// A set of choice buttons is one stop: its chosen button, or its first.
void TestWindowFocus::tabFollowsTheLayout()
{
    QFETCH(QString, window);
    QFETCH(Opening, opening);
    QFETCH(QStringList, round);
    QVERIFY(open(window, opening, [&](QDialog *w) {
        QCOMPARE(tabRound(w), round);
        w->close();
    }));
}

void TestWindowFocus::cursorGoesToTheFirstEmptyRequiredField_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("field");       // where the cursor is afterwards
    QTest::addColumn<QString>("placeholder"); // what the empty drop-down says there

    const QString required = QStringLiteral("请将标有*号项填写完整");
    QTest::newRow("new product, nothing") << "Tnew_chanpin" << Steps{} << required << "名 称:" << "";
    QTest::newRow("new product, a name") << "Tnew_chanpin" << Steps{{"type", "名 称:", "墨盒"}} << required << "状 态:"
                                         << "用“...”添加";
    QTest::newRow("new employee, nothing") << "Tnew_user" << Steps{} << required << "中文名:" << "";
    QTest::newRow("new employee, name and ID")
        << "Tnew_user" << Steps{{"type", "中文名:", "王五"}, {"type", "身份证号:", "110101"}} << required << "状  态:"
        << "用“...”添加";
    QTest::newRow("new customer, nothing") << "Tnew_lianxiren" << Steps{} << required << "中文名" << "";
    QTest::newRow("new customer, name and phone")
        << "Tnew_lianxiren" << Steps{{"type", "中文名", "王五"}, {"type", "电  话 号码", "5550100"}} << required
        << "公  司" << "用“+”添加";
    QTest::newRow("new company, a name") << "Tnew_gongsi" << Steps{{"type", "公司名称:", "Huaxing"}} << required
                                         << "总机号码" << "";
    QTest::newRow("new analysis, nothing") << "Tnew_fenxi" << Steps{} << "请选定目标产品,并设定销售进程" << "目标产品"
                                           << "用“...”添加";
}

// The one warning, then the cursor in the first required field left empty;
// an empty drop-down there says that its entries are added with the button
// beside it. Nothing is written.
void TestWindowFocus::cursorGoesToTheFirstEmptyRequiredField()
{
    QFETCH(QString, window);
    QFETCH(Steps, steps);
    QFETCH(QString, warning);
    QFETCH(QString, field);
    QFETCH(QString, placeholder);
    // A fresh installation: every list empty.
    m_program.reset();
    m_program = std::make_unique<testing::Program>();

    QVERIFY(testing::runModal(window, [&](QDialog *w) {
        for (const QStringList &step : steps)
            testing::typeInto(testing::field(w, step.at(1)), step.at(2));
        // The product and employee windows space their captions out.
        const bool spaced = window == QLatin1String("Tnew_chanpin") || window == QLatin1String("Tnew_user");
        testing::click(w, spaced ? "确 定" : "确定");
        QVERIFY(w->isVisible());
        QCOMPARE(ui::MessageBox::shown().size(), 1);
        QCOMPARE(ui::MessageBox::lastText(), warning);
        QCOMPARE(spoken(w->focusWidget()), spoken(testing::field(w, field)));
        QCOMPARE(w->focusWidget(), testing::field(w, field));
        if (auto *list = qobject_cast<QComboBox *>(testing::field(w, field)))
            QCOMPARE(list->placeholderText(), placeholder);
        w->close();
    }));
}

QTEST_MAIN(TestWindowFocus)
#include "test_window_focus.moc"
