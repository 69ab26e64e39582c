#include "Tnew_sell.h"

#include "ActivityText.h"
#include "DateText.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "GoalChoices.h"
#include "KeyFilter.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "PopupNotifier.h"
#include "Shell.h"
#include "StandingQuery.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "WrappedValue.h"
#include "customers/TFrame_lianxiren.h"
#include "data/editors/PickListEditor.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <map>

namespace {

// The editors of the goal lists, in the order of the types.
const QString *const kGoalEditors[] = {&ui::names::Tlist_goutong, &ui::names::Tlist_baifang, &ui::names::Tlist_jihua};

QString initialOf(const QString &column)
{
    return data::field(data::activityRecord(), column).initial;
}

} // namespace

Tnew_sell::Tnew_sell(QWidget *parent) : QDialog(parent), m_clock(activities::systemClock())
{
    ui::setUpWindow(this, ui::names::Tnew_sell, QStringLiteral("创建销售活动"));
    m_notifier = new activities::PopupNotifier(activities::notices::newActivity, this);

    auto *tabs = new QTabWidget(this);
    tabs->addTab(createGeneralPage(), QStringLiteral("常规"));
    tabs->addTab(createDetailsPage(), QStringLiteral("详细"));
    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("取消"), this);
    Button2->setAutoDefault(false);
    ui::layOutWindow(this, ui::titleStrip(QStringLiteral("  创建销售活动"), this), {tabs}, {Button1, Button2});
    connectActions();
}

Tnew_sell::~Tnew_sell() = default;

QWidget *Tnew_sell::createGeneralPage()
{
    auto *page = new QWidget;
    m_types = new QButtonGroup(page);
    auto *typeRow = new QHBoxLayout;
    for (int type = 0; type < 3; ++type) {
        m_typeButtons[size_t(type)] = new QRadioButton(data::activityTypes().at(type), page);
        m_types->addButton(m_typeButtons[size_t(type)], type);
        typeRow->addWidget(m_typeButtons[size_t(type)]);
    }
    typeRow->addStretch();

    // The customer, as the caller named it: Chinese name, salutation, English name.
    // Names of any length keep the window on the screen.
    constexpr int kNameWidth = 150, kSalutationWidth = 70, kNameLines = 2;
    auto *customer = new QGroupBox(QStringLiteral("您选中的客户"), page);
    m_name = new ui::WrappedValue(customer, kNameWidth, kNameLines, QStringLiteral("中文名"));
    m_name->setStyleSheet(QStringLiteral("font-weight: bold;"));
    m_salutation = new ui::WrappedValue(customer, kSalutationWidth, kNameLines, QStringLiteral("称呼"));
    m_englishName = new ui::WrappedValue(customer, kNameWidth, kNameLines, QStringLiteral("英文名"));
    m_englishName->setStyleSheet(QStringLiteral("color: grey;"));
    auto *names = new QHBoxLayout(customer);
    names->addWidget(m_name);
    names->addWidget(m_salutation);
    names->addWidget(m_englishName);
    names->addStretch();

    // Chosen from their lists only: typing beeps, Backspace shortens.
    ComboBox1 = ui::choiceBox(page, QStringLiteral("ComboBox1"), data::activityPriorities());
    ComboBox2 = ui::choiceBox(page, QStringLiteral("ComboBox2"), data::activityDurations());
    for (QComboBox *choice : {ComboBox1, ComboBox2}) {
        choice->setFixedWidth(100);
        choice->setMaxVisibleItems(13);
        ui::KeyFilter::install(choice, ui::KeyFilter::Mode::RefuseTyping);
    }
    DateP1 = new QDateEdit(page);
    DateP1->setObjectName(QStringLiteral("DateP1"));
    DateP1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    DateP1->setCalendarPopup(true);
    DateP1->setFixedWidth(120);
    TimeP1 = new QTimeEdit(page);
    TimeP1->setObjectName(QStringLiteral("TimeP1"));
    TimeP1->setDisplayFormat(QStringLiteral("HH:mm"));
    TimeP1->setFixedWidth(120);
    auto *timeRow = new QHBoxLayout;
    timeRow->addWidget(TimeP1);
    auto *reminded = ui::plainText(QStringLiteral("到时自动提醒"), page);
    reminded->setStyleSheet(QStringLiteral("color: #800000;"));
    timeRow->addWidget(reminded);
    timeRow->addStretch();

    auto *grid = new QGridLayout;
    ui::FormGrid rows(page, grid, {.fields = Qt::AlignLeft});
    rows.add(QStringLiteral("活动类型:"), m_typeButtons[0], typeRow);
    rows.nextLine();
    rows.addSpanning(customer, 2);
    rows.nextLine();
    rows.add(QStringLiteral("优 先 级:"), ComboBox1);
    rows.nextLine();
    rows.add(QStringLiteral("持续时间:"), ComboBox2);
    rows.nextLine();
    rows.add(QStringLiteral("日 期:"), DateP1);
    rows.nextLine();
    rows.add(QStringLiteral("时 间:"), TimeP1, timeRow);
    rows.nextLine();
    m_goalCaption = rows.add(QStringLiteral("目 标:"), createGoalPlace(page));
    m_goalCaption->setBuddy(m_goals->of(0));
    grid->setColumnStretch(1, 1);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(grid);
    layout->addStretch();
    return page;
}

