#include "CompanyFixture.h"

#include "DbGrid.h"
#include "PickListEditor.h"

#include <QRadioButton>

using namespace companies_test;
using ui::MessageBox;

namespace {

const QString kNew = QStringLiteral("Tnew_gongsi");
const QString kRequired = QStringLiteral("请将标有*号项填写完整");
const QString kCompanyMemos = QStringLiteral("select * from vtv3 where j5 like '2' order by jid desc");

// One thing a user does in the window: {"type", caption, text}, {"clear",
// caption}, {"choose", caption, entry}, {"rate", radio caption}.
using Steps = QList<QStringList>;

void perform(QWidget *window, const Steps &steps)
{
    for (const QStringList &step : steps) {
        const QString &what = step.at(0);
        if (what == "rate") {
            testing::click(window, step.at(1));
            continue;
        }
        QWidget *f = testing::field(window, step.at(1));
        QVERIFY2(f, qPrintable(step.at(1)));
        if (what == "type")
            QTest::keyClicks(f, step.at(2));
        else if (what == "clear")
            testing::retype(f, QString());
        else if (what == "choose")
            QVERIFY2(testing::choose(qobject_cast<QComboBox *>(f), step.at(2)), qPrintable(step.at(2)));
    }
}

const Steps kRequiredOnly{{"type", "公司名称:", "Huaxing"}, {"type", "总机号码", "5551234"}};

const Steps kEveryField{
    {"type", "公司名称:", "HuaxingTech"}, {"type", "简称:", "Huaxing"},
    {"type", "英文名称:", "huaxing-tech"}, {"type", "地    址:", "Haidian"},
    {"type", "邮编:", "100080"},           {"type", "网    站:", "www.huaxing.cn"},
    {"clear", "总机区号"},                 {"type", "总机区号", "010"},
    {"type", "总机号码", "62345678"},      {"clear", "传真区号"},
    {"type", "传真区号", "021"},           {"type", "传真号码", "87654321"},
    {"type", "分机号", "808"},             {"choose", "所属行业:", "零售"},
    {"choose", "销售规模:", "小型"},       {"type", "产    品:", "Software"},
    {"choose", "关    系:", "伙伴"},       {"type", "描述", "Longstanding"},
    {"rate", "四"},
};

QLineEdit *hiddenRating(QWidget *window)
{
    return window->findChild<QLineEdit *>(QStringLiteral("Edit12"));
}

// The cell editor the pick-list grid has open.
QLineEdit *openCell(ui::DbGrid *grid)
{
    for (QLineEdit *e : grid->viewport()->findChildren<QLineEdit *>()) {
        if (e->isVisible())
            return e;
    }
    return nullptr;
}

} // namespace

class TestNewCompany : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void savesWhatWasTyped_data();
    void savesWhatWasTyped();
    void requiredFields_data();
    void requiredFields();
    void showsItselfResetEveryTime_data();
    void showsItselfResetEveryTime();
    void savedCompanyComesFirstWithCompanyMemos();
    void refusedInsertKeepsWindowOpen();
    void entryPostedInEditorIsOffered();

private:
    std::unique_ptr<Fixture> m_fixture;
};

void TestNewCompany::init()
{
    m_fixture = std::make_unique<Fixture>();
}

void TestNewCompany::cleanup()
{
    m_fixture.reset();
}

void TestNewCompany::savesWhatWasTyped_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QStringList>("stored"); // c1..c17

    QTest::newRow("name and switchboard number only")
        << kRequiredOnly
        << QStringList{"Huaxing", "", "", "", "", "", "", "", "", "", "5551234", "", "", "0", "0", "", "1"};
    QTest::newRow("area codes emptied") << kRequiredOnly + Steps{{"clear", "总机区号"}, {"clear", "传真区号"}}
                                        << QStringList{"Huaxing", "", "", "", "", "", "", "", "", "",
                                                       "5551234", "", "", "", "", "", "1"};
    QTest::newRow("every field") << kEveryField
                                 << QStringList{"HuaxingTech", "huaxing-tech", "Huaxing", "Haidian", "100080",
                                                "www.huaxing.cn", "伙伴", "Software", "零售", "小型", "62345678",
                                                "87654321", "Longstanding", "010", "021", "808", "4"};
}

