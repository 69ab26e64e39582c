#include "KeyFilter.h"
#include "Tone.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <memory>

using ui::KeyFilter;
using Mode = KeyFilter::Mode;

Q_DECLARE_METATYPE(KeyFilter::Mode)

enum class Field { Line, Plain, Rich, EditableCombo };
Q_DECLARE_METATYPE(Field)

namespace {

// One entry field of the given kind, its text read back the same way for all.
struct Entry {
    std::unique_ptr<QWidget> widget;
    Field kind;

    explicit Entry(Field k) : kind(k)
    {
        switch (kind) {
        case Field::Line: widget = std::make_unique<QLineEdit>(); break;
        case Field::Plain: widget = std::make_unique<QPlainTextEdit>(); break;
        case Field::Rich: widget = std::make_unique<QTextEdit>(); break;
        case Field::EditableCombo: {
            auto combo = std::make_unique<QComboBox>();
            combo->setEditable(true);
            widget = std::move(combo);
            break;
        }
        }
    }
    QString text() const
    {
        switch (kind) {
        case Field::Line: return static_cast<QLineEdit *>(widget.get())->text();
        case Field::Plain: return static_cast<QPlainTextEdit *>(widget.get())->toPlainText();
        case Field::Rich: return static_cast<QTextEdit *>(widget.get())->toPlainText();
        case Field::EditableCombo: return static_cast<QComboBox *>(widget.get())->currentText();
        }
        return {};
    }
};

void sendKey(QWidget *w, Qt::Key key, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::sendKeyEvent(QTest::Click, w, key, text, modifiers);
}

} // namespace

class TestKeyFilter : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::setTonesMuted(true); }

    void accepts_data();
    void accepts();
    void typing_data();
    void typing();
    void editingKeysPassDigits();
    void controlCharactersRefusedByDigits();
    void inputMethodCommit_data();
    void inputMethodCommit();
    void refusingDropDownBeepsAndStillNavigates();
    void editableRefusingDropDownKeepsBackspace();
    void refusalBeepsOnlyWhenAsked();
};

void TestKeyFilter::accepts_data()
{
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");

    const QString ctrlV = QStringLiteral("\x16");
    struct Case { const char *name; Mode mode; const char *extra; QString text; bool accepted; };
    const Case cases[] = {
        {"digits: digit", Mode::Digits, "", "7", true},
        {"digits: zero and nine", Mode::Digits, "", "09", true},
        {"digits: letter", Mode::Digits, "", "a", false},
        {"digits: space", Mode::Digits, "", " ", false},
        {"digits: minus", Mode::Digits, "", "-", false},
        {"digits: backspace", Mode::Digits, "", "\b", true},
        {"digits: enter", Mode::Digits, "", "\r", true},
        {"digits: ctrl+v", Mode::Digits, "", ctrlV, false},
        {"digits: tab character", Mode::Digits, "", "\t", false},
        {"digits: full-width digit", Mode::Digits, "", QStringLiteral("１"), false},
        {"digits: chinese", Mode::Digits, "", QStringLiteral("三"), false},
        {"digits: mixed text", Mode::Digits, "", "1a", false},
        {"digits: no text", Mode::Digits, "", "", true},
        {"no space: space", Mode::NoSpace, "", " ", false},
        {"no space: letter", Mode::NoSpace, "", "a", true},
        {"no space: digit", Mode::NoSpace, "", "5", true},
        {"no space: chinese", Mode::NoSpace, "", QStringLiteral("中"), true},
        {"no space: ctrl+v", Mode::NoSpace, "", ctrlV, true},
        {"no space: no text", Mode::NoSpace, "", "", true},
        {"name: space", Mode::Name, "", " ", false},
        {"name: digit", Mode::Name, "", "5", false},
        {"name: chinese", Mode::Name, "", QStringLiteral("张"), true},
        {"name: capital", Mode::Name, "", "A", true},
        {"name: hyphen", Mode::Name, "", "-", true},
        {"web: lower-case", Mode::LowerWeb, "-", "az", true},
        {"web: upper-case", Mode::LowerWeb, "-", "A", false},
        {"web: digit", Mode::LowerWeb, "-", "7", true},
        {"web: its extra", Mode::LowerWeb, "-", "-", true},
        {"web: another's extra", Mode::LowerWeb, "-", ".", false},
        {"web: dot as extra", Mode::LowerWeb, ".", ".", true},
        {"web: hyphen not extra", Mode::LowerWeb, ".", "-", false},
        {"web: space", Mode::LowerWeb, "-", " ", false},
        {"web: accented", Mode::LowerWeb, "-", QStringLiteral("é"), false},
        {"web: backspace", Mode::LowerWeb, "-", "\b", true},
        {"web: enter", Mode::LowerWeb, "-", "\r", true},
        {"web: ctrl+v", Mode::LowerWeb, "-", ctrlV, false},
        {"refuse: letter", Mode::RefuseTyping, "", "a", false},
        {"refuse: digit", Mode::RefuseTyping, "", "1", false},
        {"refuse: space", Mode::RefuseTyping, "", " ", false},
        {"refuse: chinese", Mode::RefuseTyping, "", QStringLiteral("高"), false},
        {"refuse: ctrl+v", Mode::RefuseTyping, "", ctrlV, false},
        {"refuse: backspace", Mode::RefuseTyping, "", "\b", true},
        {"refuse: enter", Mode::RefuseTyping, "", "\r", true},
        {"refuse: no text", Mode::RefuseTyping, "", "", true},
    };
    for (const Case &c : cases)
        QTest::newRow(c.name) << c.mode << QString::fromLatin1(c.extra) << c.text << c.accepted;
}

