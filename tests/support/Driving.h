#pragma once

// Driving windows the way a user does: typing key by key, choosing in
// drop-downs, clicking grid rows, turning the wheel, and working inside modal
// windows. Finding a button or a field by its caption is in TestSupport.h.
//
//     testing::runModal("Tnew_gongsi", [&](QDialog *w) {
//         testing::typeInto(testing::field(w, "公司名称:"), "华星");
//         QVERIFY(testing::choose(testing::field<QComboBox>(w, "关    系:"), "客户"));
//         testing::click(w, "确定");
//     });

#include "TestSupport.h"

#include <QComboBox>
#include <QDialog>
#include <QPoint>
#include <QString>
#include <functional>
#include <vector>

class QTableView;

namespace testing {

// Types text key by key, the way a keyboard or an input method sends it:
// letters, digits and signs with their keys, any other character (Chinese,
// an emoji with its modifiers' code points one by one) as text alone, and a
// line break as Return. QTest::keyClicks types Latin-1 only.
void typeInto(QWidget *field, const QString &text);

// Replaces what a line shows the way a user does in a field that may refuse
// Ctrl+A: End, Backspace over all of it, then the new text.
void retype(QWidget *field, const QString &text);

// Pastes text with the paste key, as a user pastes what was copied elsewhere;
// into an editable drop-down's line.
void paste(QWidget *field, const QString &text);

// What a field shows: a line, a memo, a drop-down's current text or a label.
QString shownText(QWidget *field);

// Chooses the entry at that place of a drop-down list with the arrow keys, as
// a user does; every entry passed on the way is activated in turn. True when
// the entry is current afterwards.
bool chooseRow(QComboBox *combo, int row);
// The first entry with that text.
bool choose(QComboBox *combo, const QString &text);

// Clicks (or double-clicks) a row of a grid, in its first visible column.
void clickRow(QTableView *grid, int row);
void doubleClickRow(QTableView *grid, int row);

// What a grid shows in one column of its model, top to bottom.
QStringList columnTexts(const QTableView *grid, int column);

// Sends one wheel message to a widget (a grid's viewport, a scroll bar);
// angle in eighths of a degree, as QWheelEvent::angleDelta has it.
void turnWheel(QWidget *part, QPoint angle);

// What a run of a modal window came to.
struct Opened {
    QWidget *window = nullptr; // the modal window that opened; none when nothing did (a window
                               // made for the one command is gone afterwards: compare, never use)
    bool done = false;         // it opened and the steps ran to their end with no failed check
    QString windowClass;       // its class, read while it was up

    QString className() const { return windowClass; }
    explicit operator bool() const { return done; }
};

// Opens the modal window of that instance name as the program does and runs
// the steps in it. A window the steps leave open, after a failed check too,
// is closed afterwards.
Opened runModal(const QString &name, const std::function<void(QDialog *)> &steps);

// Runs a command (a click, a menu item) and, when it opens a modal window,
// the steps in that window; without steps the window is closed at once. A
// window open before the command (the one a click was made in) does not
// count. Returns once the command and the steps are over.
Opened runModal(const std::function<void()> &command, const std::function<void(QDialog *)> &steps = {});

// One window of a chain that a command opens one after the other (the
// output options, then the preview): the class of the window and the steps
// to run in it.
struct ModalStep {
    QString className;
    std::function<void(QDialog *)> steps;
};

// Runs a command that opens modal windows one after the other, and runs each
// link's steps in the next window of its class that comes up (windows of
// other classes in between, a status window, are let be). A window the steps
// leave open is closed. True when every link found its window and no check
// failed.
bool runModals(const std::function<void()> &command, const std::vector<ModalStep> &chain);

} // namespace testing
