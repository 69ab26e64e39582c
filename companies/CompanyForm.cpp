#include "CompanyForm.h"

#include "DbControls.h"
#include "FieldLink.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "ListCombos.h"
#include "PickListEditor.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "Windows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace {

using Mode = ui::KeyFilter::Mode;

// Widths of the entry fields, in pixels.
constexpr int kFieldWidth = 190;
constexpr int kAreaCodeWidth = 46;
constexpr int kNumberWidth = 120;
constexpr int kExtensionWidth = 64;
constexpr int kDescriptionHeight = 90;

// Grid columns: the required mark, a caption and its field, twice.
enum Column { MarkColumn, CaptionColumn, FieldColumn, Caption2Column, Field2Column };

const QColor kCream(255, 251, 240);

// The one-line fields: their column, the name they have always had, their
// width (the telephone boxes have theirs; the others are at least
// kFieldWidth wide) and, for a telephone box, what names it on its line.
// Their limits and the keys they take come from the company record.
struct Line {
    const char *column;
    const char *name;
    int width;
    const char *boxName;
};
const Line kLines[] = {
    {"c1", "Edit1", 0, ""},
    {"c3", "Edit5", 0, ""},
    {"c2", "Edit2", 0, ""},
    {"c4", "Edit3", 0, ""},
    {"c5", "Edit4", 0, ""},
    {"c6", "Edit6", 0, ""},
    {"c14", "Edit7", kAreaCodeWidth, "总机区号"},
    {"c11", "Edit10", kNumberWidth, "总机号码"},
    {"c15", "Edit8", kAreaCodeWidth, "传真区号"},
    {"c12", "Edit11", kNumberWidth, "传真号码"},
    {"c16", "Edit13", kExtensionWidth, "分机号"},
    {"c8", "Edit9", 0, ""},
};

// The drop-downs: their column, name, the pick list they offer and the
// caption of its editor.
struct PickList {
    const char *column;
    const char *name;
    const char *table;
    const char *editorCaption;
};
const PickList kPickLists[] = {
    {"c9", "DBBox2", "vx6", "所属行业菜单"},
    {"c10", "DBBox3", "vx7", "销售规模菜单"},
    {"c7", "DBBox1", "vx8", "关系菜单"},
};

// A telephone line of a company: its boxes close together, no texts between them.
const ui::PhoneLook kPhoneLook{.dash = {}, .extension = {}, .spacing = 4};

QLabel *requiredMark(QWidget *parent, bool shown)
{
    auto *mark = new QLabel(QStringLiteral("*"), parent);
    mark->setStyleSheet(QStringLiteral("color: red;"));
    mark->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A window without required fields hides the marks but keeps the layout.
    QSizePolicy policy = mark->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    mark->setSizePolicy(policy);
    if (!shown)
        mark->hide();
    return mark;
}

