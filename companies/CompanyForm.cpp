#include "CompanyForm.h"

#include "DbControls.h"
#include "ListCombos.h"
#include "PickListEditor.h"
#include "TextLimit.h"
#include "TData_in.h"
#include "Windows.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

namespace {

// Widths of the entry fields, in pixels.
constexpr int kFieldWidth = 190;
constexpr int kAreaCodeWidth = 46;
constexpr int kNumberWidth = 120;
constexpr int kExtensionWidth = 64;
constexpr int kDescriptionHeight = 90;

// Grid columns: the required mark, a caption and its field, twice.
enum Column { MarkColumn, CaptionColumn, FieldColumn, Caption2Column, Field2Column, ColumnCount };

const QColor kCream(255, 251, 240);

// The pick lists of a company, the field each feeds and the editor caption
// naming it.
struct PickList {
    const char *table;
    const char *caption;
};
constexpr PickList kIndustries{"vx6", "所属行业菜单"};
constexpr PickList kSalesScales{"vx7", "销售规模菜单"};
constexpr PickList kRelationships{"vx8", "关系菜单"};

template <typename T> T *named(QWidget *parent, const char *name)
{
    auto *w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QLabel *requiredMark(QWidget *parent)
{
    auto *mark = new QLabel(QStringLiteral("*"), parent);
    mark->setStyleSheet(QStringLiteral("color: red;"));
    mark->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A window without required fields hides the marks but keeps the layout.
    QSizePolicy policy = mark->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    mark->setSizePolicy(policy);
    return mark;
}

// The grey heading of the telephone lines. Its text is the one caption
// "区号   电话号码   分机号"; each word is drawn over the field it names.
class PhoneHeading : public QLabel {
public:
    PhoneHeading(const QList<QWidget *> &fields, QWidget *parent)
        : QLabel(QStringLiteral("区号   电话号码   分机号"), parent), m_fields(fields)
    {
        QPalette grey = palette();
        grey.setColor(QPalette::WindowText, Qt::gray);
        setPalette(grey);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        constexpr int kTextMargin = 3; // where a line edit starts its text
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        const QStringList words = text().split(u' ', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i < words.size() && i < m_fields.size(); ++i) {
            const int x = m_fields[i]->mapTo(window(), QPoint()).x() - mapTo(window(), QPoint()).x() + kTextMargin;
            p.drawText(QRect(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter, words[i]);
        }
    }

private:
    QList<QWidget *> m_fields;
};

} // namespace

CompanyForm::CompanyForm(QWidget *parent) : QWidget(parent)
{
    createFields();
    createLayout();
}

void CompanyForm::createFields()
{
    Edit1 = named<QLineEdit>(this, "Edit1");
    Edit5 = named<ui::DbEdit>(this, "Edit5");
    Edit2 = named<ui::DbEdit>(this, "Edit2");
    Edit3 = named<ui::DbEdit>(this, "Edit3");
    Edit4 = named<ui::DbEdit>(this, "Edit4");
    Edit6 = named<ui::DbEdit>(this, "Edit6");
    Edit7 = named<ui::DbEdit>(this, "Edit7");
    Edit10 = named<ui::DbEdit>(this, "Edit10");
    Edit8 = named<ui::DbEdit>(this, "Edit8");
    Edit11 = named<ui::DbEdit>(this, "Edit11");
    Edit13 = named<ui::DbEdit>(this, "Edit13");
    DBBox2 = named<ui::PickListCombo>(this, "DBBox2");
    DBBox3 = named<ui::PickListCombo>(this, "DBBox3");
    Edit9 = named<ui::DbEdit>(this, "Edit9");
    DBBox1 = named<ui::PickListCombo>(this, "DBBox1");
    RichEdit1 = named<ui::DbMemo>(this, "RichEdit1");

    // Limits both windows share; each window sets those that differ. The
    // others (English name and products, the description of a new company)
    // take any length.
    const std::pair<QLineEdit *, int> limits[] = {{Edit1, 150}, {Edit5, 50}, {Edit3, 190}, {Edit4, 10}, {Edit6, 75},
                                                  {Edit7, 5},   {Edit10, 15}, {Edit8, 5},   {Edit11, 15}, {Edit13, 8}};
    for (const auto &[edit, characters] : limits)
        ui::limitText(edit, characters);

    for (QWidget *w : std::initializer_list<QWidget *>{Edit1, Edit5, Edit2, Edit3, Edit4, Edit6, Edit9, DBBox2, DBBox3,
                                                       DBBox1})
        w->setMinimumWidth(kFieldWidth);
    for (QWidget *w : std::initializer_list<QWidget *>{Edit7, Edit8})
        w->setFixedWidth(kAreaCodeWidth);
    for (QWidget *w : std::initializer_list<QWidget *>{Edit10, Edit11})
        w->setFixedWidth(kNumberWidth);
    Edit13->setFixedWidth(kExtensionWidth);

    // The parts of a telephone line share one caption; each part is named
    // after the words of the grey heading above them.
    Edit7->setAccessibleName(QStringLiteral("总机区号"));
    Edit10->setAccessibleName(QStringLiteral("总机号码"));
    Edit8->setAccessibleName(QStringLiteral("传真区号"));
    Edit11->setAccessibleName(QStringLiteral("传真号码"));
    Edit13->setAccessibleName(QStringLiteral("分机号"));

    RichEdit1->setFixedHeight(kDescriptionHeight);
    QPalette cream = RichEdit1->palette();
    cream.setColor(QPalette::Base, kCream);
    RichEdit1->setPalette(cream);
}

void CompanyForm::createLayout()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(10, 10, 10, 10);
    m_grid = new QGridLayout;
    m_grid->setHorizontalSpacing(6);
    m_grid->setVerticalSpacing(7);
    m_grid->setColumnMinimumWidth(Caption2Column, 70);
    outer->addLayout(m_grid);

    int row = 0;
    m_requiredMarks << requiredMark(this);
    m_grid->addWidget(m_requiredMarks.last(), row, MarkColumn);
    m_grid->addWidget(caption(QStringLiteral("公司名称:"), Edit1), row, CaptionColumn);
    m_grid->addWidget(Edit1, row++, FieldColumn, 1, 3);

    m_grid->addWidget(caption(QStringLiteral("简称:"), Edit5), row, CaptionColumn);
    m_grid->addWidget(Edit5, row, FieldColumn);
    m_grid->addWidget(caption(QStringLiteral("英文名称:"), Edit2), row, Caption2Column);
    m_grid->addWidget(Edit2, row++, Field2Column);

    m_grid->addWidget(caption(QStringLiteral("地    址:"), Edit3), row, CaptionColumn);
    m_grid->addWidget(Edit3, row++, FieldColumn, 1, 3);

    m_grid->addWidget(caption(QStringLiteral("邮编:"), Edit4), row, CaptionColumn);
    m_grid->addWidget(Edit4, row, FieldColumn);
    m_grid->addWidget(caption(QStringLiteral("网    站:"), Edit6), row, Caption2Column);
    m_grid->addWidget(Edit6, row++, Field2Column);

    auto *phoneHeading = new PhoneHeading({Edit8, Edit11, Edit13}, this);
    m_grid->addWidget(phoneHeading, row++, FieldColumn, 1, 3);

    m_requiredMarks << requiredMark(this);
    m_grid->addWidget(m_requiredMarks.last(), row, MarkColumn);
    m_grid->addWidget(caption(QStringLiteral("总    机:"), Edit7), row, CaptionColumn);
    m_grid->addWidget(phoneLine(Edit7, Edit10, nullptr), row++, FieldColumn, 1, 3);
    m_grid->addWidget(caption(QStringLiteral("传    真:"), Edit8), row, CaptionColumn);
    m_grid->addWidget(phoneLine(Edit8, Edit11, Edit13), row++, FieldColumn, 1, 3);

    m_grid->addWidget(caption(QStringLiteral("所属行业:"), DBBox2), row, CaptionColumn);
    m_grid->addWidget(withListButton(DBBox2, QString::fromUtf8(kIndustries.caption)), row, FieldColumn);
    m_grid->addWidget(caption(QStringLiteral("销售规模:"), DBBox3), row, Caption2Column);
    m_grid->addWidget(withListButton(DBBox3, QString::fromUtf8(kSalesScales.caption)), row++, Field2Column);

    m_grid->addWidget(caption(QStringLiteral("产    品:"), Edit9), row, CaptionColumn);
    m_grid->addWidget(Edit9, row, FieldColumn);
    m_grid->addWidget(caption(QStringLiteral("关    系:"), DBBox1), row, Caption2Column);
    m_grid->addWidget(withListButton(DBBox1, QString::fromUtf8(kRelationships.caption)), row++, Field2Column);

    auto *description = caption(QStringLiteral("描述"), RichEdit1);
    description->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    outer->addSpacing(4);
    outer->addWidget(description);
    outer->addWidget(RichEdit1);

    m_bottom = new QHBoxLayout;
    outer->addSpacing(4);
    outer->addLayout(m_bottom);

    // Tab goes through the fields in screen order, whatever box holds them.
    const QList<QWidget *> order{Edit1, Edit5, Edit2, Edit3, Edit4, Edit6, Edit7, Edit10, Edit8,
                                 Edit11, Edit13, DBBox2, DBBox3, Edit9, DBBox1, RichEdit1};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QLabel *CompanyForm::caption(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, this);
    label->setBuddy(buddy);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// A drop-down with the small button that opens the editor of its list.
QWidget *CompanyForm::withListButton(ui::PickListCombo *combo, const QString &listCaption)
{
    auto *box = new QWidget(this);
    auto *layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    combo->setParent(box);
    combo->setMinimumWidth(kFieldWidth - 26);
    layout->addWidget(combo, 1);

    auto *button = new QToolButton(box);
    button->setText(QStringLiteral("..."));
    button->setToolTip(listCaption);
    button->setAccessibleName(listCaption);
    button->setFixedSize(22, 22);
    button->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(button);

    const PickList list = combo == DBBox2 ? kIndustries : combo == DBBox3 ? kSalesScales : kRelationships;
    connect(button, &QToolButton::clicked, this, [list] {
        if (auto *editor = ui::Windows::get<PickListEditor>(QStringLiteral("Tlist_gongsi")))
            editor->openOn(QString::fromLatin1(list.table), QString::fromUtf8(list.caption));
    });
    return box;
}

QWidget *CompanyForm::phoneLine(QWidget *area, QWidget *number, QWidget *third)
{
    auto *line = new QWidget(this);
    auto *layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (QWidget *w : {area, number, third}) {
        if (!w)
            continue;
        w->setParent(line);
        layout->addWidget(w);
    }
    layout->addStretch();
    return line;
}

void CompanyForm::setPickLists(TData_in &data)
{
    DBBox2->setList(&data.query(QString::fromLatin1(kIndustries.table)));
    DBBox3->setList(&data.query(QString::fromLatin1(kSalesScales.table)));
    DBBox1->setList(&data.query(QString::fromLatin1(kRelationships.table)));
}

void CompanyForm::setRequiredMarksVisible(bool visible)
{
    for (QLabel *mark : std::as_const(m_requiredMarks))
        mark->setVisible(visible);
}

void CompanyForm::setBottomRow(QWidget *rating, const QList<QWidget *> &buttons)
{
    m_bottom->addWidget(rating);
    m_bottom->addStretch();
    for (QWidget *b : buttons)
        m_bottom->addWidget(b, 0, Qt::AlignBottom);
}

void centreOnScreen(QWidget *window)
{
    if (QScreen *screen = window->screen()) {
        const QRect desktop = screen->availableGeometry();
        window->move(desktop.center() - QPoint(window->width() / 2, window->height() / 2));
    }
}
