#include "CustomerForm.h"

#include "DbControls.h"
#include "DbNavigator.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "KeyFilter.h"
#include "ListCombos.h"
#include "TextLimit.h"

#include <QButtonGroup>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace customers {

namespace {

using Mode = ui::KeyFilter::Mode;

// Puts the key filter of a typed field on its box; any key is taken without one.
void filterKeys(QWidget *box, const data::FieldDef &field)
{
    if (const std::optional<Mode> mode = ui::keyMode(field.entry))
        ui::KeyFilter::install(box, *mode, field.extraKeys);
}

// Section heights of the form, top to bottom; the button row ends at the
// short height, the supplementary group fills the rest.
constexpr int kStripHeight = 20;
constexpr int kButtonRowHeight = 44;
constexpr int kBodyHeight = kShortHeight - kStripHeight - kButtonRowHeight;

// Widths of the boxes of a phone group, and of the captions.
constexpr int kAreaWidth = 46;
constexpr int kNumberWidth = 118;
constexpr int kExtensionWidth = 64;
constexpr int kCaptionWidth = 50;
constexpr int kRowHeight = 22;

const QColor kCream(0xff, 0xfb, 0xf0);

const data::RecordDef &record()
{
    return data::customerRecord();
}

// What the windows call the field of a column.
QString captionOf(const char *column)
{
    return data::field(record(), QLatin1String(column)).caption;
}

// The columns typed into one-line fields, in the order of the form.
QStringList lineColumns()
{
    QStringList columns;
    for (const data::FieldDef &field : record().fields) {
        if (field.input == data::Input::Line)
            columns << field.column;
    }
    return columns;
}

// Builds the form's controls into a sheet the size of the full form; the
// window shows its top part or all of it.
class Builder {
public:
    Builder(CustomerFormUi &ui, FormKind kind, QWidget *sheet) : ui(ui), kind(kind), sheet(sheet) {}

    QWidget *basicGroup();
    QWidget *ratingGroup();
    QWidget *affiliationGroup();
    QWidget *descriptionGroup();
    QWidget *buttonRow();
    QGroupBox *supplementGroup();

private:
    bool isNew() const { return kind == FormKind::New; }
    ui::DbEdit *lineEdit(const QString &column, int width = 0, bool named = false);
    QLabel *star(bool shown);
    QHBoxLayout *phoneBoxes(const QStringList &columns);
    QLabel *phoneHint();
    QToolButton *listButton(const QString &name, const QString &glyph);
    ui::PickListCombo *pickList(const char *column);
    QGridLayout *captionedGrid(QGroupBox *group);
    void addRow(ui::FormGrid &rows, bool required, const QString &text, QWidget *buddy, QLayout *content);
    void addRow(ui::FormGrid &rows, bool required, const char *column, QWidget *field, QLayout *content);
    QHBoxLayout *moreLine(const std::vector<data::Shown> &line);