// The goal drop-downs, the one of the chosen type on show, with the button
// that edits its list.
QWidget *Tnew_sell::createGoalPlace(QWidget *parent)
{
    auto *place = new QWidget(parent);
    auto *row = new QHBoxLayout(place);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    m_goals = new GoalChoices(place);
    row->addWidget(m_goals);
    QToolButton *edit = ui::editListButton(place, QStringLiteral("编辑目标"), [this] { goalEditClick(); });
    edit->setObjectName(QStringLiteral("goalEdit"));
    for (int type = 0; type < GoalChoices::kTypes; ++type)
        m_goals->of(type)->setAddButton(edit);
    row->addWidget(edit);
    row->addStretch();
    return place;
}

QWidget *Tnew_sell::createDetailsPage()
{
    auto *page = new QWidget;
    Memo1 = new QTextEdit(page);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(QStringLiteral("详细"));
    Memo1->setAcceptRichText(false); // what is stored is the text, as typed
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(Memo1);
    return page;
}

void Tnew_sell::connectActions()
{
    connect(m_types, &QButtonGroup::idToggled, this, [this](int type, bool checked) {
        if (checked)
            typeClick(type);
    });
    connect(DateP1, &QDateEdit::dateChanged, this, [this] { m_dateText = DateP1->text(); });
    connect(TimeP1, &QTimeEdit::timeChanged, this, [this] { m_timeText = TimeP1->text(); });
    connect(Button1, &QPushButton::clicked, this, &Tnew_sell::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void Tnew_sell::bindData(TData_in &data)
{
    m_data = &data;
    m_goals->bindData(data);
}

void Tnew_sell::setCustomer(const ui::CustomerRef &customer)
{
    m_customer = customer;
    m_name->setText(customer.a1);
    m_salutation->setText(customer.a12);
    m_englishName->setText(customer.a2);
}

void Tnew_sell::setClock(std::shared_ptr<const activities::Clock> clock)
{
    m_clock = std::move(clock);
}

// Each time the window is opened; not when the window system shows it again
// (the program restored from the taskbar), which keeps what was chosen.
void Tnew_sell::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        reset();
        ui::readyToOpen(this);
    }
    QDialog::showEvent(event);
}

// The minute it is opened, 沟通 with its goal list emptied (the other two
// keep their choice), and the defaults of the activity record.
void Tnew_sell::reset()
{
    const QDateTime now = m_clock->now();
    {
        const QSignalBlocker quietDate(DateP1);
        const QSignalBlocker quietTime(TimeP1);
        DateP1->setDate(now.date());
        TimeP1->setTime(QTime(now.time().hour(), now.time().minute()));
    }
    m_typeButtons[0]->setChecked(true);
    typeClick(0);
    m_dateText = data::dateText(now.date());
    m_timeText = data::timeText(now.time());
    m_goals->of(0)->clearChoice();
    ComboBox2->setCurrentText(initialOf(QStringLiteral("e8")));
    ComboBox1->setCurrentText(initialOf(QStringLiteral("e6")));
    Memo1->setPlainText(initialOf(QStringLiteral("e9")));
}

void Tnew_sell::typeClick(int type)
{
    m_type = type;
    m_goals->showType(type);
    m_goalCaption->setBuddy(m_goals->current());
}

void Tnew_sell::goalEditClick()
{
    if (auto *editor = ui::Windows::get<PickListEditor>(*kGoalEditors[m_type]))
        editor->openOn(GoalChoices::listOf(m_type));
}

QString Tnew_sell::noticeText() const
{
    return QStringLiteral("\n添加了新的") + data::activityTypes().at(m_type) + QStringLiteral("活动,努力！\n\n");
}

void Tnew_sell::Button1Click()
{
    const QString type = data::activityTypes().at(m_type);
    const std::map<QString, QString> values{
        {QStringLiteral("e2"), m_customer.aid},
        {QStringLiteral("e3"), m_dateText + u' ' + m_timeText},
        {QStringLiteral("e4"), m_timeText},
        {QStringLiteral("e5"), type},
        {QStringLiteral("e6"), ComboBox1->currentText()},
        {QStringLiteral("e7"), m_goals->current()->text()},
        {QStringLiteral("e8"), ComboBox2->currentText()},
        {QStringLiteral("e9"), Memo1->toPlainText()},
        {QStringLiteral("e10"), data::activityTypeCode(type)},
        {QStringLiteral("e11"), m_customer.a1},
        {QStringLiteral("e12"), m_customer.a2},
        {QStringLiteral("e13"), m_customer.a12},
        {QStringLiteral("e14"), m_reminderFlag},
        {QStringLiteral("e15"), initialOf(QStringLiteral("e15"))}};
    const data::RecordDef &activity = data::activityRecord();
    const auto valueOf = [&values](const QString &column) { return values.at(column); };
    const auto write = [&] {
        m_data->Con_data().execute(data::insertStatement(activity), data::insertParameters(activity, valueOf));
    };
    if (!ui::writeThenRefresh(this, write, [&] { m_data->vtv1_all().reopen(); }))
        return; // not written: the error was shown and the window stays open
    accept();
    m_notifier->show(QStringLiteral("新销售活动"), noticeText());
    TFrame_lianxiren::showInFront(TFrame_lianxiren::Tab::Activities);
}
