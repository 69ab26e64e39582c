#pragma once

#include <QDialog>

class QGroupBox;
class QStatusBar;
class QTextEdit;

// The about window: product name, version data and a rights notice. Created
// once at start-up and shown modally from the help menu; its content is fixed.
class Ta_about : public QDialog {
    Q_OBJECT
public:
    explicit Ta_about(QWidget *parent = nullptr);

    static constexpr int clientWidth = 530;
    static constexpr int clientHeight = 334;
    static constexpr int bannerHeight = 130;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createLayout();
    QGroupBox *createVersionGroup();
    // Home of the activity reminder's one-minute timer and its hidden working
    // fields; they run whether this window is open or not. Nothing here yet.
    void createReminder();

    QTextEdit *Memo1 = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QStatusBar *StatusBar1 = nullptr;
};
