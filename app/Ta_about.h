#pragma once

#include "Windows.h"

#include <QDialog>

class QGroupBox;
class QStatusBar;
class QTextEdit;

namespace activities {
class ReminderPoll;
}

// The about window: product name, version data and a rights notice. Created
// once at start-up and shown modally from the help menu; its content is fixed.
// It is also the home of the activity reminder, which runs from its creation
// to the end of the program whether the window is ever shown or not.
class Ta_about : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Ta_about(QWidget *parent = nullptr);

    // The reminder looks for due activities in the main database and keeps
    // what it has announced in the lookup database.
    void bindData(TData_in &data) override;
    activities::ReminderPoll &reminder() const { return *m_reminder; }

    static constexpr int clientWidth = 530;
    static constexpr int clientHeight = 334;
    static constexpr int bannerHeight = 130;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createLayout();
    QGroupBox *createVersionGroup();
    // The activity reminder: its one-minute poll, its notices and its sound.
    void createReminder();

    QTextEdit *Memo1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
    activities::ReminderPoll *m_reminder = nullptr;
};
