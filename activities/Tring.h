#pragma once

#include "DueActivity.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;
class QToolButton;

// The reminder window: a sales activity whose minute has come, with its
// customer, goal, duration, priority and details. A window without a title
// bar; "确定" and the close picture in its corner both close it and lead to
// the activity list. Several activities due at once come in Tring_list instead.
class Tring : public QDialog {
    Q_OBJECT
public:
    explicit Tring(QWidget *parent = nullptr);

    static constexpr int clientWidth = 600;
    static constexpr int clientHeight = 401;

    // The activity the window shows next.
    void showActivity(const activities::DueActivity &due);
    // "将在<e3>对<e11><e13>进行销售活动。"
    static QString sentence(const activities::DueActivity &due);

    // Escape closes it the way its own close controls do.
    void reject() override;

    // Where closing a reminder leads: the activity list, unless the view on
    // show holds a delete confirmation, which stays until it is answered.
    static void leadToActivityList();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void createLayout();
    void connectActions();
    void closeReminder(); // 确定 and the close picture

    QLabel *Label_sentence = nullptr;
    QLabel *Label_goal = nullptr;
    QLabel *Label_duration = nullptr;
    QLabel *Label_priority = nullptr;
    QTextEdit *Memo_details = nullptr;
    QPushButton *Button1 = nullptr;  // 确定
    QToolButton *Image_close = nullptr;
};
