// Length limits count characters as a user sees them, never cut one in half,
// and what a field holds is what gets stored; fields without a limit take
// text of any length.
#include "DbGrid.h"
#include "Driving.h"
#include "MessageBox.h"
#include "PickListEditor.h"
#include "Program.h"
#include "StandingQuery.h"
#include "Startup.h"
#include "TextLimit.h"
#include "Windows.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTest>
#include <QTextEdit>
#include <climits>
#include <functional>

namespace {

// Characters of four kinds: a pair of UTF-16 units, a letter with a
// combining accent, an emoji with a skin tone, a flag.
const QString kGrin = QStringLiteral("😀");
const QString kAccented = QStringLiteral("e\u0301");
const QString kThumb = QStringLiteral("👍🏽");
const QString kFlag = QStringLiteral("🇨🇳");

} // namespace

class TestTextLimit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void countsCharactersAsSeen_data();
    void countsCharactersAsSeen();
    void lineEditKeepsWholeCharacters_data();
    void lineEditKeepsWholeCharacters();
    void memoKeepsWholeCharacters_data();
    void memoKeepsWholeCharacters();
    void newCustomerStoresWhatItShows();
    void everyUnlimitedFieldTakesAnyLength();
    void unlimitedCompanyFieldsStoreEverything();
};

void TestTextLimit::initTestCase()
{
    ui::MessageBox::setTestMode(true);
    QApplication::setQuitOnLastWindowClosed(false);
}

void TestTextLimit::countsCharactersAsSeen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("cutTo");
    QTest::addColumn<QString>("cut");

    QTest::newRow("plain") << "abc" << 3 << 2 << "ab";
    QTest::newRow("surrogate pair") << "ab" + kGrin + "c" << 4 << 3 << "ab" + kGrin;
    QTest::newRow("before a surrogate pair") << "ab" + kGrin << 3 << 2 << "ab";
    QTest::newRow("combining accent") << kAccented + "x" << 2 << 1 << kAccented;
    QTest::newRow("skin tone") << kThumb + kThumb << 2 << 1 << kThumb;
    QTest::newRow("flags") << kFlag + kFlag + kFlag << 3 << 2 << kFlag + kFlag;
    QTest::newRow("joined family") << QStringLiteral("👩‍👩‍👧a") << 2 << 1 << QStringLiteral("👩‍👩‍👧");
    QTest::newRow("shorter than the cut") << "a" + kGrin << 2 << 5 << "a" + kGrin;
    QTest::newRow("Chinese") << "王小明" << 3 << 2 << "王小";
}

void TestTextLimit::countsCharactersAsSeen()
{
    QFETCH(QString, text);
    QFETCH(int, count);
    QFETCH(int, cutTo);
    QFETCH(QString, cut);
    QCOMPARE(ui::characterCount(text), count);
    QCOMPARE(ui::cutToCharacters(text, cutTo), cut);
}

void TestTextLimit::lineEditKeepsWholeCharacters_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor"); // where the caret stands before the change
    QTest::addColumn<QString>("how");  // "type", "paste" or "set" (by the program)
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursorAfter");

    QTest::newRow("emoji as the last character") << 3 << "ab" << 2 << "type" << kGrin << "ab" + kGrin << 4;
    QTest::newRow("emoji past the limit") << 3 << "ab" << 2 << "type" << "c" + kGrin << "abc" << 3;
    QTest::newRow("paste cut at a character") << 3 << "a" << 1 << "paste" << "b" + kGrin + "c" << "ab" + kGrin << 4;
    QTest::newRow("paste keeps the accent with its letter")
        << 2 << "" << 0 << "paste" << kAccented + kAccented + kAccented << kAccented + kAccented << 4;
    QTest::newRow("paste in the middle keeps the rest") << 4 << "ad" << 1 << "paste" << "bc" + kThumb << "abcd" << 3;
    QTest::newRow("typing at the limit in the middle") << 3 << "abc" << 1 << "type" << "X" << "abc" << 1;
    QTest::newRow("flag into the last place") << 2 << "a" << 1 << "paste" << kFlag + kFlag << "a" + kFlag << 5;
    QTest::newRow("text set by the program") << 3 << "" << 0 << "set" << "ab" + kGrin + kGrin << "ab" + kGrin << 4;
    QTest::newRow("Chinese") << 10 << "一二三四五六七八九" << 9 << "paste" << kGrin + "十" << "一二三四五六七八九" + kGrin << 11;
}