void TestNewCompany::savesWhatWasTyped()
{
    QFETCH(Steps, steps);
    QFETCH(QStringList, stored);

    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        perform(w, steps);
        testing::click(w, "确定");
        QVERIFY(!w->isVisible());
    }));
    QVERIFY(MessageBox::shown().isEmpty());
    QCOMPARE(m_fixture->install().countMain("atc2"), 1);
    QCOMPARE(m_fixture->newestCompany(), stored);
}

void TestNewCompany::requiredFields_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("enter"); // Enter in the number field, else a click on 确定
    QTest::addColumn<bool>("refused");

    QTest::newRow("nothing") << "" << "" << false << true;
    QTest::newRow("name only") << "Huaxing" << "" << false << true;
    QTest::newRow("switchboard number only") << "" << "5551234" << false << true;
    QTest::newRow("name only, Enter") << "Huaxing" << "" << true << true;
    QTest::newRow("both") << "Huaxing" << "5551234" << false << false;
    QTest::newRow("both, Enter") << "Huaxing" << "5551234" << true << false;
}

void TestNewCompany::requiredFields()
{
    QFETCH(QString, name);
    QFETCH(QString, number);
    QFETCH(bool, enter);
    QFETCH(bool, refused);

    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        QTest::keyClicks(lineEdit(w, "公司名称:"), name);
        QLineEdit *phone = lineEdit(w, "总机号码");
        QTest::keyClicks(phone, number);
        if (enter)
            QTest::keyClick(phone, Qt::Key_Return);
        else
            testing::click(w, "确定");
        QCOMPARE(w->isVisible(), refused);
        if (refused) {
            // Everything typed is still there.
            QCOMPARE(lineEdit(w, "公司名称:")->text(), name);
            QCOMPARE(phone->text(), number);
            testing::click(w, "取消");
        }
    }));
    QCOMPARE(m_fixture->install().countMain("atc2"), refused ? 0 : 1);
    if (refused) {
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Warning);
        QCOMPARE(MessageBox::lastText(), kRequired);
    } else {
        QVERIFY(MessageBox::shown().isEmpty());
    }
}

void TestNewCompany::showsItselfResetEveryTime_data()
{
    QTest::addColumn<QString>("leave");
    QTest::newRow("取消") << "取消";
    QTest::newRow("close box") << "close";
    QTest::newRow("确定") << "确定";
}

// Whatever was left in the window, the next showing starts afresh.
void TestNewCompany::showsItselfResetEveryTime()
{
    QFETCH(QString, leave);

    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        perform(w, kEveryField);
        QCOMPARE(hiddenRating(w)->text(), QStringLiteral("4"));
        if (leave == "close")
            QVERIFY(w->close());
        else
            testing::click(w, leave);
    }));
    QCOMPARE(m_fixture->install().countMain("atc2"), leave == "确定" ? 1 : 0);

    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        for (const char *caption : {"公司名称:", "简称:", "英文名称:", "地    址:", "邮编:", "网    站:", "总机号码",
                                    "传真号码", "分机号", "产    品:", "描述"})
            QVERIFY2(testing::shownText(testing::field(w, caption)).isEmpty(), caption);
        QCOMPARE(lineEdit(w, "总机区号")->text(), QStringLiteral("0"));
        QCOMPARE(lineEdit(w, "传真区号")->text(), QStringLiteral("0"));
        for (const char *caption : {"所属行业:", "销售规模:", "关    系:"})
            QCOMPARE(testing::field<QComboBox>(w, caption)->currentIndex(), -1);
        QCOMPARE(hiddenRating(w)->text(), QStringLiteral("1"));
        const QStringList ratings{"一", "二", "三", "四", "五"};
        for (const QString &r : ratings)
            QCOMPARE(qobject_cast<QRadioButton *>(testing::button(w, r))->isChecked(), r == ratings.first());
        QVERIFY(!hiddenRating(w)->isVisible());
        testing::click(w, "取消");
    }));
}

