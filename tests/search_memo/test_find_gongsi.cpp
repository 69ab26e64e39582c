// The company search window: fifteen substring conditions over atc2, the
// typed text always literal, the result shown by narrowing atc2_all.
#include "Driving.h"
#include "MessageBox.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "Windows.h"
#include "companies/Tfind_gongsi.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <functional>

using ui::MessageBox;

namespace {

// The searched columns, in the order of the search statement.
const QStringList kSearched{"c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9", "c10", "c11", "c12", "c14", "c15", "c16"};
const QString kNull = QStringLiteral("<null>");

// Every field of the window by its caption, with the column it searches.
const QList<QPair<QString, QString>> kTextFields{
    {"公司名称:", "c1"},     {"简称:", "c3"},          {"英文名称:", "c2"},          {"地    址:", "c4"},
    {"邮编:", "c5"},         {"网    站:", "c6"},      {"总    机:", "c14"},         {"总    机: 电话号码", "c11"},
    {"传    真:", "c15"},    {"传    真: 电话号码", "c12"}, {"传    真: 分机号", "c16"}, {"产    品:", "c8"}};
const QList<QPair<QString, QString>> kLists{{"所属行业:", "c9"}, {"销售规模:", "c10"}, {"关    系:", "c7"}};

} // namespace

class TestFindGongsi : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void emptySearchListsCompaniesNewestFirst();
    void eachFieldSearchesItsColumn_data();
    void eachFieldSearchesItsColumn();
    void areaCodeZeroFindsTheDefault();
    void typedTextIsLiteral_data();
    void typedTextIsLiteral();
    void noMatchLeavesListEmptyAndWindowCleared();
    void mainMenuSearchStartsFromAllCompanies();
    void keyFiltersAndLimits();

private:
    TData_in &data() const { return m_program->data(); }
    Tfind_gongsi *window() const { return ui::Windows::get<Tfind_gongsi>("Tfind_gongsi"); }
    template <typename T = QWidget> T *field(const QString &caption) const
    {
        return testing::field<T>(window(), caption);
    }
    // A company whose searched columns hold the empty text unless given (kNull: no value).
    void addCompany(const QString &name, const QMap<QString, QString> &values = {});
    // Opens the window, runs fill inside it and presses 搜 索; returns the names found, newest first.
    QStringList search(const std::function<void()> &fill);
    QStringList found() const;

    std::unique_ptr<testing::Program> m_program;
};

void TestFindGongsi::init()
{
    m_program = std::make_unique<testing::Program>();
    m_program->insert("vx6", {{"mc1", "制造业"}});
    m_program->insert("vx7", {{"mc1", "百人以上"}});
    m_program->insert("vx8", {{"mc1", "客户"}});
    m_program->reload();
}

void TestFindGongsi::cleanup()
{
    m_program.reset();
}

void TestFindGongsi::addCompany(const QString &name, const QMap<QString, QString> &values)
{
    testing::Row row{{"c1", name}};
    for (const QString &column : kSearched.mid(1)) {
        const QString value = values.value(column, QStringLiteral(""));
        row.emplace_back(column, value == kNull ? QVariant() : QVariant(value));
    }
    m_program->insert("atc2", row);
}

QStringList TestFindGongsi::search(const std::function<void()> &fill)
{
    const testing::Opened opened = testing::runModal("Tfind_gongsi", [&](QDialog *) {
        fill();
        testing::click(window(), QStringLiteral("搜 索"));
    });
    if (!opened.window)
        QTest::qFail("the search window never ran", __FILE__, __LINE__);
    return found();
}

QStringList TestFindGongsi::found() const
{
    const data::StandingQuery &companies = data().atc2_all();
    QStringList names;
    for (int row = 0; row < companies.count(); ++row)
        names << companies.value(row, companies.fieldIndex("c1"));
    return names;
}

