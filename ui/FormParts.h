#pragma once

// The form kit: the pieces every window and view is built from, one way.
//
//   1. Constructor: ui::setUpWindow(this, "find_x", "搜索某某"); createLayout(); connectActions().
//   2. createLayout(): fields from ui::textBox(parent, name, limit, width, keys); the window from
//      ui::layOutWindow(this, ui::titleStrip(title, this), {groups...}, {buttons...}).
//   3. ui::FormGrid rows(parent, grid): rows.add("名称:", field) sets the caption beside its field as its
//      buddy; rows.add("电话:", area, ui::phoneRow(area, number, extension)) for a telephone line.
//   4. showEvent(): unless event->spontaneous() (the window system showing it again after the program
//      was restored), reset() the fields, then ui::readyToOpen(this): Tab in reading order, the cursor
//      in the first field, the window in the middle of the desktop.
//      A window without a title bar (TitleBar::None) offers its own way out: ui::pictureButton(this,
//      ui::crossPicture(10, colour), "关闭") in a corner.
//   5. A view: values in ui::valueLabel() or ui::JoinedLabel; ui::viewToolBar(this, {{caption, hint, icon, handler}}).
//      A list view derives from ui::ListView (ListView.h): toolbar, the strip with ui::captionBox(), the
//      navigator, maybe a ui::choiceBox() filter and ui::banner(), the grid and its delete panel.
//
// A search window derives from ui::SearchWindow (SearchWindow.h), which does 1, 2 and 4 itself. Captions,
// limits and key filters come from the record's field table in data/ (FieldTable.h).
//
// Every label these pieces make shows its text as it is (plain text, never markup).

#include "KeyFilter.h"
#include "TextLimit.h"

#include <QBrush>
#include <QPixmap>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QSize>
#include <QStringList>
#include <QStyle>
#include <functional>
#include <optional>
#include <vector>

class QComboBox;
class QDialog;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLayout;
class QPushButton;
class QToolBar;
class QToolButton;

namespace data {
class StandingQuery;
}

