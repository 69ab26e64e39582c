#pragma once

#include "HandOver.h"
#include "Windows.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

// The end-activity window: shows one activity, handed over as a row of
// vtv1_all, and on 结束 sets that activity's status to "已结束".
class Tover_sell : public QDialog, public ui::DataBound, public ui::RowWindow {
    Q_OBJECT
public:
    explicit Tover_sell(QWidget *parent = nullptr);
    void bindData(TData_in &data) override;
    void takeRow(const data::StandingQuery &query) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createContentPage();
    QWidget *createDetailsPage();
    void Button1Click(); // 结束

    TData_in *m_data = nullptr;
    QString m_eid; // the activity the window was opened for

    QLabel *m_sentence = nullptr;
    QLabel *m_type = nullptr;
    QLabel *m_goal = nullptr;
    QLabel *m_duration = nullptr;
    QLabel *m_priority = nullptr;
    QTextEdit *Memo1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};
