// Whatever a search field holds, a NUL character or a run of 60,000 percent
// signs included, the customer and company searches find the rows that
// contain it, like any other text: no engine error, no emptied list.
#include "Driving.h"
#include "MessageBox.h"
#include "Startup.h"
#include "TData_in.h"
#include "TestSupport.h"
#include "Windows.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using ui::MessageBox;

namespace {

const QString kNul(QChar(0));
const QString kPercents(60000, u'%');

struct Search {
    const char *window;   // instance name
    const char *table;
    const char *nameColumn;
    QStringList searched; // every column the search statement names
};

const Search kCustomers{"Tfind_lianxiren", "atc1", "a1",
                        {"a1", "a2", "a3", "a5", "a7", "a8", "a12", "a13", "a26", "a18", "a19", "a21", "a22", "a24", "a27"}};
const Search kCompanies{"Tfind_gongsi", "atc2", "c1",
                        {"c1", "c2", "c3", "c4", "c5", "c6", "c7", "c8", "c9", "c10", "c11", "c12", "c14", "c15", "c16"}};

// Pastes text into a field, as a user pastes what they copied elsewhere.
void paste(QWidget *field, const QString &text)
{
    if (auto *combo = qobject_cast<QComboBox *>(field))
        field = combo->lineEdit();
    QApplication::clipboard()->setText(text);
    QTest::keySequence(field, QKeySequence::Paste);
}

} // namespace

class TestSearchLiteral : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pastedCriterionIsLiteral_data();
    void pastedCriterionIsLiteral();

private:
    TData_in &data() const { return m_started->data(); }
    // A row with its name and one other searched column; every other
    // searched column holds the empty text.
    void addRow(const Search &search, const QString &name, const QString &column = {}, const QString &value = {});
    QStringList found(const Search &search) const;

    std::unique_ptr<testing::TempInstall> m_install;
    std::unique_ptr<app::Startup> m_started;
};

void TestSearchLiteral::initTestCase()
{
    MessageBox::setTestMode(true);
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestSearchLiteral::init()
{
    m_install = std::make_unique<testing::TempInstall>();
    m_started = std::make_unique<app::Startup>(QDir::current());
    MessageBox::clearShown();
}

void TestSearchLiteral::cleanup()
{
    m_started.reset();
    m_install.reset();
    MessageBox::clearShown();
}

void TestSearchLiteral::addRow(const Search &search, const QString &name, const QString &column, const QString &value)
{
    QStringList parameters;
    data::Params params;
    for (const QString &c : search.searched) {
        parameters << u':' + c;
        params.emplace_back(u':' + c, c == search.nameColumn ? name : c == column ? value : QString());
    }
    data().Con_data().execute(QStringLiteral("insert into %1 (%2) values (%3)")
                                  .arg(QLatin1String(search.table), search.searched.join(u','), parameters.join(u',')),
                              params);
}

QStringList TestSearchLiteral::found(const Search &search) const
{
    const data::StandingQuery &rows = search.table == QLatin1String("atc1") ? data().atc1_all() : data().atc2_all();
    QStringList names;
    for (int row = 0; row < rows.count(); ++row)
        names << rows.value(row, rows.fieldIndex(QLatin1String(search.nameColumn)));
    return names;
}

void TestSearchLiteral::pastedCriterionIsLiteral_data()
{
    QTest::addColumn<bool>("customers"); // else companies
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QStringList>("found"); // newest first

    const QString nul = QStringLiteral("王") + kNul + QStringLiteral("明");
    const QStringList withNul{"x王" + kNul + "明y", nul};
    QTest::newRow("customer name with a NUL") << true << "中文名" << "a1" << nul << withNul;
    QTest::newRow("customer salutation of 60,000 percent signs") << true << "称谓" << "a12" << kPercents << QStringList{"百分"};
    QTest::newRow("company name with a NUL") << false << "公司名称:" << "c1" << nul << withNul;
    QTest::newRow("company products of 60,000 percent signs") << false << "产    品:" << "c8" << kPercents << QStringList{"百分"};
}

void TestSearchLiteral::pastedCriterionIsLiteral()
{
    QFETCH(bool, customers);
    QFETCH(QString, caption);
    QFETCH(QString, column);
    QFETCH(QString, pasted);
    QFETCH(QStringList, found);
    const Search &search = customers ? kCustomers : kCompanies;

    // Rows that hold part of the text, or text like it, and rows that hold all of it.
    addRow(search, QStringLiteral("王") + kNul + QStringLiteral("明"), column, QStringLiteral("50%"));
    addRow(search, QStringLiteral("王"), column, QString(59999, u'%'));
    addRow(search, QStringLiteral("王明"), column, QStringLiteral("%%"));
    addRow(search, QStringLiteral("x王") + kNul + QStringLiteral("明y"), column, QStringLiteral("%"));
    addRow(search, QStringLiteral("百分"), column, u'x' + kPercents + u'x');
    addRow(search, QStringLiteral("王") + kNul + QStringLiteral("明日"), column, QString());
    data().Con_data().execute(QStringLiteral("update %1 set %2 = null where %3 = :name")
                                  .arg(QLatin1String(search.table), column, QLatin1String(search.nameColumn)),
                              {{":name", QStringLiteral("王") + kNul + QStringLiteral("明日")}});
    (customers ? data().atc1_all() : data().atc2_all()).reset();

    QVERIFY(driving::runModal(search.window, [&] {
        auto *window = ui::Windows::get<QWidget>(search.window);
        QWidget *field = testing::field(window, caption);
        QVERIFY(field);
        paste(field, pasted);
        const QString shown = qobject_cast<QComboBox *>(field) ? qobject_cast<QComboBox *>(field)->currentText()
                                                               : qobject_cast<QLineEdit *>(field)->text();
        QCOMPARE(shown, pasted);
        testing::click(window, QStringLiteral("搜 索"));
        QVERIFY(!window->isVisible());
    }));
    for (const MessageBox::Shown &box : MessageBox::shown())
        QFAIL(qPrintable(box.text));
    QCOMPARE(this->found(search), found);
}

QTEST_MAIN(TestSearchLiteral)
#include "test_search_literal.moc"
