#pragma once

#include "Windows.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace data {
class StandingQuery;
}

namespace ui {
class DbGrid;
}

// The reminder list: the sales activities that fell due at once, in one
// window, one row each with what the reminder window Tring shows of one (the
// date and time, the customer and salutation, goal, duration, priority and
// details), and the current row's details in full below. "结束" ends the
// current activity through the end-activity window; "确定", the close box
// and Escape close the list and lead to the activity list as Tring does.
class Tring_list : public QDialog, public ui::DataBound {
    Q_OBJECT
public:
    explicit Tring_list(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;

    // The activities the window lists next, by key. Throws data::DbError
    // when they cannot be read.
    void showActivities(const std::vector<qint64> &eids);
    // "以下3项销售活动已到时间:"
    static QString heading(int count);

    data::StandingQuery *activities() const { return m_activities; }
    ui::DbGrid *grid() const { return DBGrid1; }

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createLayout();
    void connectActions();
    void showDetails();
    void endClick();     // 结束
    void closeReminder(); // 确定, the close box, Escape

    TData_in *m_data = nullptr;
    data::StandingQuery *m_activities = nullptr;
    QLabel *Label_heading = nullptr;
    ui::DbGrid *DBGrid1 = nullptr;
    QPlainTextEdit *Memo_details = nullptr;
    QPushButton *Button_end = nullptr; // 结束
    QPushButton *Button1 = nullptr;    // 确定
};
