// Whatever a search field holds, a NUL character or a run of 60,000 percent
// signs included, the customer and company searches find the rows that
// contain it, like any other text: no engine error, no emptied list.
#include "Driving.h"
#include "MessageBox.h"
#include "Program.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Windows.h"

#include <QApplication>
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

} // namespace

class TestSearchLiteral : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void pastedCriterionIsLiteral_data();
    void pastedCriterionIsLiteral();

private:
    TData_in &data() const { return m_program->data(); }
    // A row with its name and one other searched column; every other
    // searched column holds the empty text.
    void addRow(const Search &search, const QString &name, const QString &column = {}, const QString &value = {});
    QStringList found(const Search &search) const;

    std::unique_ptr<testing::Program> m_program;
};

void TestSearchLiteral::init()
{
    m_program = std::make_unique<testing::Program>();
}

void TestSearchLiteral::cleanup()
{
    m_program.reset();
}

void TestSearchLiteral::addRow(const Search &search, const QString &name, const QString &column, const QString &value)
{
    testing::Row row;
    for (const QString &c : search.searched)
        row.emplace_back(c, c == search.nameColumn ? name : c == column ? value : QStringLiteral(""));
    m_program->insert(QLatin1String(search.table), row);
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
    m_program->execute(QStringLiteral("update %1 set %2 = null where %3 = :name")
                           .arg(QLatin1String(search.table), column, QLatin1String(search.nameColumn)),
                       {{":name", QStringLiteral("王") + kNul + QStringLiteral("明日")}});
    m_program->reload();

    QVERIFY(testing::runModal(search.window, [&](QDialog *window) {
        QWidget *field = testing::field(window, caption);
        QVERIFY(field);
        testing::paste(field, pasted);
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