// Every company whose searched columns hold a text, newest first; the
// description and the rating are not searched, so their missing values do
// not matter, while a missing value in a searched column does.
void TestFindGongsi::emptySearchListsCompaniesNewestFirst()
{
    addCompany("甲");
    for (const QString &column : kSearched.mid(1))
        addCompany(QStringLiteral("缺") + column, {{column, kNull}});
    addCompany("乙");
    m_program->execute("update atc2 set c13=null, c17=null where c1 in ('甲', '乙')");
    m_program->reload();

    QCOMPARE(search([] {}), (QStringList{"乙", "甲"}));
    QVERIFY(data().atc2_all().text().endsWith("order by cid desc"));
    QVERIFY(MessageBox::shown().isEmpty());
    QVERIFY(!window()->isVisible());
}

void TestFindGongsi::eachFieldSearchesItsColumn_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text"); // typed, or chosen from the list
    QTest::addColumn<QString>("column");

    const QMap<QString, QString> typed{{"c1", "明达"}, {"c3", "明达"}, {"c2", "mingda"}, {"c4", "路"},
                                       {"c5", "2000"}, {"c6", "md.cn"}, {"c14", "21"}, {"c11", "5566"},
                                       {"c15", "10"}, {"c12", "7788"}, {"c16", "801"}, {"c8", "机床"}};
    for (const auto &[caption, column] : kTextFields)
        QTest::newRow(qPrintable(caption)) << caption << typed.value(column) << column;
    const QMap<QString, QString> chosen{{"c9", "制造业"}, {"c10", "百人以上"}, {"c7", "客户"}};
    for (const auto &[caption, column] : kLists)
        QTest::newRow(qPrintable(caption)) << caption << chosen.value(column) << column;
}

// The text of each field is looked for in its own column only: the same
// text in the next searched column does not match.
void TestFindGongsi::eachFieldSearchesItsColumn()
{
    QFETCH(QString, caption);
    QFETCH(QString, text);
    QFETCH(QString, column);
    const QString other = kSearched.at((kSearched.indexOf(column) + 1) % kSearched.size());
    const QString stored = u'x' + text + u'y';
    addCompany(column == "c1" ? stored : QStringLiteral("甲"), {{column, stored}});
    addCompany(other == "c1" ? stored : QStringLiteral("乙"), {{other, stored}});
    addCompany("丙");
    m_program->reload();

    const QStringList names = search([&] {
        QWidget *w = field(caption);
        QVERIFY(w);
        if (auto *combo = qobject_cast<QComboBox *>(w))
            QVERIFY(testing::choose(combo, text));
        else
            testing::typeInto(w, text);
    });
    QCOMPARE(names, QStringList{column == "c1" ? stored : QStringLiteral("甲")});
}

// "0" in an area code finds every area code that holds a zero, the default
// "0" of a new company among them.
void TestFindGongsi::areaCodeZeroFindsTheDefault()
{
    addCompany("默认", {{"c14", "0"}, {"c15", "0"}});
    addCompany("北京", {{"c14", "010"}, {"c15", "010"}});
    addCompany("上海", {{"c14", "21"}, {"c15", "0"}});
    addCompany("空", {});
    m_program->reload();
    QCOMPARE(search([&] { testing::typeInto(field("总    机:"), "0"); }), (QStringList{"北京", "默认"}));
}

void TestFindGongsi::typedTextIsLiteral_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("found");

    QTest::newRow("quote") << "公司名称:" << "o'b" << QStringList{"o'brien"};
    QTest::newRow("lone quote") << "地    址:" << "'" << QStringList{"o'brien"};
    QTest::newRow("percent") << "公司名称:" << "0%" << QStringList{"50%"};
    QTest::newRow("underscore") << "产    品:" << "x_" << QStringList{"x_y"};
    QTest::newRow("backslash") << "简称:" << "\\" << QStringList{"a\\b"};
    QTest::newRow("quoted condition") << "公司名称:" << "'or''='" << QStringList{};
}

