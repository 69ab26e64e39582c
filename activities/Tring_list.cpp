#include "Tring_list.h"

#include "ActivityText.h"
#include "DbCause.h"
#include "DbError.h"
#include "DbGrid.h"
#include "FormParts.h"
#include "HandOver.h"
#include "MessageBox.h"
#include "ReminderText.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "Tring.h"
#include "WindowNames.h"

#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kGridWidth = 760;
constexpr int kGridHeight = 250;

// What the list window says when the activities cannot be read again.
QString readFailed(const data::DbError &e)
{
    return QStringLiteral("无法重新读取到时的销售活动：%1。").arg(data::causeOf(e));
}

} // namespace

Tring_list::Tring_list(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, ui::names::Tring_list, QStringLiteral("销售活动提醒"));
    createLayout();
    connectActions();
}

void Tring_list::createLayout()
{
    Label_heading = ui::valueLabel(this, QStringLiteral("提醒"));
    QFont bold = Label_heading->font();
    bold.setBold(true);
    Label_heading->setFont(bold);

    DBGrid1 = new ui::DbGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("到时的销售活动"));
    DBGrid1->setFixedSize(kGridWidth, kGridHeight);

    auto *details = ui::groupBox(QStringLiteral("详细"), this);
    Memo_details = new QPlainTextEdit(details);
    Memo_details->setReadOnly(true);
    Memo_details->setAccessibleName(QStringLiteral("详细"));
    Memo_details->setFixedHeight(90);
    auto *inside = new QVBoxLayout(details);
    inside->addWidget(Memo_details);

    Button_end = new QPushButton(QStringLiteral("结束"), this);
    Button_end->setToolTip(QStringLiteral("结束所选的销售活动"));
    Button_end->setAutoDefault(false);
    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setDefault(true);
    ui::layOutWindow(this, ui::titleStrip(QStringLiteral("  销售活动提醒"), this), {Label_heading, DBGrid1, details},
                     {Button_end, Button1});
}

void Tring_list::connectActions()
{
    connect(Button_end, &QPushButton::clicked, this, &Tring_list::endClick);
    connect(Button1, &QPushButton::clicked, this, &Tring_list::closeReminder);
    connect(DBGrid1, &ui::DbGrid::rowDoubleClicked, this, &Tring_list::endClick);
}

void Tring_list::bindData(TData_in &data)
{
    m_data = &data;
    m_activities = new data::StandingQuery(QStringLiteral("ring_list"), data.Con_data(), QStringLiteral("vtv1"),
                                           QStringLiteral("eid"), data::reminderList({}), this);
    const QColor grey(243, 243, 243);
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centred = Qt::AlignCenter;
    // field, title, width, cells, text, ground, bold, type size, title
    DBGrid1->bind(m_activities, {{"e3", "日期时间", 120, left, {}, grey, false, 0, centred},
                                 {"e11", "客户", 70, left, {}, {}, true, 0, centred},
                                 {"e13", "称呼", 40, left, {}, {}, true, 0, centred},
                                 {"e5", "活动类型", 60, centred, QColor(0, 128, 0), {}, false, 0, centred},
                                 {"e7", "目标", 150, left, {}, grey, false, 0, centred},
                                 {"e8", "持续时间", 60, centred, {}, {}, false, 0, centred},
                                 {"e6", "优先级", 50, centred, {}, grey, false, 0, centred},
                                 {"e9", "详细", 130, left, {}, {}, false, 0, centred},
                                 {"e15", "状态", 55, centred, {}, grey, false, 0, centred}});
    connect(m_activities, &data::StandingQuery::currentRowChanged, this, &Tring_list::showDetails);
    connect(m_activities, &data::StandingQuery::refreshed, this, &Tring_list::showDetails);
}

QString Tring_list::heading(int count)
{
    return QStringLiteral("以下%1项销售活动已到时间：").arg(count);
}

void Tring_list::showActivities(const std::vector<qint64> &eids)
{
    Label_heading->setText(heading(int(eids.size())));
    m_activities->filter(data::reminderList(eids));
}

void Tring_list::showDetails()
{
    Memo_details->setPlainText(m_activities->field(QStringLiteral("e9")));
}

// The end-activity window for the current row, unless it has ended already;
// the list then shows the row's new status.
void Tring_list::endClick()
{
    if (m_activities->currentRow() < 0 || m_activities->field(QStringLiteral("e15")) == data::kActivityEnded)
        return;
    const int row = m_activities->currentRow();
    ui::openForRow(ui::names::Tover_sell, *m_activities);
    try {
        m_activities->reopen();
    } catch (const data::DbError &e) {
        ui::MessageBox::error(this, readFailed(e));
        return;
    }
    m_activities->moveTo(row);
}

void Tring_list::closeReminder()
{
    accept();
    Tring::leadToActivityList();
}

void Tring_list::reject()
{
    closeReminder();
}

void Tring_list::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Button1->setFocus();
    ui::centreOnScreen(this);
}
