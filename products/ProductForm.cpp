#include "ProductForm.h"

#include "DbControls.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "KeyFilter.h"
#include "ListCombos.h"
#include "PickListEditor.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "WholeNumber.h"
#include "Windows.h"
#include "WrappedValue.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

using Kind = ProductForm::Kind;
using Mode = ui::KeyFilter::Mode;

// Widths, in pixels.
constexpr int kLeftWidth = 150;
constexpr int kRightWidth = 120;
constexpr int kDescriptionHeight = 80;
constexpr int kValueLines = 3; // of a value in the detail window

// Grid columns: the required mark, then a caption and its place, twice.
enum Column { MarkColumn, CaptionColumn, FieldColumn, Caption2Column, Field2Column };

const QColor kLightBlue(166, 202, 240);  // 库 存 量
const QColor kLightGreen(192, 220, 192); // 销售标准价
const QColor kGrey(236, 236, 236);       // the description of the detail window

// The drop-downs: their column, the pick list they offer, the caption of
// its editor and the hint of the small button beside them.
struct PickList {
    const char *column;
    const char *table;
    const char *editorCaption;
    const char *hint;
};
const PickList kPickLists[] = {
    {"o11", "vx16", "产品状态菜单", "编辑"},
    {"o2", "vx13", "产品大类菜单", ""},
    {"o3", "vx14", "产品细类1菜单", ""},
    {"o4", "vx15", "产品细类2菜单", ""},
};

// The one-line places of each side, top to bottom, with their captions.
struct Place {
    const char *column;
    const char *caption;
    bool required; // marked in the new window
};
const Place kLeft[] = {
    {"o1", "名 称:", true}, {"o11", "状 态:", true}, {"o2", "大 类:", true}, {"o3", "细类1:", false}, {"o4", "细类2:", false},
};
const Place kRight[] = {
    {"o8", "创建日期:", false},          {"o10", "库 存 量:  ", false},     {"o5", "  成 本 价:￥", false},
    {"o6", "  销售底价:￥", false}, {"o7", "销售标准价:￥", false},
};

// Which number fields take digits only, window by window. A refused key
// sounds the tone. The edit window's stock takes any key.
bool takesDigitsOnly(Kind kind, const QString &column)
{
    return kind == Kind::New || kind == Kind::Search || column != QLatin1String("o10");
}

QString column(const char *name)
{
    return QString::fromLatin1(name);
}

bool isNumber(const QString &column)
{
    return ProductForm::numberColumns().contains(column);
}

void paint(QWidget *field, const QColor &colour)
{
    QPalette palette = field->palette();
    if (qobject_cast<QLabel *>(field)) {
        field->setAutoFillBackground(true);
        palette.setColor(QPalette::Window, colour);
    } else {
        palette.setColor(QPalette::Base, colour);
    }
    field->setPalette(palette);
}

QLabel *requiredMark(QWidget *parent)
{
    auto *mark = new QLabel(QStringLiteral("*"), parent);
    mark->setStyleSheet(QStringLiteral("color: red;"));
    mark->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return mark;
}

} // namespace

ProductForm::ProductForm(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    createFields();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(m_kind == Kind::Search ? 0 : 10, m_kind == Kind::Search ? 0 : 8,
                               m_kind == Kind::Search ? 0 : 10, m_kind == Kind::Search ? 0 : 10);
    layout->addWidget(createBasicGroup());
    if (m_kind != Kind::Search)
        layout->addWidget(createDescriptionGroup());
    if (m_kind == Kind::New || m_kind == Kind::Edit) {
        m_buttons = new QHBoxLayout;
        m_buttons->addStretch();
        layout->addLayout(m_buttons);
    }
}

const QStringList &ProductForm::numberColumns()
{
    static const QStringList columns{"o10", "o5", "o6", "o7"};
    return columns;
}

void ProductForm::createFields()
{
    const data::RecordDef &record = data::productRecord();
    const auto lineFor = [&](const QString &c, int width) -> QWidget * {
        const data::FieldDef &def = data::field(record, c);
        const int limit = m_kind == Kind::Edit ? def.editLimit : def.newLimit;
        QLineEdit *line = m_kind == Kind::Edit ? ui::textBox<ui::DbEdit>(this, c, limit, width)
                                               : ui::textBox<QLineEdit>(this, c, limit, width);
        if (isNumber(c) && takesDigitsOnly(m_kind, c))
            ui::KeyFilter::install(line, Mode::Digits)->setBeepOnRefusal(true);
        return line;
    };

    for (const auto *side : {std::begin(kLeft), std::begin(kRight)}) {
        for (int i = 0; i < 5; ++i) {
            const QString c = column(side[i].column);
            const int width = side == std::begin(kLeft) ? kLeftWidth : kRightWidth;
            QWidget *place = nullptr;
            if (m_kind == Kind::Detail) {
                // A value of any length keeps the window on the screen.
                place = new ui::WrappedValue(this, width, kValueLines);
                place->setMinimumWidth(width);
            } else if (c == QLatin1String("o8")) {
                if (m_kind == Kind::Search) {
                    m_datePicker = new QDateEdit(this);
                    m_datePicker->setObjectName(QStringLiteral("DateP1"));
                    m_datePicker->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
                    m_datePicker->setCalendarPopup(true);
                    m_datePicker->setFixedWidth(width);
                    place = m_datePicker;
                } else if (m_kind == Kind::Edit) {
                    place = new ui::WrappedValue(this, width, kValueLines);
                } else {
                    place = ui::valueLabel(this);
                }
            } else if (std::any_of(std::begin(kPickLists), std::end(kPickLists),
                                   [&](const PickList &p) { return c == QLatin1String(p.column); })) {
                auto *combo = new ui::PickListCombo(this);
                combo->setMinimumWidth(width - (m_kind == Kind::Search ? 0 : 24));
                place = combo;
            } else {
                place = lineFor(c, width);
            }
            place->setObjectName(c);
            m_fields[c] = place;
        }
    }
    paint(field(QStringLiteral("o10")), kLightBlue);
    paint(field(QStringLiteral("o7")), kLightGreen);

    if (m_kind == Kind::Search)
        return;
    if (m_kind == Kind::Detail) {
        m_description = new QPlainTextEdit(this);
        m_description->setReadOnly(true);
        paint(m_description, kGrey);
    } else {
        auto *memo = new ui::DbMemo(this);
        ui::KeyFilter::install(memo, Mode::NoSpace);
        m_description = memo;
    }
    m_description->setObjectName(QStringLiteral("o9"));
    m_description->setAccessibleName(QStringLiteral("描述"));
    m_description->setFixedHeight(kDescriptionHeight);
    m_fields[QStringLiteral("o9")] = m_description;
}