// The company list goes back to all companies with the new one first and
// current; the standing memo query then holds the memos of all companies.
void TestNewCompany::savedCompanyComesFirstWithCompanyMemos()
{
    for (const char *name : {"Alpha", "Beta"})
        m_fixture->insert("atc2", {{"c1", name}});
    const testing::Row storedMemos[] = {{{"j5", "1"}, {"j7", "0"}, {"j9", "Wang"}},
                                        {{"j5", "2"}, {"j7", "1"}, {"j9", "Alpha"}},
                                        {{"j5", "2"}, {"j7", "2"}, {"j9", "Beta"}},
                                        {{"j5", "1"}, {"j7", "0"}, {"j9", "Li"}}};
    for (const testing::Row &memo : storedMemos)
        m_fixture->insert("vtv3", memo);
    m_fixture->reload();
    TData_in &data = m_fixture->data();
    data.atc2_all().filter("select * from atc2 where c1 like '%Alpha%' order by cid desc");
    data.vtv3_all().filter("select * from vtv3 where j7 like '0' order by jid desc");

    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        perform(w, {{"type", "公司名称:", "Gamma"}, {"type", "总机号码", "5551234"}});
        testing::click(w, "确定");
    }));

    data::StandingQuery &companies = data.atc2_all();
    QCOMPARE(companies.text(), QStringLiteral("select * from atc2 order by cid DESC"));
    QCOMPARE(companies.count(), 3);
    QCOMPARE(companies.currentRow(), 0);
    QCOMPARE(companies.field("c1"), QStringLiteral("Gamma"));
    QCOMPARE(companies.field("cid"), QStringLiteral("3"));

    data::StandingQuery &memos = data.vtv3_all();
    QCOMPARE(memos.text(), kCompanyMemos);
    QStringList shown;
    for (int row = 0; row < memos.count(); ++row)
        shown << memos.value(row, memos.fieldIndex("j9"));
    QCOMPARE(shown, QStringList({"Beta", "Alpha"}));
}

// The engine's refusal is shown; the window stays open with what was typed
// and nothing is reloaded.
void TestNewCompany::refusedInsertKeepsWindowOpen()
{
    m_fixture->execute("create trigger refuse before insert on atc2 begin select raise(abort, 'no more companies'); end");
    TData_in &data = m_fixture->data();
    const QString search = QStringLiteral("select * from atc2 where c1 like '%Alpha%' order by cid desc");
    data.atc2_all().filter(search);
    const QString memos = data.vtv3_all().text();

    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        perform(w, kRequiredOnly);
        testing::click(w, "确定");
        QVERIFY(w->isVisible());
        QCOMPARE(lineEdit(w, "公司名称:")->text(), QStringLiteral("Huaxing"));
        testing::click(w, "取消");
    }));
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Error);
    QVERIFY2(MessageBox::lastText().contains("no more companies"), qPrintable(MessageBox::lastText()));
    QCOMPARE(data.atc2_all().text(), search);
    QCOMPARE(data.vtv3_all().text(), memos);
    QCOMPARE(m_fixture->install().countMain("atc2"), 0);
}

// An entry added in the editor is offered at once and can be saved.
void TestNewCompany::entryPostedInEditorIsOffered()
{

    QVERIFY(testing::runModal(kNew, [&](QDialog *w) {
        perform(w, kRequiredOnly);
        QVERIFY(testing::runModal([&] { testing::click(w, "关系菜单"); }, [&](QDialog *dialog) {
            auto *editor = qobject_cast<PickListEditor *>(dialog);
            QWidget *panel = editor->panel("vx8");
            testing::click(panel, "添加");
            QLineEdit *cell = nullptr;
            QTRY_VERIFY((cell = openCell(editor->grid("vx8"))));
            QTest::keyClicks(cell, "Supplier");
            testing::click(panel, "确定");
            QVERIFY(editor->close());
        }));
        auto *relation = testing::field<QComboBox>(w, "关    系:");
        QCOMPARE(relation->currentIndex(), -1);
        QVERIFY(testing::choose(relation, "Supplier"));
        testing::click(w, "确定");
    }));
    QCOMPARE(m_fixture->newestCompany().value(6), QStringLiteral("Supplier"));
    QCOMPARE(m_fixture->install().columnLookup("select mc1 from vx8 order by mcid desc").value(0),
             QStringLiteral("Supplier"));
}

QTEST_MAIN(TestNewCompany)
#include "test_newcompany.moc"
