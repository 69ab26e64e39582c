#include "FormParts.h"

#include "FocusOrder.h"
#include "ListCombos.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace ui {

namespace {

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

// A layout and the layouts nested in it compute their sizes afresh.
void forgetSizes(QLayout *layout)
{
    layout->invalidate();
    for (int i = 0; QLayoutItem *item = layout->itemAt(i); ++i) {
        if (QLayout *inner = item->layout())
            forgetSizes(inner);
    }
}

// The window as large as it is now, frame included, in the middle of the desktop it is on.
void placeInTheMiddle(QWidget *window)
{
    if (const QScreen *screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace

// ---- Labels ----------------------------------------------------------------

QLabel *caption(const QString &text, QWidget *buddy, QWidget *parent)
{
    QLabel *label = plainLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QLabel *plainText(const QString &text, QWidget *parent)
{
    return plainLabel(text, parent);
}

QLabel *separator(const QString &text, QWidget *parent)
{
    QLabel *label = plainLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel *valueLabel(QWidget *parent, const QString &description)
{
    QLabel *label = plainLabel(QString(), parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (!description.isEmpty())
        label->setAccessibleDescription(description);
    return label;
}

QLabel *captionBox(const QString &text, QWidget *parent)
{
    QLabel *label = plainLabel(text, parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setStyleSheet(QStringLiteral("font-weight: bold; padding: 2px 12px;"));
    return label;
}

QLabel *banner(const QString &text, QWidget *parent)
{
    QLabel *label = plainLabel(text, parent);
    label->setStyleSheet(QStringLiteral("background: #ffffe1; border: 1px solid #e0d890; padding: 2px 8px;"));
    return label;
}

// ---- Windows ---------------------------------------------------------------

void setUpWindow(QDialog *window, const QString &name, const QString &title, TitleBar bar)
{
    window->setObjectName(name);
    window->setWindowTitle(title);
    if (bar == TitleBar::CloseBox)
        window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                               | Qt::MSWindowsFixedSizeDialogHint);
    else if (bar == TitleBar::Resizable)
        window->setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint
                               | Qt::WindowCloseButtonHint);
    else if (bar == TitleBar::TitleOnly)
        window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    else
        window->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
}

void layOutNow(QWidget *window)
{
    // Every size is asked afresh, down to the innermost layout, tab pages not
    // on show too (a tab widget is as large as its largest page).
    const QList<QWidget *> inside = window->findChildren<QWidget *>();
    for (QWidget *w : inside) {
        if (w->isWindow())
            continue;
        w->updateGeometry();
        if (w->layout())
            forgetSizes(w->layout());
    }
    if (QLayout *layout = window->layout()) {
        forgetSizes(layout);
        layout->activate();
    }
    // A tab page not on show is as large as the one on show.
    for (QStackedWidget *stack : window->findChildren<QStackedWidget *>()) {
        for (int i = 0; i < stack->count(); ++i) {
            if (stack->widget(i) != stack->currentWidget())
                stack->widget(i)->setGeometry(stack->contentsRect());
        }
    }
    // Outer parts before inner ones (findChildren() lists a parent before its children).
    for (QWidget *w : inside) {
        if (QLayout *layout = w->layout(); layout && w->window() == window) {
            layout->invalidate();
            layout->activate();
        }
    }
}

void centreOnScreen(QWidget *window)
{
    layOutNow(window);
    placeInTheMiddle(window);
}

void readyToOpen(QWidget *window)
{
    layOutNow(window);
    focusFirstField(window, chainInReadingOrder(window));
    placeInTheMiddle(window);
}

QFont scaledFont(QFont font, qreal factor)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(qRound(font.pixelSize() * factor));
    else
        font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

void layOutWindow(QDialog *window, QWidget *strip, const QList<QWidget *> &parts, const QList<QWidget *> &buttons)
{
    auto *outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 8);
    outer->setSpacing(6);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addWidget(strip);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(8, 0, 8, 0);
    for (QWidget *part : parts)
        body->addWidget(part);
    outer->addLayout(body);

    auto *row = new QHBoxLayout;
    row->setContentsMargins(8, 0, 8, 0);
    row->addStretch();
    for (QWidget *button : buttons)
        row->addWidget(button);
    outer->addLayout(row);
}

QPushButton *searchButton(QWidget *window)
{
    auto *button = new QPushButton(QStringLiteral("搜 索"), window);
    button->setIcon(QIcon::fromTheme(QStringLiteral("edit-find"),
                                     window->style()->standardIcon(QStyle::SP_FileDialogContentsView)));
    button->setDefault(true);
    button->setAutoDefault(true);
    button->setMinimumWidth(90);
    return button;
}

QToolButton *pictureButton(QWidget *parent, const QPixmap &picture, const QString &name)
{
    auto *button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setIcon(QIcon(picture));
    const QSize size = picture.deviceIndependentSize().toSize();
    button->setIconSize(size);
    button->setFixedSize(size);
    button->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0; }"));
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAccessibleName(name);
    button->setToolTip(name);
    return button;
}

QToolButton *editListButton(QWidget *parent, const QString &hint, const std::function<void()> &open)
{
    auto *button = new QToolButton(parent);
    button->setText(QStringLiteral("..."));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setFixedSize(22, 22);
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QToolButton::clicked, button, [open] { open(); });
    return button;
}

QGroupBox *groupBox(const QString &title, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    group->setAccessibleName(title);
    return group;
}

QHBoxLayout *fieldWithButton(QWidget *field, QWidget *button)
{
    if (const auto *adds = qobject_cast<const QAbstractButton *>(button)) {
        if (auto *pickList = qobject_cast<PickListCombo *>(field))
            pickList->setAddButton(adds);
        else if (auto *rows = qobject_cast<QueryCombo *>(field))
            rows->setAddButton(adds);
    }
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    row->addWidget(field);
    row->addWidget(button);
    row->addStretch();
    return row;
}

QPixmap crossPicture(int size, const QColor &colour)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
    const qreal in = 1.5, out = size - 1.5;
    p.drawLine(QPointF(in, in), QPointF(out, out));
    p.drawLine(QPointF(in, out), QPointF(out, in));
    return picture;
}

// ---- Title strips ----------------------------------------------------------

namespace strips {
const StripLook window{{{0.0, QColor(0x1f, 0x5f, 0x9e)}, {1.0, QColor(0x8f, 0xc1, 0xea)}}, {}, 0};
const StripLook customerForm{
    {{0.0, QColor(0x1d, 0x4f, 0x8c)}, {1.0, QColor(0x8c, 0xbc, 0xe8)}}, QColor(0xf4, 0xb9, 0x42), 10};
const StripLook customerList{
    {{0.0, QColor(0x1f, 0x4e, 0x8c)}, {0.6, QColor(0x6f, 0x9b, 0xd1)}, {1.0, QColor(0xdf, 0xe9, 0xf6)}}, {}, 0};
const StripLook companyView{
    {{0.0, QColor(0x1d, 0x6b, 0x3a)}, {0.6, QColor(0x4c, 0xa8, 0x6a)}, {1.0, QColor(0xd8, 0xef, 0xdf)}}, {}, 0};
} // namespace strips

TitleStrip::TitleStrip(const QString &title, const StripLook &look, QWidget *parent) : QLabel(parent), m_look(look)
{
    setObjectName(QStringLiteral("Image1"));
    setTextFormat(Qt::PlainText);
    setText(title);
    setFixedHeight(Height);
    setIndent(look.indent);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    QPalette white = palette();
    white.setColor(QPalette::WindowText, Qt::white);
    setPalette(white);
    if (look.foot.isValid())
        setContentsMargins(0, 0, 0, 1); // the title is centred above the foot line
}

void TitleStrip::paintEvent(QPaintEvent *event)
{
    {
        QPainter p(this);
        QLinearGradient band(0, 0, width(), 0);
        band.setStops(m_look.band);
        p.fillRect(rect(), band);
        if (m_look.foot.isValid()) {
            p.setPen(m_look.foot);
            p.drawLine(0, height() - 1, width(), height() - 1);
        }
    }
    QLabel::paintEvent(event);
}

TitleStrip *titleStrip(const QString &title, QWidget *parent, const StripLook &look)
{
    return new TitleStrip(title, look, parent);
}

// ---- Fields ----------------------------------------------------------------

void setUpTextBox(QLineEdit *box, int characters, int width, std::optional<KeyFilter::Mode> keys,
                  const QString &extraKeys)
{
    limitText(box, characters);
    if (width > 0)
        box->setFixedWidth(width);
    if (keys)
        KeyFilter::install(box, *keys, extraKeys);
}

QComboBox *choiceBox(QWidget *parent, const QString &name, const QStringList &items, int current,
                     const QString &accessibleName)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    limitText(box->lineEdit(), kNoLimit);
    box->addItems(items);
    box->setCurrentIndex(current);
    if (current < 0)
        box->clearEditText();
    if (!accessibleName.isEmpty())
        box->setAccessibleName(accessibleName);
    return box;
}