// Typing, pasting and setting a text all keep to the limit in characters;
// what does not fit goes from the end of what was put in, and the caret stays
// where the insertion ended.
void TestTextLimit::lineEditKeepsWholeCharacters()
{
    QFETCH(int, limit);
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(QString, after);
    QFETCH(int, cursorAfter);

    QLineEdit edit;
    ui::limitText(&edit, limit);
    edit.setText(before);
    edit.show();
    edit.setCursorPosition(cursor);
    QCOMPARE(ui::textLimit(&edit), limit);
    if (how == "type")
        testing::typeInto(&edit, input);
    else if (how == "paste")
        testing::paste(&edit, input);
    else
        edit.setText(input);
    QCOMPARE(edit.text(), after);
    QCOMPARE(ui::characterCount(edit.text()), qMin(limit, ui::characterCount(after)));
    if (how != "set")
        QCOMPARE(edit.cursorPosition(), cursorAfter);
}

void TestTextLimit::memoKeepsWholeCharacters_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursorAfter");

    // The limit is 4.
    QTest::newRow("emoji as the last character") << "a\nc" << 3 << "type" << kGrin << "a\nc" + kGrin << 5;
    QTest::newRow("emoji past the limit") << "a\nc" << 3 << "type" << "d" + kGrin << "a\ncd" << 4;
    QTest::newRow("paste cut at a character") << "a" << 1 << "paste" << "b" + kThumb + "cd" << "ab" + kThumb + "c" << 7;
    QTest::newRow("paste in the middle keeps the rest") << "ad" << 1 << "paste" << kFlag + "xyz" << "a" + kFlag + "xd" << 6;
    QTest::newRow("text set by the program") << "" << 0 << "set" << "abc" + kAccented + "z" << "abc" + kAccented << 0;
}

// The plain and the rich multi-line fields keep to their limit the same way.
void TestTextLimit::memoKeepsWholeCharacters()
{
    QFETCH(QString, before);
    QFETCH(int, cursor);
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(QString, after);
    QFETCH(int, cursorAfter);

    QPlainTextEdit plain;
    QTextEdit rich;
    ui::limitText(&plain, 4);
    ui::limitText(&rich, 4);
    const struct {
        QWidget *widget;
        std::function<void(const QString &)> set;
        std::function<QString()> text;
        std::function<void(int)> moveTo;
        std::function<int()> position;
    } memos[] = {
        {&plain, [&](const QString &t) { plain.setPlainText(t); }, [&] { return plain.toPlainText(); },
         [&](int p) { QTextCursor c = plain.textCursor(); c.setPosition(p); plain.setTextCursor(c); },
         [&] { return plain.textCursor().position(); }},
        {&rich, [&](const QString &t) { rich.setPlainText(t); }, [&] { return rich.toPlainText(); },
         [&](int p) { QTextCursor c = rich.textCursor(); c.setPosition(p); rich.setTextCursor(c); },
         [&] { return rich.textCursor().position(); }},
    };
    for (const auto &memo : memos) {
        QCOMPARE(ui::textLimit(memo.widget), 4);
        memo.set(before);
        memo.widget->show();
        memo.moveTo(cursor);
        if (how == "type")
            testing::typeInto(memo.widget, input);
        else if (how == "paste")
            testing::paste(memo.widget, input);
        else
            memo.set(input);
        QCOMPARE(memo.text(), after);
        if (how != "set")
            QCOMPARE(memo.position(), cursorAfter);
    }
}

