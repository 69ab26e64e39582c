#include "EmployeeForm.h"

#include "DateText.h"
#include "DbControls.h"
#include "EmployeeCaptions.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "KeyFilter.h"
#include "ListCombos.h"
#include "TData_in.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kFieldWidth = 130;
constexpr int kListWidth = 106;
constexpr int kRemarksHeight = 70;

// Grid columns of a group: a mark, a caption and its field, twice.
enum Column { Mark1, Caption1, Field1, Mark2, Caption2, Field2 };

// The one-line fields: their column and the name they have always had.
struct Line {
    const char *column;
    const char *name;
};
const Line kLines[] = {
    {"u1", "Edit1"},   {"u2", "Edit2"},   {"u6", "Edit3"},   {"u8", "Edit4"},   {"u9", "Edit5"},
    {"u10", "Edit6"},  {"u11", "Edit7"},  {"u12", "Edit8"},  {"u7", "Edit9"},   {"u13", "Edit10"},
    {"u14", "Edit11"}, {"u15", "Edit12"}, {"u16", "Edit13"}, {"u22", "Edit14"},
};

// The dates: as plain text in the edit window, as pickers in the new one.
const Line kDates[] = {{"u17", "DateP1"}, {"u18", "DateP2"}};

QString column(const char *name)
{
    return QString::fromLatin1(name);
}

ui::FormGridLook gridLook()
{
    return {.firstColumn = Caption1, .captions = Qt::AlignRight | Qt::AlignVCenter, .fields = Qt::AlignLeft};
}

} // namespace