// ---- Captioned rows --------------------------------------------------------

FormGrid::FormGrid(QWidget *parent, QGridLayout *grid, FormGridLook look)
    : m_parent(parent), m_grid(grid), m_look(look), m_column(look.firstColumn)
{
}

QLabel *FormGrid::add(const QString &text, QWidget *field, int columns)
{
    QLabel *label = caption(text, field, m_parent);
    if (m_look.captions)
        label->setAlignment(m_look.captions);
    m_grid->addWidget(label, m_line, m_column);
    m_grid->addWidget(field, m_line, m_column + 1, 1, columns, m_look.fields);
    m_column += 1 + columns;
    return label;
}

QLabel *FormGrid::add(const QString &text, QWidget *buddy, QLayout *fields, int columns)
{
    QLabel *label = caption(text, buddy, m_parent);
    if (m_look.captions)
        label->setAlignment(m_look.captions);
    m_grid->addWidget(label, m_line, m_column);
    m_grid->addLayout(fields, m_line, m_column + 1, 1, columns);
    m_column += 1 + columns;
    return label;
}

void FormGrid::addSpanning(QWidget *widget, int columns)
{
    m_grid->addWidget(widget, m_line, m_column, 1, columns);
    m_column += columns;
}

void FormGrid::skip(int columns)
{
    m_column += columns;
}