void TestKeyFilter::accepts()
{
    QFETCH(Mode, mode);
    QFETCH(QString, extra);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QCOMPARE(KeyFilter::accepts(mode, text, extra), accepted);
}

void TestKeyFilter::typing_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");

    QTest::newRow("digits, line edit") << Field::Line << Mode::Digits << "" << "1a2 3" << "123";
    QTest::newRow("digits, plain text") << Field::Plain << Mode::Digits << "" << "1a2 3" << "123";
    QTest::newRow("digits, editable drop-down") << Field::EditableCombo << Mode::Digits << "" << "1a2 3" << "123";
    QTest::newRow("no space, line edit") << Field::Line << Mode::NoSpace << "" << "a b@c.cn " << "ab@c.cn";
    QTest::newRow("no space, rich text") << Field::Rich << Mode::NoSpace << "" << "x y" << "xy";
    QTest::newRow("name, line edit") << Field::Line << Mode::Name << "" << "Li 3Lei" << "LiLei";
    QTest::newRow("english name") << Field::Line << Mode::LowerWeb << "-" << "Acme-Co 9." << "cme-o9";
    QTest::newRow("web site") << Field::Line << Mode::LowerWeb << "." << "www.Talvero-x.cn" << "www.alverox.cn";
}

void TestKeyFilter::typing()
{
    QFETCH(Field, field);
    QFETCH(Mode, mode);
    QFETCH(QString, extra);
    QFETCH(QString, typed);
    QFETCH(QString, shown);

    Entry entry(field);
    KeyFilter::install(entry.widget.get(), mode, extra);
    QTest::keyClicks(entry.widget.get(), typed);
    QCOMPARE(entry.text(), shown);
}

void TestKeyFilter::editingKeysPassDigits()
{
    QLineEdit edit;
    KeyFilter::install(&edit, Mode::Digits);
    QSignalSpy entered(&edit, &QLineEdit::returnPressed);

    QTest::keyClicks(&edit, "123");
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("13"));
    // The platform gives Delete the text "\x7f"; it is an editing key all the same.
    QTest::keyClick(&edit, Qt::Key_Home);
    sendKey(&edit, Qt::Key_Delete, QStringLiteral("\x7f"));
    QCOMPARE(edit.text(), QStringLiteral("3"));
    QTest::keyClick(&edit, Qt::Key_End);
    QTest::keyClicks(&edit, "4");
    QCOMPARE(edit.text(), QStringLiteral("34"));
    QTest::keyClick(&edit, Qt::Key_Return);
    QCOMPARE(entered.count(), 1);
}

