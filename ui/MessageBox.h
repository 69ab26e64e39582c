#pragma once

#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace ui {

// Every message box of the program goes through here, so that a test can
// answer them in advance and read back what was shown.
class MessageBox {
public:
    enum class Kind { Information, Warning, Question, Error, Fatal };
    struct Shown {
        Kind kind;
        QString title;
        QString text;
    };

    // "Information" box with one OK button.
    static void information(QWidget *parent, const QString &text);
    // "Warning" box with one OK button.
    static void warning(QWidget *parent, const QString &text);
    // Question with OK and Cancel; true for OK.
    static bool question(QWidget *parent, const QString &title, const QString &text);
    // The navigators' and grids' "Delete record?".
    static bool confirmDelete(QWidget *parent);
    // A refused statement: titled with the application title, stop icon.
    static void error(QWidget *parent, const QString &text);
    // Start-up could not go on: "Application Error".
    static void fatal(const QString &text);

    // Test hooks. In test mode no box is shown: each call is recorded and
    // answered from the queue (questions default to OK when it is empty).
    static void setTestMode(bool on);
    static bool testMode();
    static void setNextAnswer(bool ok);
    static const QList<Shown> &shown();
    static QString lastText();
    static void clearShown();

private:
    static bool record(Kind kind, const QString &title, const QString &text);
};

// Runs a command; a database error stops it and is shown as the engine's
// text. True when the command ran to its end.
bool guarded(QWidget *parent, const std::function<void()> &command);
// A change written, then the standing queries that show it read again, each
// step guarded. A refused write returns false: nothing was written and the
// window stays open. Once the write went through the window's work is done,
// whatever the refresh does (a refused refresh is shown): true, so that the
// window closes and a second press can never write the row twice.
bool writeThenRefresh(QWidget *parent, const std::function<void()> &write, const std::function<void()> &refresh);

} // namespace ui
