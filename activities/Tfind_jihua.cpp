#include "Tfind_jihua.h"

#include "ActivityText.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "GoalChoices.h"
#include "ListCombos.h"
#include "SearchText.h"
#include "StandingQuery.h"
#include "TData_in.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

const char *const kTypeCodes[] = {"1", "2", "3"};

QLineEdit *keptText(QWidget *parent, const QString &name)
{
    QLineEdit *kept = ui::textBox(parent, name, ui::kNoLimit);
    kept->hide();
    return kept;
}

} // namespace

Tfind_jihua::Tfind_jihua(QWidget *parent)
    : SearchWindow(parent, QStringLiteral("find_jihua"), QStringLiteral("搜索销售活动"))
{
    layOut({createSearchGroup()});
    connectActions();
}

QGroupBox *Tfind_jihua::createSearchGroup()
{
    auto *box = new QGroupBox(QStringLiteral("自定义条件搜索"), this);

    Edit1 = fields().add(QStringLiteral("e11"), ui::textBox(box, QStringLiteral("Edit1"), ui::kNoLimit, 150));
    Edit2 = fields().add(QStringLiteral("e12"), ui::textBox(box, QStringLiteral("Edit2"), ui::kNoLimit, 150));
    m_typeText = fields().add(QStringLiteral("e5"), keptText(box, QStringLiteral("typeText")));
    m_dateText = fields().add(QStringLiteral("e3"), keptText(box, QStringLiteral("dateText")));
    m_typeCode = keptText(box, QStringLiteral("typeCode"));
    ComboBox1 = fields().add(QStringLiteral("e6"),
                             ui::choiceBox(box, QStringLiteral("ComboBox1"), data::activityPriorities()));
    ComboBox2 = fields().add(QStringLiteral("e8"),
                             ui::choiceBox(box, QStringLiteral("ComboBox2"), data::activityDurations()));
    for (QComboBox *choice : {ComboBox1, ComboBox2}) {
        choice->setFixedWidth(100);
        choice->setMaxVisibleItems(13);
    }
    DateP1 = new QDateEdit(box);
    DateP1->setObjectName(QStringLiteral("DateP1"));
    DateP1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    DateP1->setCalendarPopup(true);
    DateP1->setFixedWidth(120);

    m_types = new QButtonGroup(box);
    auto *typeRow = new QHBoxLayout;
    typeRow->setContentsMargins(0, 0, 0, 0);
    for (int type = 0; type < 3; ++type) {
        m_typeButtons[size_t(type)] = new QRadioButton(data::activityTypes().at(type), box);
        m_types->addButton(m_typeButtons[size_t(type)], type);
        typeRow->addWidget(m_typeButtons[size_t(type)]);
    }
    typeRow->addStretch();
    m_goals = new GoalChoices(box);
    // The goal searched is the one of the type chosen; until a type is chosen, none is searched.
    fields().add(QStringLiteral("e7"), m_goals->of(0));

    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    ui::FormGrid rows(box, grid, {.fields = Qt::AlignLeft});
    rows.add(QStringLiteral("活动类型:"), m_typeButtons[0], typeRow);
    rows.nextLine();
    rows.add(QStringLiteral("客户名(中文):"), Edit1);
    rows.nextLine();
    rows.add(QStringLiteral("客户名(英文):"), Edit2);
    rows.nextLine();
    rows.add(QStringLiteral("日 期:"), DateP1);
    rows.nextLine();
    rows.add(QStringLiteral("优 先 级:"), ComboBox1);
    rows.nextLine();
    rows.add(QStringLiteral("持续时间:"), ComboBox2);
    rows.nextLine();
    m_goalCaption = rows.add(QStringLiteral("目 标:"), m_goals);
    m_goalCaption->setBuddy(m_goals->of(0));
    grid->setColumnStretch(1, 1);
    return box;
}

void Tfind_jihua::connectActions()
{
    connect(m_types, &QButtonGroup::idClicked, this, &Tfind_jihua::typeClick);
    connect(DateP1, &QDateEdit::dateChanged, this, &Tfind_jihua::DateP1Change);
}

void Tfind_jihua::bindData(TData_in &data)
{
    m_data = &data;
    m_goals->bindData(data);
}

void Tfind_jihua::typeClick(int type)
{
    m_goals->showType(type);
    ui::PickListCombo *goal = m_goals->current();
    fields().add(QStringLiteral("e7"), goal);
    m_goalCaption->setBuddy(goal);
    m_typeCode->setText(QString::fromLatin1(kTypeCodes[type]));
    m_typeText->setText(data::activityTypes().at(type));
}

// Only a date the user chose is a condition.
void Tfind_jihua::DateP1Change()
{
    m_dateText->setText(DateP1->text());
}

void Tfind_jihua::resetMore()
{
    m_types->setExclusive(false);
    for (QRadioButton *button : m_typeButtons)
        button->setChecked(false);
    m_types->setExclusive(true);
    m_typeCode->clear();
    for (int type = 0; type < GoalChoices::kTypes; ++type)
        m_goals->of(type)->clearChoice();
    m_goals->showType(-1);
    const QSignalBlocker quiet(DateP1);
    DateP1->setDate(QDate::currentDate());
}

void Tfind_jihua::search()
{
    if (m_typeText->text().isEmpty())
        return;
    data::StandingQuery &activities = m_data->vtv1_all();
    const QString statement = data::activitySearch(fields().texts(data::activityRecord()));
    closeOnFound([&] {
        activities.close();
        activities.filter(statement);
    });
}