// Quotes, wildcards and the escape character typed into a text field match
// themselves; the statement is always valid.
void TestFindGongsi::typedTextIsLiteral()
{
    QFETCH(QString, caption);
    QFETCH(QString, typed);
    QFETCH(QStringList, found);
    for (const QString text : {"o'brien", "50%", "507", "x_y", "xay", "a\\b", "ab"})
        addCompany(text, {{"c3", text}, {"c4", text}, {"c8", text}});
    m_program->reload();

    QCOMPARE(search([&] { testing::typeInto(field(caption), typed); }), found);
    QVERIFY(data().atc2_all().isOpen());
    for (const MessageBox::Shown &box : MessageBox::shown())
        QVERIFY2(box.kind != MessageBox::Kind::Error, qPrintable(box.text));
    QCOMPARE(m_program->install().countMain("atc2"), 7);
}

// No company found: "没有找到记录", the company list empty, and the window,
// opened again, shows every field empty and no choice in the lists.
void TestFindGongsi::noMatchLeavesListEmptyAndWindowCleared()
{
    addCompany("甲");
    m_program->reload();

    const QStringList names = search([&] {
        for (const auto &[caption, column] : kTextFields)
            testing::typeInto(field(caption), "9");
        for (const auto &[caption, column] : kLists)
            QVERIFY(testing::choose(field<QComboBox>(caption), field<QComboBox>(caption)->itemText(0)));
    });
    QVERIFY(names.isEmpty());
    QCOMPARE(MessageBox::lastText(), QStringLiteral("没有找到记录"));
    QCOMPARE(MessageBox::shown().last().kind, MessageBox::Kind::Information);
    QVERIFY(data().atc2_all().isOpen());

    QVERIFY(testing::runModal("Tfind_gongsi", [&](QDialog *) {
        for (const auto &[caption, column] : kTextFields)
            QVERIFY2(field<QLineEdit>(caption)->text().isEmpty(), qPrintable(caption));
        for (const auto &[caption, column] : kLists)
            QCOMPARE(field<QComboBox>(caption)->currentIndex(), -1);
    }));
}

// The main menu's company search reloads the company list and shows the
// company view before the window opens.
void TestFindGongsi::mainMenuSearchStartsFromAllCompanies()
{
    addCompany("甲");
    addCompany("乙");
    data().atc2_all().filter("select * from atc2 where c1 like '甲' order by cid desc");
    QAction *command = m_program->main().menuAction("搜索", "公司信息");
    QVERIFY(command);

    int offered = -1;
    QVERIFY(testing::runModal([&] { command->trigger(); }, [&](QDialog *) {
        offered = data().atc2_all().count();
        testing::click(window(), "搜 索");
    }));
    QCOMPARE(offered, 2);
    QCOMPARE(found(), (QStringList{"乙", "甲"}));
    QCOMPARE(m_program->main().currentView()->objectName(), QStringLiteral("Frame_fenzu1"));
}

// Typed into one window: the key filters and limits of the new-company window.
void TestFindGongsi::keyFiltersAndLimits()
{
    const QString products(300, u'品');
    const struct {
        QString caption, typed, shown;
    } cases[] = {
        {"公司名称:", "明 达 公司", "明达公司"},
        {"简称:", "一二三四五六七八九", "一二三四五六七八"},
        {"英文名称:", "Ming-da 2.X_", "ing-da2"},
        {"网    站:", "www.Md-1.cn", "www.d1.cn"},
        {"邮编:", "20a0 00-123456", "2000012345"},
        {"总    机:", "0a21-3456", "02134"},
        {"传    真: 分机号", "1234567890", "12345678"},
        {"产    品:", products + " x", products + "x"},
    };
    QVERIFY(testing::runModal("Tfind_gongsi", [&](QDialog *) {
        for (const auto &c : cases) {
            auto *edit = field<QLineEdit>(c.caption);
            testing::typeInto(edit, c.typed);
            QVERIFY2(edit->text() == c.shown, qPrintable(c.caption));
        }
    }));
}

QTEST_MAIN(TestFindGongsi)
#include "test_find_gongsi.moc"