EmployeeForm::EmployeeForm(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    createFields();
    auto *sideBySide = new QHBoxLayout;
    sideBySide->addWidget(createWorkGroup());
    sideBySide->addWidget(createContactGroup(), 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(createBasicGroup());
    layout->addLayout(sideBySide);
    layout->addWidget(createRemarksGroup());
}

void EmployeeForm::createFields()
{
    const bool isNew = m_kind == Kind::New;
    const data::RecordDef &employee = data::employeeRecord();
    for (const Line &l : kLines) {
        const data::FieldDef &field = data::field(employee, column(l.column));
        const auto keys = isNew ? ui::keyMode(field.entry) : std::nullopt;
        m_lines[column(l.column)] =
            ui::textBox<ui::DbEdit>(this, QString::fromLatin1(l.name), ui::kNoLimit, kFieldWidth, keys);
    }
    for (const Line &l : kDates) {
        if (isNew) {
            auto *picker = new QDateEdit(this);
            picker->setObjectName(QString::fromLatin1(l.name));
            picker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
            picker->setCalendarPopup(true);
            picker->setFixedWidth(kFieldWidth);
            QLineEdit *dateText = ui::textBox(this, QString::fromLatin1(l.name) + QStringLiteral("Text"), ui::kNoLimit);
            dateText->hide();
            // Each change of the picker is what will be stored.
            connect(picker, &QDateEdit::dateChanged, dateText, [picker, dateText] {
                dateText->setText(picker->text().left(19));
            });
            m_pickers[column(l.column)] = picker;
            m_dateTexts[column(l.column)] = dateText;
        } else {
            m_lines[column(l.column)] =
                ui::textBox<ui::DbEdit>(this, QString::fromLatin1(l.name), ui::kNoLimit, kFieldWidth);
        }
    }

    m_sex = new ui::DbComboBox(this);
    m_sex->setObjectName(QStringLiteral("DBComboBox1"));
    // What is typed stays as typed: no completion from the two entries.
    m_sex->setCompleter(nullptr);
    m_sex->addItems({QStringLiteral("男"), QStringLiteral("女")});
    m_sex->setFixedWidth(kFieldWidth);
    m_sex->setCurrentIndex(isNew ? 0 : -1);

    for (const employees::EmployeeList &list : employees::kLists) {
        auto *combo = new ui::PickListCombo(this);
        combo->setObjectName(QString::fromLatin1(list.table));
        combo->setFixedWidth(kListWidth);
        m_lists[column(list.column)] = combo;
    }

    m_remarks = new ui::DbMemo(this);
    m_remarks->setObjectName(QStringLiteral("RichEdit1"));
    m_remarks->setAccessibleName(QStringLiteral("备注"));
    m_remarks->setFixedHeight(kRemarksHeight);
}

// A red "*" before the caption of a field the new window needs.
void EmployeeForm::markRequired(QGridLayout *grid, int line, int column)
{
    if (m_kind != Kind::New)
        return;
    auto *mark = new QLabel(QStringLiteral("*"), this);
    mark->setTextFormat(Qt::PlainText);
    mark->setStyleSheet(QStringLiteral("color: red;"));
    mark->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(mark, line, column);
}

QGroupBox *EmployeeForm::createBasicGroup()
{
    auto *group = ui::groupBox(QStringLiteral("基本信息"), this);
    auto *grid = new QGridLayout(group);
    grid->setColumnMinimumWidth(Mark1, 8);
    grid->setColumnMinimumWidth(Mark2, 16);
    ui::FormGrid rows(group, grid, gridLook());
    const char *left[] = {"u1", "u2", "u20", "u6", "u8"};
    const char *right[] = {"u9", "u10", "u11", "u12", "u7"};
    for (int i = 0; i < 5; ++i) {
        const QString l = column(left[i]), r = column(right[i]);
        if (l == QLatin1String("u1") || l == QLatin1String("u20") || l == QLatin1String("u8"))
            markRequired(grid, rows.line(), Mark1);
        rows.add(employees::captionOf(l), field(l));
        rows.skip();
        rows.add(employees::captionOf(r), field(r));
        rows.nextLine();
    }
    grid->setColumnStretch(Field2, 1);
    return group;
}

QGroupBox *EmployeeForm::createWorkGroup()
{
    auto *group = ui::groupBox(QStringLiteral("工作信息"), this);
    auto *grid = new QGridLayout(group);
    grid->setColumnMinimumWidth(Mark1, 8);
    ui::FormGrid rows(group, grid, gridLook());
    for (const employees::EmployeeList &list : employees::kLists) {
        const QString c = column(list.column);
        if (c == QLatin1String("u19"))
            markRequired(grid, rows.line(), Mark1);
        rows.add(employees::captionOf(c), field(c), ui::fieldWithButton(field(c), employees::listEditButton(group, list)));
        rows.nextLine();
    }
    for (const Line &l : kDates) {
        const QString c = column(l.column);
        QWidget *shown = m_kind == Kind::New ? static_cast<QWidget *>(m_pickers.at(c)) : m_lines.at(c);
        rows.add(employees::captionOf(c), shown);
        rows.nextLine();
    }
    grid->setRowStretch(rows.line(), 1);
    return group;
}

QGroupBox *EmployeeForm::createContactGroup()
{
    auto *group = ui::groupBox(QStringLiteral("联系方式"), this);
    auto *grid = new QGridLayout(group);
    ui::FormGrid rows(group, grid, gridLook());
    rows.add(employees::captionOf("u13"), field("u13"));
    rows.add(employees::captionOf("u14"), field("u14"));
    rows.nextLine();
    rows.add(employees::captionOf("u15"), field("u15"));
    rows.add(employees::captionOf("u16"), field("u16"));
    rows.nextLine();
    rows.add(employees::captionOf("u22"), field("u22"), 3);
    m_lines.at("u13")->setFixedWidth(kFieldWidth);
    m_lines.at("u14")->setFixedWidth(70);
    m_lines.at("u16")->setFixedWidth(100);
    m_lines.at("u22")->setMinimumWidth(kFieldWidth + 140);
    m_lines.at("u22")->setMaximumWidth(QWIDGETSIZE_MAX);
    grid->setRowStretch(rows.line() + 1, 1);
    grid->setColumnStretch(Caption2 + 1, 1);
    return group;
}

QGroupBox *EmployeeForm::createRemarksGroup()
{
    auto *group = ui::groupBox(QStringLiteral("备注"), this);
    auto *layout = new QVBoxLayout(group);
    m_remarks->setParent(group);
    layout->addWidget(m_remarks);
    return group;
}

void EmployeeForm::setPickLists(TData_in &data)
{
    for (const employees::EmployeeList &list : employees::kLists)
        m_lists.at(column(list.column))->setList(&data.query(QString::fromLatin1(list.table)));
}

void EmployeeForm::bind(data::StandingQuery *employees)
{
    for (const auto &[c, line] : m_lines)
        line->bind(employees, c);
    for (const auto &[c, list] : m_lists)
        list->bind(employees, c);
    m_sex->bind(employees, QStringLiteral("u20"));
    m_remarks->bind(employees, QStringLiteral("u21"));
}

void EmployeeForm::resetDates()
{
    const QDate today = QDate::currentDate();
    for (const auto &[c, picker] : m_pickers) {
        const QSignalBlocker quiet(picker);
        picker->setDate(today);
        m_dateTexts.at(c)->setText(data::dateText(today));
    }
}

QString EmployeeForm::text(const QString &c) const
{
    if (const auto date = m_dateTexts.find(c); date != m_dateTexts.end())
        return date->second->text();
    if (c == QLatin1String("u20"))
        return m_sex->currentText();
    if (c == QLatin1String("u21"))
        return m_remarks->toPlainText();
    if (const auto list = m_lists.find(c); list != m_lists.end())
        return list->second->text();
    return m_lines.at(c)->text();
}

QWidget *EmployeeForm::field(const QString &c) const
{
    if (c == QLatin1String("u20"))
        return m_sex;
    if (c == QLatin1String("u21"))
        return m_remarks;
    if (const auto list = m_lists.find(c); list != m_lists.end())
        return list->second;
    if (const auto picker = m_pickers.find(c); picker != m_pickers.end())
        return picker->second;
    return m_lines.at(c);
}

QDateEdit *EmployeeForm::datePicker(const QString &c) const
{
    const auto picker = m_pickers.find(c);
    return picker == m_pickers.end() ? nullptr : picker->second;
}