void FormGrid::nextLine()
{
    ++m_line;
    m_column = m_look.firstColumn;
}

// ---- Telephone lines -------------------------------------------------------

QHBoxLayout *phoneRow(QWidget *area, QWidget *number, QWidget *extension, const PhoneLook &look)
{
    QWidget *parent = area->parentWidget();
    auto *row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(look.spacing);
    auto add = [&](const QString &between, QWidget *box) {
        if (!between.isEmpty())
            row->addWidget(separator(between, parent));
        row->addWidget(box);
    };
    row->addWidget(area);
    add(look.dash, number);
    if (extension)
        add(look.extension, extension);
    row->addStretch();
    return row;
}

PhoneHeading::PhoneHeading(const QList<QWidget *> &boxes, Qt::Alignment words, QWidget *parent)
    : QLabel(QStringLiteral("区号   电话号码   分机号"), parent), m_boxes(boxes), m_words(words)
{
    setTextFormat(Qt::PlainText);
    QPalette grey = palette();
    grey.setColor(QPalette::WindowText, Qt::gray);
    setPalette(grey);
}

void PhoneHeading::paintEvent(QPaintEvent *)
{
    constexpr int kTextMargin = 3; // where a line edit starts its text
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const QStringList words = text().split(u' ', Qt::SkipEmptyParts);
    const int left = mapTo(window(), QPoint()).x();
    for (qsizetype i = 0; i < words.size() && i < m_boxes.size(); ++i) {
        const QWidget *box = m_boxes[i];
        const int x = box->mapTo(window(), QPoint()).x() - left;
        const QRect place = m_words & Qt::AlignLeft
                                ? QRect(x + kTextMargin, 0, width() - x - kTextMargin, height())
                                : QRect(x, 0, box->width(), height());
        p.drawText(place, (m_words & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, words[i]);
    }
}

} // namespace ui