namespace ui {

// ---- Labels ----------------------------------------------------------------

// A caption that names the field beside it (its buddy), so the field can be found by it.
QLabel *caption(const QString &text, QWidget *buddy, QWidget *parent);
// A label that shows its text as it is and is only read, never selected (the
// lines of a notice, which a click closes).
QLabel *plainText(const QString &text, QWidget *parent);
// A fixed label between the boxes of one line ("-", " 转 ").
QLabel *separator(const QString &text, QWidget *parent);
// A label that shows a value (stored or typed text) exactly as it is, and
// tells an accessibility client that text. What the value is belongs to the
// caption beside it (caption() with this label as buddy), or to the group
// box it sits in; a value without either may say it in its description.
QLabel *valueLabel(QWidget *parent, const QString &description = {});

// The sunken bold caption at the left of a view's navigation strip ("客户列表").
QLabel *captionBox(const QString &text, QWidget *parent);
// A line of advice on a pale yellow ground beside it ("双击选中客户,可查看详细内容").
QLabel *banner(const QString &text, QWidget *parent);

// ---- Windows ---------------------------------------------------------------

// What the title bar of a window offers.
enum class TitleBar {
    CloseBox,  // the title and a close box
    TitleOnly, // the title alone: the window is left through its own buttons
    None,      // no title bar and no frame: the window draws its own face and its own way out
    Resizable, // the title, a maximise and a close box, and a frame that can be dragged to another size
};

// Names and titles a window, gives it a frame with the title bar asked for.
// All but a Resizable window are of a fixed size, which the window fixes
// itself: setFixedSize(), or a layout with QLayout::SetFixedSize.
void setUpWindow(QDialog *window, const QString &name, const QString &title, TitleBar bar = TitleBar::CloseBox);

// Lays a window out at once for what it holds now (a value just set, a part
// just shown or hidden), every group and every tab page, not only the one on
// show; layouts otherwise follow a change only when the event loop comes round.
void layOutNow(QWidget *window);

// Places a window, frame included, in the middle of the desktop it is on, at
// the size of what it holds now (layOutNow()).
// Called from showEvent(), after whatever changes the window's size.
void centreOnScreen(QWidget *window);

// What showEvent() does once the fields hold what the window opens with: lays
// it out, chains its fields for Tab in reading order (FocusOrder.h), puts the
// cursor into the first field and centres it on the desktop.
void readyToOpen(QWidget *window);

// The font scaled by `factor`, in the unit it was given in (pixels or points).
QFont scaledFont(QFont font, qreal factor);

// Lays out a small window (a search, a memo): its title strip across the
// top, its parts one below the other with 8-pixel sides, its buttons at the
// bottom right. The window takes the size of what it holds.
void layOutWindow(QDialog *window, QWidget *strip, const QList<QWidget *> &parts, const QList<QWidget *> &buttons);
// The default button of a search window: "搜 索" with the search icon.
QPushButton *searchButton(QWidget *window);

// A small picture that works as a button (the close cross in the corner of
// a window without a title bar): flat, exactly the picture's size, the hand
// cursor over it, and named for assistive technology by what it does.
QToolButton *pictureButton(QWidget *parent, const QPixmap &picture, const QString &name);
// A cross of two strokes, size by size pixels: the picture of a close button.
QPixmap crossPicture(int size, const QColor &colour);

// ---- Title strips ----------------------------------------------------------

// The colours of a title strip: a band shading from left to right through
// its stops and, when valid, a line along its foot; and where its title
// starts.
struct StripLook {
    QGradientStops band;
    QColor foot;
    int indent = 0;
};

// The strips in use, one for each kind of window or view.
namespace strips {
extern const StripLook window;       // search and memo windows
extern const StripLook customerForm; // new and edit customer
extern const StripLook customerList; // the customer list view
extern const StripLook companyView;  // the company view
} // namespace strips

// The 20-pixel strip across the top of a window or view, its title in white
// bold at the left. A view may draw its own mark over it (paintEvent()).
class TitleStrip : public QLabel {
    Q_OBJECT
public:
    static constexpr int Height = 20;
    TitleStrip(const QString &title, const StripLook &look, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    StripLook m_look;
};

TitleStrip *titleStrip(const QString &title, QWidget *parent, const StripLook &look = strips::window);

// ---- Fields ----------------------------------------------------------------

// A one-line entry box taking at most `characters` characters (kNoLimit: any
// number), `width` pixels wide (0: as wide as the layout makes it), and, with
// a key mode, only the typed keys that mode lets through.
void setUpTextBox(QLineEdit *box, int characters, int width = 0, std::optional<KeyFilter::Mode> keys = {},
                  const QString &extraKeys = {});

template <typename Box = QLineEdit>
Box *textBox(QWidget *parent, const QString &name, int characters, int width = 0,
             std::optional<KeyFilter::Mode> keys = {}, const QString &extraKeys = {})
{
    auto *box = new Box(parent);
    box->setObjectName(name);
    setUpTextBox(box, characters, width, keys, extraKeys);
    return box;
}

// A drop-down of fixed items that also takes typing, of any length: what it
// shows is exactly what was chosen or typed (no completion from the items: a
// typed "拜" stays "拜"). It starts on `current` (-1: no text); accessibleName
// names it where no caption does.
QComboBox *choiceBox(QWidget *parent, const QString &name, const QStringList &items, int current = -1,
                     const QString &accessibleName = {});

// The small "..." button beside a pick-list drop-down that opens the editor
// of its list; the hint names it for the eye and for assistive technology.
// It takes no focus, so that Tab goes from field to field.
QToolButton *editListButton(QWidget *parent, const QString &hint, const std::function<void()> &open);
// A field and the small button that belongs to it, side by side, left-aligned.
// A drop-down whose list the button adds to says so while the list is empty.
QHBoxLayout *fieldWithButton(QWidget *field, QWidget *button);

// A group box with its title, read by assistive technology as that title
// also when it sits inside another group (which would otherwise lend it its own).
QGroupBox *groupBox(const QString &title, QWidget *parent);

// ---- Captioned rows --------------------------------------------------------

// How a FormGrid places its cells.
struct FormGridLook {
    int firstColumn = 0;        // the grid column of a line's first caption
    Qt::Alignment captions = {}; // captions in their cells; none: the label's own (left)
    Qt::Alignment fields = {};   // fields in their cells; none: filling the cell
};

// Fills a grid line by line, left to right, with captions and their fields:
// each caption in one column, its field in the next (or across several).
// Every caption is its field's buddy, so that the field is found, and read
// out, by it.
class FormGrid {
public:
    FormGrid(QWidget *parent, QGridLayout *grid, FormGridLook look = {});

