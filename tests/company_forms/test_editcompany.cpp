#include "CompanyFixture.h"

#include <QAbstractButton>

using namespace companies_test;
using ui::MessageBox;

namespace {

const QString kEdit = QStringLiteral("Tedit_gongsi");
const QString kPost = QStringLiteral("保存");

// Two companies: Beta (cid 2) is listed first, Alpha (cid 1) second.
const QStringList kAlpha{"Alpha", "alpha", "A", "AddrA", "100001", "www.alpha.cn", "客户", "ProdA", "制造",
                         "大型", "111111", "222222", "DescA", "010", "020", "11", "2"};
const QStringList kBeta{"Beta", "beta", "B", "AddrB", "200002", "www.beta.cn", "伙伴", "ProdB", "零售",
                        "小型", "333333", "444444", "DescB", "021", "022", "22", "3"};
constexpr int kAlphaRow = 1;

// The captions of the window and the columns their fields show (c1..c17 index - 1).
const QList<std::pair<const char *, int>> kFields{
    {"公司名称:", 0}, {"英文名称:", 1}, {"简称:", 2},     {"地    址:", 3},  {"邮编:", 4},     {"网    站:", 5},
    {"关    系:", 6}, {"产    品:", 7}, {"所属行业:", 8}, {"销售规模:", 9},  {"总机号码", 10}, {"传真号码", 11},
    {"描述", 12},     {"总机区号", 13}, {"传真区号", 14}, {"分机号", 15},     {"评    级:", 16},
};

QAbstractButton *postButton(QWidget *window)
{
    return testing::button(window, kPost);
}

} // namespace

class TestEditCompany : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showsTheCurrentCompany();
    void postWritesAndCloses_data();
    void postWritesAndCloses();
    void refusedPostKeepsWindowOpen();
    void leavingDropsUnpostedChanges_data();
    void leavingDropsUnpostedChanges();

private:
    TData_in &data() const { return m_fixture->data(); }
    std::unique_ptr<Fixture> m_fixture;
};

void TestEditCompany::init()
{
    m_fixture = std::make_unique<Fixture>();
    for (const QStringList &company : {kAlpha, kBeta}) {
        testing::Row row;
        for (int c = 0; c < company.size(); ++c)
            row.emplace_back(QStringLiteral("c%1").arg(c + 1), company[c]);
        m_fixture->insert("atc2", row);
    }
    m_fixture->reload();
    QVERIFY(data().atc2_all().moveTo(kAlphaRow));
}

void TestEditCompany::cleanup()
{
    m_fixture.reset();
}

void TestEditCompany::showsTheCurrentCompany()
{
    QVERIFY(testing::runModal(kEdit, [&](QDialog *w) {
        for (const auto &[caption, column] : kFields)
            QCOMPARE(testing::shownText(testing::field(w, caption)), kAlpha.at(column));
        QVERIFY(lineEdit(w, "公司名称:")->isReadOnly());
        QVERIFY(!postButton(w)->isEnabled());
        testing::click(w, "取消");
    }));
    QCOMPARE(m_fixture->company("1"), kAlpha);
}

void TestEditCompany::postWritesAndCloses_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("action"); // "append", "retype" or "choose"
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("column");     // c1..c17 index - 1
    QTest::addColumn<QString>("stored");

    QTest::newRow("English name") << "英文名称:" << "append" << " Inc." << 1 << "alpha Inc.";
    QTest::newRow("description") << "描述" << "append" << " and more" << 12 << "DescA and more";
    QTest::newRow("area code emptied") << "总机区号" << "retype" << "" << 13 << "";
    QTest::newRow("industry") << "所属行业:" << "choose" << "零售" << 8 << "零售";
    QTest::newRow("rating from the list") << "评    级:" << "choose" << "5" << 16 << "5";
    QTest::newRow("rating typed, outside 1 to 5") << "评    级:" << "retype" << "7" << 16 << "7";
}

