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

// The columns typed into one-line fields, in the order of the form.
QStringList lineColumns()
{
    QStringList columns;
    for (const data::FieldDef &field : data::customerRecord().fields) {
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
    ui::DbEdit *lineEdit(const char *column, int width = 0, const QString &name = {});
    QLabel *caption(const QString &text, QWidget *buddy, int width = kCaptionWidth);
    QLabel *star(bool shown);
    QHBoxLayout *phoneBoxes(const QString &caption, const char *area, const char *number, const char *extension);
    QLabel *phoneHint();
    QToolButton *listButton(const QString &name, const QString &glyph);
    ui::PickListCombo *pickList(const char *column);
    void addRow(QGridLayout *grid, int row, bool required, const QString &text, QWidget *buddy, QLayout *content);

    CustomerFormUi &ui;
    FormKind kind;
    QWidget *sheet;
};

ui::DbEdit *Builder::lineEdit(const char *column, int width, const QString &name)
{
    const data::FieldDef *typed = data::findField(data::customerRecord(), QLatin1String(column));
    Q_ASSERT(typed && typed->input == data::Input::Line);
    auto *edit = new ui::DbEdit(sheet);
    edit->setObjectName(QLatin1String(column));
    ui::limitText(edit, isNew() ? typed->newLimit : typed->editLimit);
    filterKeys(edit, *typed);
    if (width > 0)
        edit->setFixedWidth(width);
    if (!name.isEmpty())
        edit->setAccessibleName(name);
    ui.lines[QLatin1String(column)] = edit;
    return edit;
}

QLabel *Builder::caption(const QString &text, QWidget *buddy, int width)
{
    auto *label = new QLabel(text, sheet);
    label->setBuddy(buddy);
    if (width > 0)
        label->setFixedWidth(width);
    return label;
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

// Area code "-" number " 转 " extension, or prefix "-" number. Each box is
// named by the group's caption and its part, as the hint line above names them.
QHBoxLayout *Builder::phoneBoxes(const QString &caption, const char *area, const char *number, const char *extension)
{
    ui::DbEdit *areaBox = lineEdit(area, kAreaWidth, caption + QStringLiteral(" 区号"));
    ui::DbEdit *numberBox = lineEdit(number, kNumberWidth, caption + QStringLiteral(" 号码"));
    ui::DbEdit *extensionBox =
        extension ? lineEdit(extension, kExtensionWidth, caption + QStringLiteral(" 分机号")) : nullptr;
    return ui::phoneRow(areaBox, numberBox, extensionBox);
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

void Builder::addRow(QGridLayout *grid, int row, bool required, const QString &text, QWidget *buddy, QLayout *content)
{
    grid->addWidget(star(required && isNew()), row, 0);
    grid->addWidget(caption(text, buddy), row, 1);
    grid->addLayout(content, row, 2);
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
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(2, 1);

    auto *name = new QHBoxLayout;
    name->addWidget(lineEdit("a1", 110));
    ui.salutation = new ui::DbComboBox(sheet);
    ui.salutation->setObjectName(QStringLiteral("a12"));
    ui.salutation->addItems({QStringLiteral("先生"), QStringLiteral("女士")});
    ui.salutation->setAccessibleName(QStringLiteral("称呼"));
    ui.salutation->setFixedWidth(64);
    name->addWidget(ui.salutation);
    name->addStretch();
    addRow(grid, 0, true, QStringLiteral("中文名"), ui.line("a1"), name);
    ui::DbEdit *english = lineEdit("a2", 200);
    addRow(grid, 1, false, QStringLiteral("英文名"), english, single(english));
    // A phone caption leads to the first box of its group.
    QHBoxLayout *phone = phoneBoxes(QStringLiteral("电  话"), "a19", "a3", "a22");
    grid->addWidget(phoneHint(), 2, 2);
    addRow(grid, 3, true, QStringLiteral("电  话"), ui.line("a19"), phone);
    QHBoxLayout *fax = phoneBoxes(QStringLiteral("传  真"), "a21", "a7", "a24");
    addRow(grid, 4, false, QStringLiteral("传  真"), ui.line("a21"), fax);
    QHBoxLayout *mobile = phoneBoxes(QStringLiteral("手  机"), "a27", "a5", nullptr);
    addRow(grid, 5, false, QStringLiteral("手  机"), ui.line("a27"), mobile);
    ui::DbEdit *mail = lineEdit("a8", 250);
    addRow(grid, 6, false, QStringLiteral("E-mail"), mail, single(mail));
    if (!isNew()) {
        ui.ratingList = new ui::DbComboBox(sheet);
        ui.ratingList->setObjectName(QStringLiteral("a11"));
        ui.ratingList->addItems({"1", "2", "3", "4", "5"});
        ui.ratingList->setFixedWidth(64);
        addRow(grid, 7, false, QStringLiteral("评  级"), ui.ratingList, single(ui.ratingList));
    }
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding), 8, 0);
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
    auto *grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(2, 1);

    auto *company = new QHBoxLayout;
    QWidget *companyField;
    if (isNew()) {
        ui.companyList = new ui::QueryCombo(sheet);
        ui.companyList->setObjectName(QStringLiteral("a18"));
        ui.companyList->setFixedHeight(kRowHeight);
        ui.newCompanyButton = listButton(QStringLiteral("新建公司"), QStringLiteral("+"));
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
    addRow(grid, 0, true, QStringLiteral("公  司"), companyField, company);

    ui.department = pickList("a13");
    ui.departmentButton = listButton(QStringLiteral("部门菜单"), QStringLiteral("..."));
    auto *department = new QHBoxLayout;
    department->addWidget(ui.department, 1);
    department->addWidget(ui.departmentButton);
    addRow(grid, 1, false, QStringLiteral("部  门"), ui.department, department);

    ui.jobTitle = pickList("a26");
    ui.jobTitleButton = listButton(QStringLiteral("职务菜单"), QStringLiteral("..."));
    auto *jobTitle = new QHBoxLayout;
    jobTitle->addWidget(ui.jobTitle, 1);
    jobTitle->addWidget(ui.jobTitleButton);
    addRow(grid, 2, false, QStringLiteral("职  务"), ui.jobTitle, jobTitle);
    return group;
}

QWidget *Builder::descriptionGroup()
{
    auto *group = new QGroupBox(QStringLiteral("描述"), sheet);
    auto *box = new QVBoxLayout(group);
    box->setContentsMargins(6, 2, 6, 6);
    ui.description = new ui::DbMemo(sheet);
    ui.description->setObjectName(QStringLiteral("a17"));
    ui.description->setAccessibleName(QStringLiteral("描述"));
    const data::FieldDef *description = data::findField(data::customerRecord(), QStringLiteral("a17"));
    ui::limitText(ui.description, isNew() ? description->newLimit : description->editLimit);
    ui.description->setMinimumHeight(36);
    filterKeys(ui.description, *description);
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

QGroupBox *Builder::supplementGroup()
{
    auto *group = new QGroupBox(QStringLiteral("填写客户补充信息"), sheet);
    auto *rows = new QVBoxLayout(group);
    rows->setSpacing(0);
    rows->addStretch(1);

    auto *phones = new QHBoxLayout;
    phones->setSpacing(6);
    QHBoxLayout *phone = phoneBoxes(QStringLiteral("电   话2"), "a20", "a4", "a23");
    phones->addWidget(caption(QStringLiteral("电   话2"), ui.line("a20"), 60));
    phones->addLayout(phone);
    phones->addSpacing(16);
    QHBoxLayout *mobile = phoneBoxes(QStringLiteral("手   机2"), "a28", "a6", nullptr);
    phones->addWidget(caption(QStringLiteral("手   机2"), ui.line("a28"), 60));
    phones->addLayout(mobile);
    rows->addLayout(phones);
    rows->addStretch(2);

    auto *home = new QHBoxLayout;
    home->setSpacing(6);
    ui::DbEdit *address = lineEdit("a15");
    home->addWidget(caption(QStringLiteral("家庭地址"), address, 60));
    home->addWidget(address, 1);
    rows->addLayout(home);
    rows->addStretch(2);

    auto *other = new QHBoxLayout;
    other->setSpacing(6);
    const std::pair<const char *, int> fields[] = {{"a16", 90}, {"a10", 150}, {"a9", 0}};
    const QString captions[] = {QStringLiteral("邮编"), QStringLiteral("Q Q"), QStringLiteral("MSN")};
    for (int i = 0; i < 3; ++i) {
        ui::DbEdit *edit = lineEdit(fields[i].first, fields[i].second);
        if (i > 0)
            other->addSpacing(16);
        other->addWidget(caption(captions[i], edit, i == 0 ? 60 : 0));
        other->addWidget(edit, fields[i].second ? 0 : 1);
    }
    rows->addLayout(other);
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