    CustomerFormUi &ui;
    FormKind kind;
    QWidget *sheet;
};

// A one-line box of a column, with the limit and the keys of its field. A
// box that no caption names (the later boxes of a telephone line) carries
// its field's caption as its name.
ui::DbEdit *Builder::lineEdit(const QString &column, int width, bool named)
{
    const data::FieldDef &typed = data::field(record(), column);
    Q_ASSERT(typed.input == data::Input::Line);
    auto *edit = new ui::DbEdit(sheet);
    edit->setObjectName(column);
    ui::limitText(edit, isNew() ? typed.newLimit : typed.editLimit);
    filterKeys(edit, typed);
    if (width > 0)
        edit->setFixedWidth(width);
    if (named)
        edit->setAccessibleName(typed.caption);
    ui.lines[column] = edit;
    return edit;
}

// The red mark of a required field; an empty cell of the same width elsewhere.
QLabel *Builder::star(bool shown)
{
    auto *label = new QLabel(shown ? QStringLiteral("*") : QString(), sheet);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(red);
    label->setFixedWidth(8);
    return label;
}

// Area code "-" number " 转 " extension, or prefix "-" number, each box named
// by its field.
QHBoxLayout *Builder::phoneBoxes(const QStringList &columns)
{
    static constexpr int widths[] = {kAreaWidth, kNumberWidth, kExtensionWidth};
    QList<ui::DbEdit *> boxes;
    for (qsizetype i = 0; i < columns.size(); ++i)
        boxes << lineEdit(columns[i], widths[i], true);
    return ui::phoneRow(boxes[0], boxes[1], boxes.value(2));
}

QLabel *Builder::phoneHint()
{
    auto *hint = new ui::PhoneHeading({ui.line("a19"), ui.line("a3"), ui.line("a22")}, Qt::AlignHCenter, sheet);
    hint->setObjectName(QStringLiteral("phoneHint"));
    return hint;
}

QToolButton *Builder::listButton(const QString &name, const QString &glyph)
{
    auto *button = new QToolButton(sheet);
    button->setText(glyph);
    button->setAccessibleName(name);
    button->setToolTip(name);
    button->setFixedSize(24, kRowHeight);
    return button;
}

ui::PickListCombo *Builder::pickList(const char *column)
{
    auto *combo = new ui::PickListCombo(sheet);
    combo->setObjectName(QLatin1String(column));
    combo->setFixedHeight(kRowHeight);
    return combo;
}

// A grid of captioned rows: the required mark, the caption, the field.
QGridLayout *Builder::captionedGrid(QGroupBox *group)
{
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(2, 1);
    return grid;
}

void Builder::addRow(ui::FormGrid &rows, bool required, const QString &text, QWidget *buddy, QLayout *content)
{
    rows.grid()->addWidget(star(required && isNew()), rows.line(), 0);
    rows.add(text, buddy, content)->setFixedWidth(kCaptionWidth);
    rows.nextLine();
}

void Builder::addRow(ui::FormGrid &rows, bool required, const char *column, QWidget *field, QLayout *content)
{
    addRow(rows, required, captionOf(column), field, content);
}

QHBoxLayout *single(QWidget *w, bool stretch = true)
{
    auto *row = new QHBoxLayout;
    row->addWidget(w);
    if (stretch)
        row->addStretch();
    return row;
}

QWidget *Builder::basicGroup()
{
    auto *group = new QGroupBox(QStringLiteral("基本信息"), sheet);
    ui::FormGrid rows(sheet, captionedGrid(group), {.firstColumn = 1});

    auto *name = new QHBoxLayout;
    name->addWidget(lineEdit(QStringLiteral("a1"), 110));
    ui.salutation = new ui::DbComboBox(sheet);
    ui.salutation->setObjectName(QStringLiteral("a12"));
    ui.salutation->addItems({QStringLiteral("先生"), QStringLiteral("女士")});
    ui.salutation->setAccessibleName(captionOf("a12"));
    ui.salutation->setFixedWidth(64);
    name->addWidget(ui.salutation);
    name->addStretch();
    addRow(rows, true, "a1", ui.line("a1"), name);
    ui::DbEdit *english = lineEdit(QStringLiteral("a2"), 200);
    addRow(rows, false, "a2", english, single(english));
    // A phone caption leads to the first box of its line.
    QHBoxLayout *phone = phoneBoxes({"a19", "a3", "a22"});
    rows.skip();
    rows.addSpanning(phoneHint(), 1);
    rows.nextLine();
    addRow(rows, true, QStringLiteral("电  话"), ui.line("a19"), phone);
    QHBoxLayout *fax = phoneBoxes({"a21", "a7", "a24"});
    addRow(rows, false, QStringLiteral("传  真"), ui.line("a21"), fax);
    QHBoxLayout *mobile = phoneBoxes({"a27", "a5"});
    addRow(rows, false, QStringLiteral("手  机"), ui.line("a27"), mobile);
    ui::DbEdit *mail = lineEdit(QStringLiteral("a8"), 250);
    addRow(rows, false, "a8", mail, single(mail));
    if (!isNew()) {
        ui.ratingList = new ui::DbComboBox(sheet);
        ui.ratingList->setObjectName(QStringLiteral("a11"));
        ui.ratingList->addItems({"1", "2", "3", "4", "5"});
        ui.ratingList->setFixedWidth(64);
        addRow(rows, false, "a11", ui.ratingList, single(ui.ratingList));
    }
    rows.grid()->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), 8, 0);
    return group;
}