// Post is offered once something changed; it writes the row and closes the
// window, leaving the company list as it was.
void TestEditCompany::postWritesAndCloses()
{
    QFETCH(QString, caption);
    QFETCH(QString, action);
    QFETCH(QString, text);
    QFETCH(int, column);
    QFETCH(QString, stored);
    const QString listText = data().atc2_all().text();

    QVERIFY(testing::runModal(kEdit, [&](QDialog *w) {
        QAbstractButton *post = postButton(w);
        QVERIFY(!post->isEnabled());
        QWidget *f = testing::field(w, caption);
        if (action == "append") {
            QTest::keyClick(f, Qt::Key_End, Qt::ControlModifier);
            QTest::keyClicks(f, text);
        } else if (action == "retype") {
            testing::retype(f, text);
        } else {
            QVERIFY(testing::choose(qobject_cast<QComboBox *>(f), text));
        }
        QVERIFY(post->isEnabled());
        QTest::mouseClick(post, Qt::LeftButton);
        QVERIFY(!w->isVisible());
    }));

    QStringList expected = kAlpha;
    expected[column] = stored;
    QCOMPARE(m_fixture->company("1"), expected);
    QCOMPARE(m_fixture->company("2"), kBeta);
    data::StandingQuery &companies = data().atc2_all();
    QCOMPARE(companies.state(), data::StandingQuery::State::Browse);
    QCOMPARE(companies.text(), listText);
    QCOMPARE(companies.currentRow(), kAlphaRow);
    QCOMPARE(companies.field(QStringLiteral("c%1").arg(column + 1)), stored);
    QVERIFY(MessageBox::shown().isEmpty());
}

void TestEditCompany::refusedPostKeepsWindowOpen()
{
    m_fixture->execute("create trigger refuse before update on atc2 begin select raise(abort, 'company is locked'); end");

    QVERIFY(testing::runModal(kEdit, [&](QDialog *w) {
        QTest::keyClicks(testing::field(w, "产    品:"), "X");
        QTest::mouseClick(postButton(w), Qt::LeftButton);
        QVERIFY(w->isVisible());
        QVERIFY(postButton(w)->isEnabled());
        QCOMPARE(lineEdit(w, "产    品:")->text(), QStringLiteral("ProdAX"));
        testing::click(w, "取消");
    }));
    QCOMPARE(MessageBox::shown().size(), 1);
    QCOMPARE(MessageBox::shown().first().kind, MessageBox::Kind::Error);
    QVERIFY2(MessageBox::lastText().contains("company is locked"), qPrintable(MessageBox::lastText()));
    QCOMPARE(m_fixture->company("1"), kAlpha);
}

void TestEditCompany::leavingDropsUnpostedChanges_data()
{
    QTest::addColumn<QString>("leave");
    QTest::newRow("取消") << "取消";
    QTest::newRow("close box") << "close";
    QTest::newRow("Escape") << "Escape";
}

// What was typed and not posted is gone once the window is left: it is not
// written when the list later moves to another company, and the window shows
// the stored values when it opens again.
void TestEditCompany::leavingDropsUnpostedChanges()
{
    QFETCH(QString, leave);

    QVERIFY(testing::runModal(kEdit, [&](QDialog *w) {
        QTest::keyClicks(testing::field(w, "地    址:"), "Changed");
        testing::retype(testing::field(w, "评    级:"), "9");
        QVERIFY(testing::choose(testing::field<QComboBox>(w, "关    系:"), "伙伴"));
        if (leave == "close")
            QVERIFY(w->close());
        else if (leave == "Escape")
            QTest::keyClick(testing::field(w, "地    址:"), Qt::Key_Escape);
        else
            testing::click(w, leave);
        QVERIFY(!w->isVisible());
    }));

    data::StandingQuery &companies = data().atc2_all();
    QCOMPARE(companies.state(), data::StandingQuery::State::Browse);
    QCOMPARE(companies.field("c4"), kAlpha.at(3));
    QVERIFY(companies.moveTo(0));
    QVERIFY(companies.moveTo(kAlphaRow));
    QCOMPARE(m_fixture->company("1"), kAlpha);

    QVERIFY(testing::runModal(kEdit, [&](QDialog *w) {
        QCOMPARE(lineEdit(w, "地    址:")->text(), kAlpha.at(3));
        QCOMPARE(testing::shownText(testing::field(w, "评    级:")), kAlpha.at(16));
        QCOMPARE(testing::shownText(testing::field(w, "关    系:")), kAlpha.at(6));
        QVERIFY(!postButton(w)->isEnabled());
        testing::click(w, "取消");
    }));
}

QTEST_MAIN(TestEditCompany)
#include "test_editcompany.moc"
