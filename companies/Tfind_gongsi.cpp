#include "Tfind_gongsi.h"

#include "FormParts.h"
#include "KeyFilter.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "SearchText.h"
#include "TData_in.h"
#include "TextLimit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace {

using ui::caption;
using ui::separator;

using Mode = ui::KeyFilter::Mode;

const char *const kPhoneHint = "区号   电话号码   分机号";

// A line edit named like its counterpart in the new-company window, with the
// same key filter, taking at most `characters` characters (ui::kNoLimit: any length).
QLineEdit *textBox(const char *name, int characters, int width, Mode mode, QWidget *parent, const QString &extra = {})
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    ui::limitText(edit, characters);
    edit->setFixedWidth(width);
    ui::KeyFilter::install(edit, mode, extra);
    return edit;
}

ui::PickListCombo *pickList(const char *name, QWidget *parent)
{
    auto *combo = new ui::PickListCombo(parent);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setFixedWidth(170);
    combo->setMaxVisibleItems(12);
    return combo;
}

// One row of boxes, left-aligned, to sit in one cell of the form.
QWidget *boxRow(QWidget *parent, const QList<QWidget *> &widgets)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (QWidget *w : widgets) {
        w->setParent(row);
        layout->addWidget(w);
    }
    layout->addStretch();
    return row;
}

} // namespace

Tfind_gongsi::Tfind_gongsi(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("find_gongsi"));
    setWindowTitle(QStringLiteral("搜索公司"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    createLayout();
    connectActions();
}

QWidget *Tfind_gongsi::createStrip()
{
    return ui::titleStrip(QStringLiteral("  搜索公司"), this);
}

QGroupBox *Tfind_gongsi::createSearchGroup()
{
    auto *box = new QGroupBox(QStringLiteral("自定义条件搜索"), this);
    Edit1 = textBox("Edit1", 150, 420, Mode::NoSpace, box);
    Edit5 = textBox("Edit5", 8, 150, Mode::NoSpace, box);
    Edit2 = textBox("Edit2", 150, 170, Mode::LowerWeb, box, QStringLiteral("-"));
    Edit3 = textBox("Edit3", 190, 420, Mode::NoSpace, box);
    Edit4 = textBox("Edit4", 10, 150, Mode::Digits, box);
    Edit6 = textBox("Edit6", 75, 170, Mode::LowerWeb, box, QStringLiteral("."));
    Edit7 = textBox("Edit7", 5, 50, Mode::Digits, box);
    Edit10 = textBox("Edit10", 15, 120, Mode::Digits, box);
    Edit8 = textBox("Edit8", 5, 50, Mode::Digits, box);
    Edit11 = textBox("Edit11", 15, 120, Mode::Digits, box);
    Edit13 = textBox("Edit13", 8, 70, Mode::Digits, box);
    Edit9 = textBox("Edit9", ui::kNoLimit, 150, Mode::NoSpace, box);
    DBBox2 = pickList("DBBox2", box);
    DBBox3 = pickList("DBBox3", box);
    DBBox1 = pickList("DBBox1", box);

    const QString switchboard = QStringLiteral("总    机:"), fax = QStringLiteral("传    真:");
    Edit10->setAccessibleName(switchboard + QStringLiteral(" 电话号码"));
    Edit11->setAccessibleName(fax + QStringLiteral(" 电话号码"));
    Edit13->setAccessibleName(fax + QStringLiteral(" 分机号"));
    auto *hint = new QLabel(QString::fromUtf8(kPhoneHint), box);
    hint->setStyleSheet(QStringLiteral("color: gray;"));

    auto *grid = new QGridLayout(box);
    grid->setHorizontalSpacing(6);
    int row = 0;
    auto pair = [&](int column, const QString &text, QWidget *field) {
        grid->addWidget(caption(text, field, box), row, column);
        grid->addWidget(field, row, column + 1, Qt::AlignLeft);
    };
    auto wide = [&](const QString &text, QWidget *field) {
        grid->addWidget(caption(text, field, box), row, 0);
        grid->addWidget(field, row, 1, 1, 3, Qt::AlignLeft);
    };
    wide(QStringLiteral("公司名称:"), Edit1);
    ++row;
    pair(0, QStringLiteral("简称:"), Edit5);
    pair(2, QStringLiteral("英文名称:"), Edit2);
    ++row;
    wide(QStringLiteral("地    址:"), Edit3);
    ++row;
    pair(0, QStringLiteral("邮编:"), Edit4);
    pair(2, QStringLiteral("网    站:"), Edit6);
    grid->addWidget(hint, ++row, 1, 1, 3);
    ++row;
    grid->addWidget(caption(switchboard, Edit7, box), row, 0);
    grid->addWidget(boxRow(box, {Edit7, separator(QStringLiteral("-"), box), Edit10}), row, 1, 1, 3);
    ++row;
    grid->addWidget(caption(fax, Edit8, box), row, 0);
    grid->addWidget(boxRow(box, {Edit8, separator(QStringLiteral("-"), box), Edit11, separator(QStringLiteral("转"), box), Edit13}),
                    row, 1, 1, 3);
    ++row;
    pair(0, QStringLiteral("所属行业:"), DBBox2);
    pair(2, QStringLiteral("销售规模:"), DBBox3);
    ++row;
    pair(0, QStringLiteral("产    品:"), Edit9);
    pair(2, QStringLiteral("关    系:"), DBBox1);
    return box;
}

void Tfind_gongsi::createLayout()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 8);
    outer->setSpacing(6);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addWidget(createStrip());

    auto *body = new QHBoxLayout;
    body->setContentsMargins(8, 0, 8, 0);
    body->addWidget(createSearchGroup());
    outer->addLayout(body);

    BitBtn1 = new QPushButton(QStringLiteral("搜 索"), this);
    BitBtn1->setIcon(QIcon::fromTheme(QStringLiteral("edit-find"), style()->standardIcon(QStyle::SP_FileDialogContentsView)));
    BitBtn1->setDefault(true);
    BitBtn1->setAutoDefault(true);
    BitBtn1->setMinimumWidth(90);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(8, 0, 8, 0);
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    outer->addLayout(buttons);
}

