#pragma once

// Driving the activity reminder through the whole program: a clock the test
// sets, and the reminder windows answered as they come.

#include "activities/Clock.h"

#include <QDateTime>
#include <QDialog>
#include <QStringList>
#include <functional>

namespace activities {
class ReminderPoll;
}

namespace testing {

// A wall clock that shows what the test sets.
class SetClock : public activities::Clock {
public:
    QDateTime at;
    QDateTime now() const override { return at; }
};

// The reminder of the running program.
activities::ReminderPoll &reminder();

// The sentence of the reminder window about one activity.
QString said(const QString &dateTime, const QString &name, const QString &salutation = QStringLiteral("先生"));
// What the reminder list says of several: the sentence of each row, as the
// window Tring would say it, in the order of the rows.
QString listed(const QStringList &sentences);

// What a reminder window announces: the sentence of Tring, or listed() of
// what the rows of Tring_list show (date and time, name and salutation).
QString announcement(QDialog *window);

// Runs a command and answers every reminder window it brings up, one after
// the other: `inside` runs in the window, then `closeWith` closes it.
// Returns what the windows announced, in the order they came.
QStringList answer(const std::function<void()> &command, const std::function<void(QDialog *)> &inside = {},
                   const QString &closeWith = QStringLiteral("确定"));

} // namespace testing