    // A caption and its field at the next place of the line; the field takes
    // `columns` columns of the grid. Returns the caption.
    QLabel *add(const QString &caption, QWidget *field, int columns = 1);
    // A caption and a row of fields (a telephone line), the caption naming
    // `buddy`, the first of them.
    QLabel *add(const QString &caption, QWidget *buddy, QLayout *fields, int columns = 1);
    // A widget without a caption, from the next place across `columns`
    // columns (a heading, or a caption column left empty with skip()).
    void addSpanning(QWidget *widget, int columns);
    void skip(int columns = 1);
    void nextLine();

    int line() const { return m_line; }
    QGridLayout *grid() const { return m_grid; }

private:
    QWidget *m_parent;
    QGridLayout *m_grid;
    FormGridLook m_look;
    int m_line = 0;
    int m_column;
};

// ---- Telephone lines -------------------------------------------------------

// How a telephone line looks: the fixed texts between its boxes (an empty
// text: none) and the space between its parts.
struct PhoneLook {
    QString dash = QStringLiteral("-");
    QString extension = QStringLiteral(" 转 ");
    int spacing = 2;
};

// The boxes of one telephone line side by side, left-aligned: area code,
// dash, number and, when there is one, the extension after its text.
QHBoxLayout *phoneRow(QWidget *area, QWidget *number, QWidget *extension = nullptr, const PhoneLook &look = {});

// The grey heading "区号   电话号码   分机号" over telephone lines: each word
// drawn over the box it names, where that box starts its text (Qt::AlignLeft)
// or centred on it (Qt::AlignHCenter).
class PhoneHeading : public QLabel {
    Q_OBJECT
public:
    PhoneHeading(const QList<QWidget *> &boxes, Qt::Alignment words, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QWidget *> m_boxes;
    Qt::Alignment m_words;
};

// ---- Values of a record ----------------------------------------------------

// A value label (see valueLabel()) showing columns of a query's current row
// joined by fixed texts: columns {"c14", "c11"} with {"-"} between show
// "010-62345678". The texts show even when a column is empty.
class JoinedLabel : public QLabel {
    Q_OBJECT
public:
    JoinedLabel(QWidget *parent, const QStringList &columns, const QStringList &between = {},
                const QString &description = {});
    void bind(data::StandingQuery *query);
    // Where there is no room, the text is cut at the right and its hint holds all of it.
    void cutWithHint();

private:
    void showParts();

    QStringList m_columns;
    QStringList m_between;
    QStringList m_parts;
    bool m_hint = false;
};

// ---- View toolbars ---------------------------------------------------------

// One button of a view's toolbar. An empty hint gives the button none.
struct ToolButton {
    const char *caption;
    const char *hint;
    QStyle::StandardPixmap icon;
    std::function<void()> handler;
    bool separatorAfter = false;
};

// How a view's toolbar buttons behave beyond their table.
struct ToolBarLook {
    int buttonWidth = 0;    // the least width of a button; 0: as its caption needs
    bool tabStops = false;  // whether Tab reaches the buttons
};

// The toolbar across the top of a view: its buttons in the order of the
// table, icon above caption, each calling its handler when clicked.
QToolBar *viewToolBar(QWidget *view, const std::vector<ToolButton> &buttons, const ToolBarLook &look = {});

} // namespace ui