// Ctrl+V types "\x16": a digits field refuses it, so nothing is pasted;
// the other filters let it through and the pasted text is not filtered.
void TestKeyFilter::controlCharactersRefusedByDigits()
{
    QApplication::clipboard()->setText(QStringLiteral("9 x"));

    QLineEdit digits;
    KeyFilter::install(&digits, Mode::Digits);
    QTest::keyClicks(&digits, "1");
    sendKey(&digits, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
    QCOMPARE(digits.text(), QStringLiteral("1"));

    QLineEdit noSpace;
    KeyFilter::install(&noSpace, Mode::NoSpace);
    sendKey(&noSpace, Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier);
    QCOMPARE(noSpace.text(), QStringLiteral("9 x"));
}

void TestKeyFilter::inputMethodCommit_data()
{
    QTest::addColumn<Field>("field");
    QTest::addColumn<Mode>("mode");
    QTest::addColumn<QString>("extra");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("shown");

    QTest::newRow("digits drop chinese") << Field::Line << Mode::Digits << "" << QStringLiteral("12三4") << "124";
    QTest::newRow("name drops space and digit") << Field::Line << Mode::Name << "" << QStringLiteral("张 三3") << QStringLiteral("张三");
    QTest::newRow("no space keeps chinese") << Field::Plain << Mode::NoSpace << "" << QStringLiteral("你好") << QStringLiteral("你好");
    QTest::newRow("web keeps its own") << Field::Line << Mode::LowerWeb << "." << QStringLiteral("网ab.C") << "ab.";
    QTest::newRow("digits, editable drop-down") << Field::EditableCombo << Mode::Digits << "" << QStringLiteral("一2") << "2";
}

void TestKeyFilter::inputMethodCommit()
{
    QFETCH(Field, field);
    QFETCH(Mode, mode);
    QFETCH(QString, extra);
    QFETCH(QString, commit);
    QFETCH(QString, shown);

    Entry entry(field);
    KeyFilter::install(entry.widget.get(), mode, extra);
    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(entry.widget.get(), &event);
    QCOMPARE(entry.text(), shown);
}

void TestKeyFilter::refusingDropDownBeepsAndStillNavigates()
{
    QComboBox combo;
    combo.addItems({QStringLiteral("低"), QStringLiteral("中"), QStringLiteral("高")});
    combo.setCurrentIndex(1);
    KeyFilter::install(&combo, Mode::RefuseTyping);
    const int before = ui::toneCount();

    // Typed letters would otherwise jump to a matching entry.
    QTest::keyClicks(&combo, "a1 ");
    sendKey(&combo, Qt::Key_unknown, QStringLiteral("高"));
    QCOMPARE(combo.currentIndex(), 1);
    QCOMPARE(ui::toneCount(), before + 4);
    QCOMPARE(ui::lastToneHertz(), 880);
    QCOMPARE(ui::lastToneMilliseconds(), 100);

    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(combo.currentIndex(), 2);
    QTest::keyClick(&combo, Qt::Key_Up);
    QTest::keyClick(&combo, Qt::Key_Up);
    QCOMPARE(combo.currentIndex(), 0);
    QCOMPARE(ui::toneCount(), before + 4);
}

void TestKeyFilter::editableRefusingDropDownKeepsBackspace()
{
    QComboBox combo;
    combo.setEditable(true);
    combo.addItems({QStringLiteral("半小时"), QStringLiteral("1小时"), QStringLiteral("2小时")});
    combo.setCurrentIndex(1);
    KeyFilter::install(&combo, Mode::RefuseTyping);
    const int before = ui::toneCount();

    QTest::keyClick(&combo, Qt::Key_End);
    QTest::keyClicks(&combo, "x9");
    QTest::keyClicks(combo.lineEdit(), " ");
    QCOMPARE(combo.currentText(), QStringLiteral("1小时"));
    QCOMPARE(ui::toneCount(), before + 3);

    QTest::keyClick(&combo, Qt::Key_Backspace);
    QCOMPARE(combo.currentText(), QStringLiteral("1小"));

    QInputMethodEvent event;
    event.setCommitString(QStringLiteral("时"));
    QApplication::sendEvent(&combo, &event);
    QCOMPARE(combo.currentText(), QStringLiteral("1小"));
    QCOMPARE(ui::toneCount(), before + 4);

    QTest::keyClick(&combo, Qt::Key_Down);
    QCOMPARE(combo.currentText(), QStringLiteral("2小时"));
    QCOMPARE(ui::toneCount(), before + 4);
}

void TestKeyFilter::refusalBeepsOnlyWhenAsked()
{
    QLineEdit silent;
    QLineEdit beeping;
    KeyFilter::install(&silent, Mode::Digits);
    KeyFilter::install(&beeping, Mode::Digits)->setBeepOnRefusal(true);
    const int before = ui::toneCount();

    QTest::keyClicks(&silent, "1a");
    QCOMPARE(ui::toneCount(), before);
    QTest::keyClicks(&beeping, "1a2b");
    QCOMPARE(beeping.text(), QStringLiteral("12"));
    QCOMPARE(ui::toneCount(), before + 2);
}

QTEST_MAIN(TestKeyFilter)
#include "test_keyfilter.moc"