QWidget *ProductForm::createBasicGroup()
{
    auto *group = new QGroupBox(QStringLiteral("基本信息"), this);
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);
    grid->setColumnMinimumWidth(MarkColumn, 8);
    grid->setColumnMinimumWidth(Caption2Column, 80);
    ui::FormGrid rows(group, grid, {.firstColumn = CaptionColumn, .captions = Qt::AlignRight | Qt::AlignVCenter});
    for (int i = 0; i < 5; ++i) {
        const QString left = column(kLeft[i].column);
        if (kLeft[i].required && m_kind == Kind::New)
            grid->addWidget(requiredMark(group), rows.line(), MarkColumn);
        const bool listButton = qobject_cast<ui::PickListCombo *>(field(left))
                                && (m_kind == Kind::New || m_kind == Kind::Edit);
        if (listButton)
            rows.add(QString::fromUtf8(kLeft[i].caption), field(left), withListButton(left));
        else
            rows.add(QString::fromUtf8(kLeft[i].caption), field(left));
        const QString right = column(kRight[i].column);
        if (right == QLatin1String("o8") && m_kind == Kind::Detail)
            rows.skip(2); // the detail window shows the creation date below
        else if (right == QLatin1String("o8") && m_kind == Kind::Search)
            rows.add(QStringLiteral("创建日期:  "), field(right));
        else
            rows.add(QString::fromUtf8(kRight[i].caption), field(right));
        rows.nextLine();
    }
    if (m_kind == Kind::Detail)
        rows.add(QStringLiteral("创建日期:"), field(QStringLiteral("o8")));
    return group;
}

QWidget *ProductForm::createDescriptionGroup()
{
    auto *group = new QGroupBox(QStringLiteral("描述"), this);
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(m_description);
    return group;
}

// A drop-down with the small button that opens the editor of its list.
QHBoxLayout *ProductForm::withListButton(const QString &c)
{
    const auto *list = std::find_if(std::begin(kPickLists), std::end(kPickLists),
                                    [&](const PickList &p) { return c == QLatin1String(p.column); });
    const QString editorCaption = QString::fromUtf8(list->editorCaption);
    const QString table = column(list->table);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(field(c), 1);
    QToolButton *button = PickListEditor::editButton(this, ui::names::Tlist_chanpin, table, editorCaption, editorCaption);
    button->setToolTip(QString::fromUtf8(list->hint)); // only the status button has a hint
    qobject_cast<ui::PickListCombo *>(field(c))->setAddButton(button);
    row->addWidget(button);
    return row;
}

void ProductForm::setPickLists(TData_in &data)
{
    for (const PickList &p : kPickLists)
        list(column(p.column))->setList(&data.query(column(p.table)));
}

void ProductForm::bind(data::StandingQuery *products)
{
    for (const auto &[c, w] : m_fields) {
        if (auto *edit = qobject_cast<ui::DbEdit *>(w))
            edit->bind(products, c);
        else if (auto *combo = qobject_cast<ui::PickListCombo *>(w))
            combo->bind(products, c);
        else if (auto *label = qobject_cast<ui::WrappedValue *>(w))
            label->bind(products, c);
    }
    if (auto *memo = qobject_cast<ui::DbMemo *>(m_description))
        memo->bind(products, QStringLiteral("o9"));
}

void ProductForm::setButtons(const QList<QWidget *> &buttons)
{
    for (QWidget *b : buttons)
        m_buttons->addWidget(b);
}

QString ProductForm::text(const QString &c) const
{
    QWidget *w = field(c);
    if (auto *combo = qobject_cast<ui::PickListCombo *>(w))
        return combo->text();
    if (auto *line = qobject_cast<QLineEdit *>(w))
        return line->text();
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        return memo->toPlainText();
    if (auto *date = qobject_cast<QDateEdit *>(w))
        return date->text();
    return {};
}

QString ProductForm::numberProblem() const
{
    for (const QString &c : numberColumns()) {
        const QString typed = text(c);
        const data::NumberCheck check = data::checkWholeNumber(typed);
        if (!typed.isEmpty() && check != data::NumberCheck::Whole)
            return data::numberWarning(data::field(data::productRecord(), c).caption, check);
    }
    return {};
}

void ProductForm::setText(const QString &c, const QString &text)
{
    QWidget *w = field(c);
    if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
    else if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        memo->setPlainText(text);
}

QLineEdit *ProductForm::line(const QString &c) const
{
    return qobject_cast<QLineEdit *>(field(c));
}

ui::PickListCombo *ProductForm::list(const QString &c) const
{
    return qobject_cast<ui::PickListCombo *>(field(c));
}
