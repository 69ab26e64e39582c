#pragma once

#include "Clock.h"
#include "HandOver.h"
#include "Windows.h"

#include <QDialog>
#include <array>
#include <memory>

class QButtonGroup;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QTimeEdit;

class GoalChoices;

namespace activities {
class PopupNotifier;
}

// The new-activity window: schedules an activity for the customer the
// caller hands over. Every showing starts from the defaults at the minute it
// was shown; 确定 writes the activity, announces it and brings the customer's
// activities to the front.
class Tnew_sell : public QDialog, public ui::DataBound, public ui::CustomerWindow {
    Q_OBJECT
public:
    explicit Tnew_sell(QWidget *parent = nullptr);
    ~Tnew_sell() override;
    void bindData(TData_in &data) override;
    void setCustomer(const ui::CustomerRef &customer) override;

    // Where the window reads the time it is shown at (tests set their own).
    void setClock(std::shared_ptr<const activities::Clock> clock);
    activities::PopupNotifier &notifier() const { return *m_notifier; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *createGeneralPage();
    QWidget *createDetailsPage();
    QWidget *createGoalPlace(QWidget *parent);
    void connectActions();
    void reset();

    void typeClick(int type);
    void goalEditClick();
    void Button1Click(); // 确定
    QString noticeText() const;

    TData_in *m_data = nullptr;
    std::shared_ptr<const activities::Clock> m_clock;
    activities::PopupNotifier *m_notifier = nullptr;
    ui::CustomerRef m_customer;

    // Kept beside the controls.
    int m_type = 0; // 0 沟通, 1 拜访, 2 计划
    QString m_dateText;
    QString m_timeText;
    const QString m_reminderFlag = QStringLiteral("0");

    QButtonGroup *m_types = nullptr;
    std::array<QRadioButton *, 3> m_typeButtons{};
    QLabel *m_name = nullptr;       // a1
    QLabel *m_salutation = nullptr; // a12
    QLabel *m_englishName = nullptr; // a2
    QComboBox *ComboBox1 = nullptr; // 优 先 级
    QComboBox *ComboBox2 = nullptr; // 持续时间
    QDateEdit *DateP1 = nullptr;
    QTimeEdit *TimeP1 = nullptr;
    GoalChoices *m_goals = nullptr;
    QLabel *m_goalCaption = nullptr;
    QTextEdit *Memo1 = nullptr; // 详细
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
};