void Tfind_gongsi::connectActions()
{
    connect(BitBtn1, &QPushButton::clicked, this, &Tfind_gongsi::BitBtn1Click);
}

void Tfind_gongsi::bindData(TData_in &data)
{
    m_data = &data;
    DBBox2->setList(&data.pickList(6));
    DBBox3->setList(&data.pickList(7));
    DBBox1->setList(&data.pickList(8));
}

void Tfind_gongsi::reset()
{
    for (QLineEdit *edit : {Edit1, Edit5, Edit2, Edit3, Edit4, Edit6, Edit7, Edit10, Edit8, Edit11, Edit13, Edit9})
        edit->clear();
    for (ui::PickListCombo *combo : {DBBox2, DBBox3, DBBox1})
        combo->clearChoice();
    Edit1->setFocus();
}

void Tfind_gongsi::showEvent(QShowEvent *event)
{
    reset();
    QDialog::showEvent(event);
    if (QScreen *s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

data::CompanyCriteria Tfind_gongsi::criteria() const
{
    data::CompanyCriteria c;
    c.name = Edit1->text();
    c.englishName = Edit2->text();
    c.shortName = Edit5->text();
    c.address = Edit3->text();
    c.postcode = Edit4->text();
    c.website = Edit6->text();
    c.relationship = DBBox1->text();
    c.products = Edit9->text();
    c.industry = DBBox2->text();
    c.salesScale = DBBox3->text();
    c.switchboard = Edit10->text();
    c.fax = Edit11->text();
    c.switchboardArea = Edit7->text();
    c.faxArea = Edit8->text();
    c.extension = Edit13->text();
    return c;
}

void Tfind_gongsi::BitBtn1Click()
{
    data::StandingQuery &companies = m_data->atc2_all();
    const QString statement = data::companySearch(criteria());
    bool opened = false;
    ui::guarded(this, [&] {
        companies.close();
        companies.filter(statement);
        opened = true;
    });
    if (!opened)
        return; // the error was shown; the window stays open
    accept();
    if (companies.isEmpty()) {
        ui::MessageBox::information(this, QStringLiteral("没有找到记录"));
        reset();
    }
}