QString column(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

CompanyForm::CompanyForm(Kind kind, QWidget *parent) : QWidget(parent)
{
    createFields(kind);
    createLayout(kind);
}

void CompanyForm::createFields(Kind kind)
{
    const bool isNew = kind == Kind::New;
    for (const Line &l : kLines) {
        const QString name = QString::fromLatin1(l.name);
        const data::FieldDef &field = data::field(data::companyRecord(), column(l.column));
        const int limit = isNew ? field.newLimit : field.editLimit;
        const std::optional<Mode> keys = isNew ? ui::keyMode(field.entry) : std::nullopt;
        // The name is copied into customers when they are saved: it is shown, never written.
        QLineEdit *edit = qstrcmp(l.column, "c1") == 0
                              ? ui::textBox<QLineEdit>(this, name, limit, l.width, keys, field.extraKeys)
                              : ui::textBox<ui::DbEdit>(this, name, limit, l.width, keys, field.extraKeys);
        if (l.width == 0)
            edit->setMinimumWidth(kFieldWidth);
        if (*l.boxName)
            edit->setAccessibleName(QString::fromUtf8(l.boxName));
        m_lines[column(l.column)] = edit;
    }
    if (!isNew) {
        QLineEdit *name = line(QStringLiteral("c1"));
        name->setReadOnly(true);
        QPalette fixed = name->palette();
        fixed.setColor(QPalette::Base, fixed.color(QPalette::Window));
        name->setPalette(fixed);
    }

    for (const PickList &p : kPickLists) {
        auto *combo = new ui::PickListCombo(this);
        combo->setObjectName(QString::fromLatin1(p.name));
        m_lists[column(p.column)] = combo;
    }

    m_description = new ui::DbMemo(this);
    m_description->setObjectName(QStringLiteral("RichEdit1"));
    m_description->setFixedHeight(kDescriptionHeight);
    const data::FieldDef &description = data::field(data::companyRecord(), QStringLiteral("c13"));
    if (isNew)
        ui::KeyFilter::install(m_description, *ui::keyMode(description.entry));
    else
        ui::limitText(m_description, description.editLimit);
    QPalette cream = m_description->palette();
    cream.setColor(QPalette::Base, kCream);
    m_description->setPalette(cream);
}

void CompanyForm::createLayout(Kind kind)
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(7);
    grid->setColumnMinimumWidth(Caption2Column, 70);
    outer->addLayout(grid);

    auto l = [this](const char *c) { return line(column(c)); };
    ui::FormGrid rows(this, grid, {.firstColumn = CaptionColumn, .captions = Qt::AlignRight | Qt::AlignVCenter});
    auto markRequired = [&] { grid->addWidget(requiredMark(this, kind == Kind::New), rows.line(), MarkColumn); };

    markRequired();
    rows.add(QStringLiteral("公司名称:"), l("c1"), 3);
    rows.nextLine();
    rows.add(QStringLiteral("简称:"), l("c3"));
    rows.add(QStringLiteral("英文名称:"), l("c2"));
    rows.nextLine();
    rows.add(QStringLiteral("地    址:"), l("c4"), 3);
    rows.nextLine();
    rows.add(QStringLiteral("邮编:"), l("c5"));
    rows.add(QStringLiteral("网    站:"), l("c6"));
    rows.nextLine();
    rows.skip();
    rows.addSpanning(new ui::PhoneHeading({l("c15"), l("c12"), l("c16")}, Qt::AlignLeft, this), 3);
    rows.nextLine();
    markRequired();
    rows.add(QStringLiteral("总    机:"), l("c14"), ui::phoneRow(l("c14"), l("c11"), nullptr, kPhoneLook), 3);
    rows.nextLine();
    rows.add(QStringLiteral("传    真:"), l("c15"), ui::phoneRow(l("c15"), l("c12"), l("c16"), kPhoneLook), 3);
    rows.nextLine();
    const QString industry = column("c9"), scale = column("c10"), relationship = column("c7");
    rows.add(QStringLiteral("所属行业:"), m_lists[industry], withListButton(m_lists[industry]));
    rows.add(QStringLiteral("销售规模:"), m_lists[scale], withListButton(m_lists[scale]));
    rows.nextLine();
    rows.add(QStringLiteral("产    品:"), l("c8"));
    rows.add(QStringLiteral("关    系:"), m_lists[relationship], withListButton(m_lists[relationship]));

    QLabel *description = ui::caption(QStringLiteral("描述"), m_description, this);
    description->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    outer->addSpacing(4);
    outer->addWidget(description);
    outer->addWidget(m_description);

    m_bottom = new QHBoxLayout;
    outer->addSpacing(4);
    outer->addLayout(m_bottom);

    // Tab goes through the fields in screen order, whatever row holds them.
    const QList<QWidget *> order{l("c1"),  l("c3"),  l("c2"),  l("c4"),  l("c5"),  l("c6"),
                                 l("c14"), l("c11"), l("c15"), l("c12"), l("c16"), m_lists[industry],
                                 m_lists[scale], l("c8"), m_lists[relationship], m_description};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// A drop-down with the small button that opens the editor of its list.
QHBoxLayout *CompanyForm::withListButton(ui::PickListCombo *combo)
{
    const auto *list = std::find_if(std::begin(kPickLists), std::end(kPickLists),
                                    [combo](const PickList &p) { return combo->objectName() == QLatin1String(p.name); });
    const QString editorCaption = QString::fromUtf8(list->editorCaption);
    const QString table = QString::fromLatin1(list->table);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    combo->setMinimumWidth(kFieldWidth - 26);
    row->addWidget(combo, 1);

    auto *button = new QToolButton(this);
    button->setText(QStringLiteral("..."));
    button->setToolTip(editorCaption);
    button->setAccessibleName(editorCaption);
    button->setFixedSize(22, 22);
    button->setFocusPolicy(Qt::NoFocus);
    row->addWidget(button);
    connect(button, &QToolButton::clicked, this, [table, editorCaption] {
        if (auto *editor = ui::Windows::get<PickListEditor>(ui::names::Tlist_gongsi))
            editor->openOn(table, editorCaption);
    });
    return row;
}

void CompanyForm::setPickLists(TData_in &data)
{
    for (const PickList &p : kPickLists)
        m_lists.at(column(p.column))->setList(&data.query(QString::fromLatin1(p.table)));
}

void CompanyForm::bind(data::StandingQuery *companies)
{
    QLineEdit *name = line(QStringLiteral("c1"));
    new ui::FieldLink(name, companies, QStringLiteral("c1"), [name](const QString &value, bool) { name->setText(value); });
    for (const Line &l : kLines) {
        if (auto *edit = qobject_cast<ui::DbEdit *>(line(column(l.column))))
            edit->bind(companies, column(l.column));
    }
    for (const PickList &p : kPickLists)
        m_lists.at(column(p.column))->bind(companies, column(p.column));
    m_description->bind(companies, QStringLiteral("c13"));
}

void CompanyForm::setBottomRow(QWidget *rating, const QList<QWidget *> &buttons)
{
    m_bottom->addWidget(rating);
    m_bottom->addStretch();
    for (QWidget *b : buttons)
        m_bottom->addWidget(b, 0, Qt::AlignBottom);
}

void CompanyForm::reset()
{
    for (const auto &[column, edit] : m_lines)
        edit->clear();
    line(QStringLiteral("c14"))->setText(QStringLiteral("0"));
    line(QStringLiteral("c15"))->setText(QStringLiteral("0"));
    m_description->clear();
    for (const auto &[column, combo] : m_lists)
        combo->clearChoice();
    line(QStringLiteral("c1"))->setFocus();
}

QString CompanyForm::text(const QString &column) const
{
    if (column == QLatin1String("c13"))
        return m_description->toPlainText();
    if (const auto list = m_lists.find(column); list != m_lists.end())
        return list->second->text();
    return line(column)->text();
}