QWidget *Builder::ratingGroup()
{
    auto *group = new QGroupBox(QStringLiteral("评级"), sheet);
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(10, 2, 10, 4);
    ui.ratingButtons = new QButtonGroup(group);
    const QString digits[] = {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"), QStringLiteral("四"),
                              QStringLiteral("五")};
    for (int i = 0; i < 5; ++i) {
        auto *radio = new QRadioButton(digits[i], group);
        ui.ratingButtons->addButton(radio, i + 1);
        row->addWidget(radio);
    }
    return group;
}

QWidget *Builder::affiliationGroup()
{
    auto *group = new QGroupBox(QStringLiteral("所属"), sheet);
    ui::FormGrid rows(sheet, captionedGrid(group), {.firstColumn = 1});

    auto *company = new QHBoxLayout;
    QWidget *companyField;
    if (isNew()) {
        ui.companyList = new ui::QueryCombo(sheet);
        ui.companyList->setObjectName(QStringLiteral("a18"));
        ui.companyList->setFixedHeight(kRowHeight);
        ui.newCompanyButton = listButton(QStringLiteral("新建公司"), QStringLiteral("+"));
        ui.companyList->setAddButton(ui.newCompanyButton);
        companyField = ui.companyList;
        company->addWidget(ui.companyList, 1);
        company->addWidget(ui.newCompanyButton);
    } else {
        ui.companyText = new ui::DbLabel(sheet);
        ui.companyText->setObjectName(QStringLiteral("a18"));
        ui.companyText->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        ui.companyText->setFixedHeight(kRowHeight);
        ui.companyText->setTextInteractionFlags(Qt::TextSelectableByMouse);
        companyField = ui.companyText;
        company->addWidget(ui.companyText, 1);
    }
    addRow(rows, true, "a18", companyField, company);

    ui.department = pickList("a13");
    ui.departmentButton = listButton(QStringLiteral("部门菜单"), QStringLiteral("..."));
    ui.department->setAddButton(ui.departmentButton);
    auto *department = new QHBoxLayout;
    department->addWidget(ui.department, 1);
    department->addWidget(ui.departmentButton);
    addRow(rows, false, "a13", ui.department, department);

    ui.jobTitle = pickList("a26");
    ui.jobTitleButton = listButton(QStringLiteral("职务菜单"), QStringLiteral("..."));
    ui.jobTitle->setAddButton(ui.jobTitleButton);
    auto *jobTitle = new QHBoxLayout;
    jobTitle->addWidget(ui.jobTitle, 1);
    jobTitle->addWidget(ui.jobTitleButton);
    addRow(rows, false, "a26", ui.jobTitle, jobTitle);
    return group;
}

QWidget *Builder::descriptionGroup()
{
    const data::FieldDef &description = data::field(record(), QStringLiteral("a17"));
    auto *group = new QGroupBox(description.caption, sheet);
    auto *box = new QVBoxLayout(group);
    box->setContentsMargins(6, 2, 6, 6);
    ui.description = new ui::DbMemo(sheet);
    ui.description->setObjectName(description.column);
    ui.description->setAccessibleName(description.caption);
    ui::limitText(ui.description, isNew() ? description.newLimit : description.editLimit);
    ui.description->setMinimumHeight(36);
    filterKeys(ui.description, description);
    if (isNew()) {
        QPalette cream = ui.description->palette();
        cream.setColor(QPalette::Base, kCream);
        ui.description->setPalette(cream);
    }
    box->addWidget(ui.description);
    return group;
}