// In the new-customer window a name of nine characters takes an emoji as its
// tenth, and a description of 249 characters an emoji with its skin tone as
// its 250th: the file holds exactly what the fields show, no "?" in place of
// half a character.
void TestTextLimit::newCustomerStoresWhatItShows()
{
    testing::Program program;
    program.insert("atc2", {{"c1", "甲公司"}});
    program.reload();
    const QString name = QStringLiteral("一二三四五六七八九") + kGrin;
    const QString description = QString(249, u'x') + kThumb;

    QVERIFY(testing::runModal("Tnew_lianxiren", [&](QDialog *w) {
        auto *nameField = testing::field<QLineEdit>(w, "中文名");
        auto *descriptionField = testing::field<QPlainTextEdit>(w, "描述");
        QVERIFY(nameField && descriptionField);
        testing::typeInto(nameField, "一二三四五六七八九");
        testing::paste(nameField, kGrin + kGrin);
        QCOMPARE(nameField->text(), name);
        testing::paste(descriptionField, QString(249, u'x') + kThumb + kThumb);
        QCOMPARE(descriptionField->toPlainText(), description);
        testing::typeInto(testing::field(w, "电  话 号码"), "5550000");
        auto *company = testing::field<QComboBox>(w, "公  司");
        QTest::keyClick(company, Qt::Key_Home);
        QCOMPARE(company->currentText(), QStringLiteral("甲公司"));
        testing::click(w, "确定");
        QVERIFY(!w->isVisible());
    }));
    QVERIFY(ui::MessageBox::shown().isEmpty());
    QCOMPARE(program.install().columnMain("select a1 from atc1"), QStringList{name});
    QCOMPARE(program.install().columnMain("select a17 from atc1"), QStringList{description});
}

// Every line field of every window, hidden ones included, either has a limit
// in characters or takes text of any length; so does a grid's cell editor.
void TestTextLimit::everyUnlimitedFieldTakesAnyLength()
{
    testing::Program program;
    program.insert("vx3", {{"mc1", "电话"}});
    program.reload();
    const QString longText(40000, u'x');

    auto takesAnyLength = [&](QLineEdit *edit) {
        const QSignalBlocker quiet(edit); // nothing is written anywhere
        const QString before = edit->text();
        edit->setText(longText);
        const qsizetype kept = edit->text().size();
        edit->setText(before);
        return kept == longText.size();
    };
    int unlimited = 0;
    for (const QString &name : program.startup().creationOrder()) {
        auto *window = ui::Windows::get<QWidget>(name);
        if (!window)
            continue; // the data module
        for (QLineEdit *edit : window->findChildren<QLineEdit *>()) {
            if (qobject_cast<QAbstractSpinBox *>(edit->parentWidget()) || ui::textLimit(edit) != ui::kNoLimit)
                continue; // a date or number box keeps its own text; a limited field is tested with its window
            const QString where = name + u'/' + edit->objectName() + u'/' + edit->accessibleName();
            QVERIFY2(takesAnyLength(edit), qPrintable(where));
            ++unlimited;
        }
    }
    QVERIFY(unlimited > 0);

    auto *editor = ui::Windows::get<PickListEditor>("Tlist_goutong");
    QVERIFY(editor);
    editor->prepare("vx3");
    editor->show();
    ui::DbGrid *grid = editor->grid("vx3");
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, grid->query()->fieldIndex(QStringLiteral("mc1"))));
    QTest::keyClick(grid, Qt::Key_F2);
    QLineEdit *cell = nullptr;
    for (QLineEdit *e : grid->viewport()->findChildren<QLineEdit *>()) {
        if (e->isVisible())
            cell = e;
    }
    QVERIFY(cell);
    QVERIFY(takesAnyLength(cell));
    editor->hide();
}

// The products and the English name of a new company have no limit: 40,000
// characters pasted into each are stored whole.
void TestTextLimit::unlimitedCompanyFieldsStoreEverything()
{
    testing::Program program;
    const QString products = QStringLiteral("软件").repeated(20000);
    const QString english = QStringLiteral("ab-").repeated(13333) + u'c';

    QVERIFY(testing::runModal("Tnew_gongsi", [&](QDialog *w) {
        testing::typeInto(testing::field(w, "公司名称:"), "华星");
        testing::typeInto(testing::field(w, "总机号码"), "62345678");
        testing::paste(testing::field(w, "产    品:"), products);
        testing::paste(testing::field(w, "英文名称:"), english);
        testing::click(w, "确定");
        QVERIFY(!w->isVisible());
    }));
    QVERIFY(ui::MessageBox::shown().isEmpty());
    QCOMPARE(program.install().columnMain("select c8 from atc2"), QStringList{products});
    QCOMPARE(program.install().columnMain("select length(c2) from atc2"), QStringList{"40000"});
}

QTEST_MAIN(TestTextLimit)
#include "test_textlimit.moc"