QWidget *Builder::buttonRow()
{
    auto *strip = new QWidget(sheet);
    strip->setFixedHeight(kButtonRowHeight);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(8, 8, 8, 10);
    auto push = [&](const QString &text) {
        auto *button = new QPushButton(text, strip);
        button->setAutoDefault(false);
        button->setMinimumWidth(80);
        return button;
    };
    ui.moreButton = push(QStringLiteral("补充信息..."));
    row->addWidget(ui.moreButton);
    row->addStretch();
    if (isNew()) {
        ui.okButton = push(QStringLiteral("确定"));
        ui.okButton->setDefault(true);
        row->addWidget(ui.okButton);
    } else {
        ui.navigator = new ui::DbNavigator(strip);
        row->addWidget(ui.navigator);
    }
    ui.cancelButton = push(QStringLiteral("取消"));
    row->addWidget(ui.cancelButton);
    return strip;
}

// One line of the supplementary part: its places side by side, each with its
// caption. A telephone line's caption, and the first of the line, take the
// caption width.
QHBoxLayout *Builder::moreLine(const std::vector<data::Shown> &line)
{
    constexpr int kMoreCaptionWidth = 60;
    auto *row = new QHBoxLayout;
    row->setSpacing(6);
    for (size_t i = 0; i < line.size(); ++i) {
        const data::Shown &place = line[i];
        const bool phone = place.columns.size() > 1;
        if (i > 0)
            row->addSpacing(16);
        QLayout *boxes = phone ? phoneBoxes(place.columns) : nullptr;
        ui::DbEdit *first = phone ? ui.line(place.columns.first()) : lineEdit(place.columns.first(), place.width);
        QLabel *label = ui::caption(data::captionOf(record(), place), first, sheet);
        if (phone || i == 0)
            label->setFixedWidth(kMoreCaptionWidth);
        row->addWidget(label);
        if (boxes)
            row->addLayout(boxes);
        else
            row->addWidget(first, place.width > 0 ? 0 : 1);
    }
    return row;
}

QGroupBox *Builder::supplementGroup()
{
    auto *group = new QGroupBox(QStringLiteral("填写客户补充信息"), sheet);
    auto *rows = new QVBoxLayout(group);
    rows->setSpacing(0);
    rows->addStretch(1);
    for (const std::vector<data::Shown> &line : record().moreLines) {
        if (rows->count() > 1)
            rows->addStretch(2);
        rows->addLayout(moreLine(line));
    }
    rows->addStretch(1);
    return group;
}

} // namespace

const QStringList kLineColumns = lineColumns();

void CustomerFormUi::setupUi(QDialog *window, FormKind kind)
{
    dialog = window;
    dialog->setFixedSize(kFormWidth, kShortHeight);

    auto *sheet = new QWidget(dialog);
    sheet->setObjectName(QStringLiteral("customerForm"));
    sheet->setGeometry(0, 0, kFormWidth, kFullHeight);
    Builder build(*this, kind, sheet);

    auto *page = new QVBoxLayout(sheet);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(ui::titleStrip(dialog->windowTitle(), sheet, ui::strips::customerForm));

    auto *body = new QWidget(sheet);
    body->setFixedHeight(kBodyHeight);
    auto *columns = new QHBoxLayout(body);
    columns->setContentsMargins(8, 4, 8, 0);
    columns->setSpacing(8);
    columns->addWidget(build.basicGroup(), 1);
    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    if (kind == FormKind::New)
        right->addWidget(build.ratingGroup());
    right->addWidget(build.affiliationGroup());
    right->addWidget(build.descriptionGroup(), 1);
    columns->addLayout(right, 1);
    page->addWidget(body);

    page->addWidget(build.buttonRow());
    auto *lower = new QWidget(sheet);
    lower->setFixedHeight(kFullHeight - kShortHeight);
    auto *lowerBox = new QVBoxLayout(lower);
    lowerBox->setContentsMargins(8, 0, 8, 8);
    supplement = build.supplementGroup();
    lowerBox->addWidget(supplement);
    page->addWidget(lower);
}

void CustomerFormUi::showShortForm()
{
    dialog->setFixedSize(kFormWidth, kShortHeight);
    supplement->setEnabled(false);
}

void CustomerFormUi::showFullForm()
{
    dialog->setFixedSize(kFormWidth, kFullHeight);
    supplement->setEnabled(true);
}

} // namespace customers
