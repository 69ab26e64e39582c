// The form kit: windows placed in the middle of the desktop, title strips,
// captioned rows, telephone lines, limited text boxes, joined value labels
// and view toolbars, values that wrap, Tab in reading order and the cursor
// sent to an empty required field, as a user and an accessibility client
// meet them.
#include "FieldTable.h"
#include "FocusOrder.h"
#include "FormParts.h"
#include "ListCombos.h"
#include "MessageBox.h"
#include "RequiredFields.h"
#include "SearchFields.h"
#include "TData_in.h"
#include "TestSupport.h"
#include "WrappedValue.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

Q_DECLARE_METATYPE(ui::TitleBar)
Q_DECLARE_METATYPE(ui::StripLook)
Q_DECLARE_METATYPE(ui::PhoneLook)

namespace {

// A dialog that changes its size when shown, before it asks to be centred,
// as the customer windows do when they fold their supplement away.
class GrowingDialog : public QDialog {
public:
    QSize sizeOnShow;

protected:
    void showEvent(QShowEvent *event) override
    {
        setFixedSize(sizeOnShow);
        ui::centreOnScreen(this);
        QDialog::showEvent(event);
    }
};

// The labels an accessibility client is told name this widget.
QStringList labelNames(QWidget *widget)
{
    QStringList names;
    const auto relations = QAccessible::queryAccessibleInterface(widget)->relations(QAccessible::Label);
    for (const auto &[label, relation] : relations)
        names << label->text(QAccessible::Name);
    return names;
}

QString accessibleName(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// The widgets of a layout from left to right: a box by its object name, a
// fixed text as itself.
QStringList rowParts(QHBoxLayout *row)
{
    QStringList parts;
    for (int i = 0; i < row->count(); ++i) {
        QWidget *w = row->itemAt(i)->widget();
        if (auto *label = qobject_cast<QLabel *>(w))
            parts << "'" + label->text() + "'";
        else if (w)
            parts << w->objectName();
    }
    return parts;
}

} // namespace

class TestFormKit : public QObject {
    Q_OBJECT
private slots:
    void windowsOpenInTheMiddleOfTheDesktop();
    void windowTitleBars_data();
    void windowTitleBars();
    void smallWindowsStackStripPartsAndButtons();
    void pictureButtonsAreFoundByWhatTheyDo();
    void titleStripsShowTheirTitleOnTheirColours_data();
    void titleStripsShowTheirTitleOnTheirColours();
    void textBoxesHoldTheirLimitAndKeys();
    void captionsNameTheirFields();
    void phoneRowsJoinTheirBoxes_data();
    void phoneRowsJoinTheirBoxes();
    void joinedLabelsFollowTheCurrentRow();
    void viewToolBarsFollowTheirTable();
    void searchFieldsGiveEveryCondition();
    void wrappedValuesKeepTheWindowNarrow_data();
    void wrappedValuesKeepTheWindowNarrow();
    void tabGoesInReadingOrder();
    void requiredFieldTakesTheCursor();
};

void TestFormKit::windowsOpenInTheMiddleOfTheDesktop()
{
    GrowingDialog window;
    const QRect desktop = window.screen()->availableGeometry();
    for (const QSize size : {QSize(300, 200), QSize(520, 460), QSize(300, 200)}) {
        window.sizeOnShow = size;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint offset = window.frameGeometry().center() - desktop.center();
        QVERIFY2(offset.manhattanLength() <= 1, qPrintable(QStringLiteral("%1 x %2: off by %3, %4")
                                                               .arg(size.width()).arg(size.height())
                                                               .arg(offset.x()).arg(offset.y())));
        // Moved away by the user, it comes back to the middle the next time.
        window.move(desktop.topLeft());
        window.hide();
    }
}

void TestFormKit::windowTitleBars_data()
{
    QTest::addColumn<ui::TitleBar>("bar");
    QTest::addColumn<bool>("closeBox");
    QTest::addColumn<bool>("titleBar");
    QTest::newRow("close box") << ui::TitleBar::CloseBox << true << true;
    QTest::newRow("title only") << ui::TitleBar::TitleOnly << false << true;
    QTest::newRow("no title bar") << ui::TitleBar::None << false << false;
}

void TestFormKit::windowTitleBars()
{
    QFETCH(ui::TitleBar, bar);
    QFETCH(bool, closeBox);
    QFETCH(bool, titleBar);
    QDialog window;
    ui::setUpWindow(&window, QStringLiteral("find_x"), QStringLiteral("搜索"), bar);
    QCOMPARE(window.objectName(), QStringLiteral("find_x"));
    QCOMPARE(window.windowTitle(), QStringLiteral("搜索"));
    QCOMPARE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint), closeBox);
    QCOMPARE(window.windowFlags().testFlag(Qt::WindowTitleHint), titleBar);
    QCOMPARE(window.windowFlags().testFlag(Qt::FramelessWindowHint), !titleBar);
    QVERIFY(!window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

void TestFormKit::smallWindowsStackStripPartsAndButtons()
{
    QDialog window;
    ui::TitleStrip *strip = ui::titleStrip(QStringLiteral("  搜索公司"), &window);
    auto *group = new QGroupBox(QStringLiteral("自定义条件搜索"), &window);
    group->setFixedSize(300, 120);
    auto *note = new QLabel(QStringLiteral("note"), &window);
    QPushButton *search = ui::searchButton(&window);
    ui::layOutWindow(&window, strip, {group, note}, {search});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(strip->geometry(), QRect(0, 0, window.width(), ui::TitleStrip::Height));
    QCOMPARE(group->x(), 8);
    QVERIFY(group->y() > strip->geometry().bottom());
    QVERIFY(note->y() > group->geometry().bottom());
    QVERIFY(search->y() > note->geometry().bottom());
    QCOMPARE(window.width() - search->geometry().right() - 1, 8);
    QCOMPARE(window.minimumSize(), window.maximumSize());

    QCOMPARE(search->text(), QStringLiteral("搜 索"));
    QVERIFY(search->isDefault());
    QVERIFY(!search->icon().isNull());
    QCOMPARE(testing::button(&window, QStringLiteral("搜 索")), search);
}

// The close cross of a window without a title bar: its picture's size, the
// hand over it, found and read out by what it does; it never takes the focus
// from the window's fields.
void TestFormKit::pictureButtonsAreFoundByWhatTheyDo()
{
    QDialog window;
    ui::setUpWindow(&window, QStringLiteral("ring"), QStringLiteral("提醒"), ui::TitleBar::None);
    QToolButton *cross = ui::pictureButton(&window, ui::crossPicture(10, Qt::darkRed), QStringLiteral("关闭"));
    QLabel *line = ui::plainText(QStringLiteral("<b>张</b>三"), &window);
    line->move(0, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(cross->size(), QSize(10, 10));
    QCOMPARE(cross->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(accessibleName(cross), QStringLiteral("关闭"));
    QCOMPARE(cross->focusPolicy(), Qt::NoFocus);
    QCOMPARE(testing::button(&window, QStringLiteral("关闭")), cross);
    QSignalSpy clicked(cross, &QToolButton::clicked);
    QTest::mouseClick(cross, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);

    QCOMPARE(line->textFormat(), Qt::PlainText);
    QCOMPARE(accessibleName(line), QStringLiteral("<b>张</b>三"));
}

void TestFormKit::titleStripsShowTheirTitleOnTheirColours_data()
{
    QTest::addColumn<ui::StripLook>("look");
    QTest::newRow("window") << ui::strips::window;
    QTest::newRow("customer form") << ui::strips::customerForm;
    QTest::newRow("customer list") << ui::strips::customerList;
    QTest::newRow("company view") << ui::strips::companyView;
}

void TestFormKit::titleStripsShowTheirTitleOnTheirColours()
{
    QFETCH(ui::StripLook, look);
    QWidget window;
    const QString title = QStringLiteral("<b>搜索</b>");
    ui::TitleStrip *strip = ui::titleStrip(title, &window, look);
    strip->setFixedWidth(400);
    QCOMPARE(strip->height(), ui::TitleStrip::Height);
    QCOMPARE(strip->textFormat(), Qt::PlainText);
    QCOMPARE(accessibleName(strip), title);

    const QImage picture = strip->grab().toImage();
    auto near = [](QColor a, QColor b) {
        return qAbs(a.red() - b.red()) <= 3 && qAbs(a.green() - b.green()) <= 3 && qAbs(a.blue() - b.blue()) <= 3;
    };
    // The band runs from its first colour at the left to its last at the right.
    QVERIFY(near(picture.pixelColor(0, 2), look.band.first().second));
    QVERIFY(near(picture.pixelColor(picture.width() - 1, 2), look.band.last().second));
    if (look.foot.isValid())
        QCOMPARE(picture.pixelColor(200, picture.height() - 1), look.foot);
    else
        QVERIFY(near(picture.pixelColor(0, picture.height() - 1), look.band.first().second));
    // The title is drawn in white.
    bool white = false;
    for (int x = 0; x < 120 && !white; ++x) {
        for (int y = 0; y < picture.height() && !white; ++y)
            white = picture.pixelColor(x, y) == Qt::white;
    }
    QVERIFY(white);
}

void TestFormKit::textBoxesHoldTheirLimitAndKeys()
{
    QWidget window;
    QLineEdit *digits = ui::textBox(&window, QStringLiteral("Edit4"), 5, 60, ui::KeyFilter::Mode::Digits);
    QLineEdit *any = ui::textBox(&window, QStringLiteral("Edit9"), ui::kNoLimit);
    QCOMPARE(digits->objectName(), QStringLiteral("Edit4"));
    QCOMPARE(digits->width(), 60);
    QCOMPARE(digits->minimumWidth(), digits->maximumWidth());

    QTest::keyClicks(digits, QStringLiteral("1a2 3-45678"));
    QCOMPARE(digits->text(), QStringLiteral("12345"));
    // Characters as a user counts them: five flags are five characters.
    digits->clear();
    digits->insert(QStringLiteral("🇨🇳🇨🇳🇨🇳🇨🇳🇨🇳🇨🇳"));
    QCOMPARE(ui::characterCount(digits->text()), 5);

    const QString long_ = QString(40000, u'长');
    QTest::keyClicks(any, QStringLiteral("a b"));
    any->insert(long_);
    QCOMPARE(any->text(), QStringLiteral("a b") + long_);
}

void TestFormKit::captionsNameTheirFields()
{
    QWidget window;
    auto *grid = new QGridLayout(&window);
    ui::FormGrid rows(&window, grid, {.firstColumn = 1, .captions = Qt::AlignRight | Qt::AlignVCenter});
    QLineEdit *name = ui::textBox(&window, QStringLiteral("Edit1"), 150);
    QLineEdit *shortName = ui::textBox(&window, QStringLiteral("Edit5"), 50);
    QLineEdit *english = ui::textBox(&window, QStringLiteral("Edit2"), 150);
    QLineEdit *area = ui::textBox(&window, QStringLiteral("Edit7"), 5);
    QLineEdit *number = ui::textBox(&window, QStringLiteral("Edit10"), 15);
    rows.add(QStringLiteral("公司名称:"), name, 3);
    rows.nextLine();
    rows.add(QStringLiteral("简称:"), shortName);
    QLabel *second = rows.add(QStringLiteral("<i>英文名称:</i>"), english);
    rows.nextLine();
    auto *heading = new ui::PhoneHeading({area, number}, Qt::AlignLeft, &window);
    rows.skip();
    rows.addSpanning(heading, 3);
    rows.nextLine();
    rows.add(QStringLiteral("总    机:"), area, ui::phoneRow(area, number));
    window.show();

    QCOMPARE(rows.line(), 3);
    for (const auto &[caption, field] : {std::pair{"公司名称:", name}, std::pair{"简称:", shortName},
                                         std::pair{"<i>英文名称:</i>", english}, std::pair{"总    机:", area}}) {
        const QString text = QString::fromUtf8(caption);
        QCOMPARE(testing::field(&window, text), field);
        QCOMPARE(labelNames(field), QStringList{text});
    }
    QCOMPARE(second->textFormat(), Qt::PlainText);
    QCOMPARE(second->alignment(), Qt::AlignRight | Qt::AlignVCenter);

    // Captions in the first column given, fields beside them, spans as asked.
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(grid->indexOf(name), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QList<int>({row, column, columnSpan}), QList<int>({0, 2, 3}));
    grid->getItemPosition(grid->indexOf(english), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QList<int>({row, column, columnSpan}), QList<int>({1, 4, 1}));
    grid->getItemPosition(grid->indexOf(heading), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(QList<int>({row, column, columnSpan}), QList<int>({2, 2, 3}));
    QVERIFY(area->geometry().top() > heading->geometry().top());
}

void TestFormKit::phoneRowsJoinTheirBoxes_data()
{
    QTest::addColumn<ui::PhoneLook>("look");
    QTest::addColumn<bool>("extension");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("with extension") << ui::PhoneLook{} << true
                                    << QStringList{"area", "'-'", "number", "' 转 '", "extension"};
    QTest::newRow("without extension") << ui::PhoneLook{} << false << QStringList{"area", "'-'", "number"};
    QTest::newRow("search window") << ui::PhoneLook{.dash = "-", .extension = "转", .spacing = 4} << true
                                   << QStringList{"area", "'-'", "number", "'转'", "extension"};
    QTest::newRow("no texts") << ui::PhoneLook{.dash = {}, .extension = {}, .spacing = 4} << true
                              << QStringList{"area", "number", "extension"};
}

void TestFormKit::phoneRowsJoinTheirBoxes()
{
    QFETCH(ui::PhoneLook, look);
    QFETCH(bool, extension);
    QFETCH(QStringList, parts);
    QWidget window;
    QLineEdit *boxes[3];
    const char *names[] = {"area", "number", "extension"};
    for (int i = 0; i < 3; ++i)
        boxes[i] = ui::textBox(&window, QString::fromLatin1(names[i]), 5, 40);
    QHBoxLayout *row = ui::phoneRow(boxes[0], boxes[1], extension ? boxes[2] : nullptr, look);
    window.setLayout(row);
    window.show();
    QCOMPARE(rowParts(row), parts);
    QCOMPARE(row->spacing(), look.spacing);
    // Left to right, in one line.
    QVERIFY(boxes[0]->x() < boxes[1]->x());
    QCOMPARE(boxes[0]->y(), boxes[1]->y());
}

void TestFormKit::joinedLabelsFollowTheCurrentRow()
{
    testing::TempInstall install;
    install.execMain("insert into atc2 (c1, c11, c14) values ('甲', '62345678', '010')");
    install.execMain("insert into atc2 (c1, c11, c14) values ('<b>乙</b>', '', '')");
    TData_in data(install.dir());
    data::StandingQuery &companies = data.atc2_all(); // newest first: 乙, then 甲

    QWidget window;
    auto *phone = new ui::JoinedLabel(&window, {"c14", "c11"}, {"-"});
    auto *name = new ui::JoinedLabel(&window, {"c1"}, {}, QStringLiteral("公司名称"));
    name->cutWithHint();
    ui::caption(QStringLiteral("总    机:"), phone, &window);
    phone->bind(&companies);
    name->bind(&companies);
    window.show(); // labels off screen show nothing yet

    // Texts between the columns show even when the columns are empty; a
    // value shows as it is stored, in the label and in its hint.
    QCOMPARE(phone->text(), QStringLiteral("-"));
    QCOMPARE(name->text(), QStringLiteral("<b>乙</b>"));
    QCOMPARE(name->textFormat(), Qt::PlainText);
    QVERIFY(name->toolTip().contains(QStringLiteral("&lt;b&gt;")));
    QVERIFY(phone->toolTip().isEmpty());

    companies.next();
    QCOMPARE(phone->text(), QStringLiteral("010-62345678"));
    QCOMPARE(name->text(), QStringLiteral("甲"));
    QCOMPARE(accessibleName(phone), QStringLiteral("010-62345678"));
    QCOMPARE(labelNames(phone), QStringList{QStringLiteral("总    机:")});
    QCOMPARE(testing::field(&window, QStringLiteral("公司名称")), name);

    // A change to the row shows at once.
    companies.edit();
    companies.setField("c11", "999");
    QCOMPARE(phone->text(), QStringLiteral("010-999"));
}

void TestFormKit::viewToolBarsFollowTheirTable()
{
    QWidget view;
    QStringList clicked;
    QToolBar *bar = ui::viewToolBar(&view,
                                    {{"新公司", "创建新公司", QStyle::SP_FileIcon, [&] { clicked << "new"; }},
                                     {"删 除", "删除选中的公司", QStyle::SP_TrashIcon, [&] { clicked << "delete"; }, true},
                                     {"搜 索", "", QStyle::SP_FileDialogContentsView, [&] { clicked << "search"; }}},
                                    {.buttonWidth = 52, .tabStops = true});
    auto *layout = new QVBoxLayout(&view);
    layout->addWidget(bar);
    view.show();

    QStringList order;
    for (QAction *action : bar->actions()) {
        auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action));
        order << (action->isSeparator() ? QStringLiteral("|") : button->text());
        if (button) {
            QVERIFY(button->width() >= 52);
            QCOMPARE(button->focusPolicy(), Qt::TabFocus);
            QCOMPARE(accessibleName(button), button->text());
        }
    }
    QCOMPARE(order, QStringList({"新公司", "删 除", "|", "搜 索"}));
    QCOMPARE(testing::button(&view, "删 除")->toolTip(), QStringLiteral("删除选中的公司"));
    QVERIFY(testing::button(&view, "搜 索")->toolTip().isEmpty());

    testing::click(&view, "搜 索");
    testing::click(&view, "新公司");
    QCOMPARE(clicked, QStringList({"search", "new"}));

    QToolBar *plain = ui::viewToolBar(&view, {{"帮 助", "帮助", QStyle::SP_DialogHelpButton, [] {}}});
    QCOMPARE(plain->findChild<QToolButton *>()->focusPolicy(), Qt::NoFocus);
}

// A search window's fields give the texts of every searched column, in the
// kinds a search window has: a line, a drop-down that takes typing, a pick
// list and a plain list.
void TestFormKit::searchFieldsGiveEveryCondition()
{
    using data::FieldDef;
    const data::RecordDef record{"atc1", "aid",
                                 {FieldDef{"a1", {}, data::Input::Line, data::Entry::Any, 0, 0, {}, {}, 1},
                                  FieldDef{"a12", {}, data::Input::Choice, data::Entry::Any, 0, 0, {}, {}, 2},
                                  FieldDef{"a13", {}, data::Input::Choice, data::Entry::Any, 0, 0, {}, {}, 3},
                                  FieldDef{"a18", {}, data::Input::Choice, data::Entry::Any, 0, 0, {}, {}, 4},
                                  FieldDef{"a2"}}};
    QWidget window;
    ui::SearchFields fields;
    auto *name = fields.add("a1", new QLineEdit(&window));
    auto *salutation = fields.add("a12", new QComboBox(&window));
    salutation->setEditable(true);
    salutation->addItems({"先生", "女士"});
    auto *department = fields.add("a13", new ui::PickListCombo(&window));
    auto *company = fields.add("a18", new QComboBox(&window));
    company->addItems({"华星", "远大"});

    name->setText("张");
    salutation->setEditText("先");
    company->setCurrentIndex(-1);
    QCOMPARE(fields.texts(record), (data::SearchTexts{{"a1", "张"}, {"a12", "先"}, {"a13", ""}, {"a18", ""}}));
    company->setCurrentIndex(1);
    QCOMPARE(fields.texts(record).at("a18"), QStringLiteral("远大"));

    fields.clear();
    QCOMPARE(fields.texts(record), (data::SearchTexts{{"a1", ""}, {"a12", ""}, {"a13", ""}, {"a18", ""}}));
    QCOMPARE(company->currentIndex(), -1);
    QCOMPARE(department->currentIndex(), -1);

    // A searched column the window has no field for is a mistake, not an empty condition.
    ui::SearchFields missing;
    missing.add("a1", name);
    QVERIFY_THROWS_EXCEPTION(std::logic_error, missing.texts(record));
}

void TestFormKit::wrappedValuesKeepTheWindowNarrow_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("lines"); // the lines it takes: 1 to 3
    QTest::addColumn<bool>("cut");
    QTest::newRow("short") << "张三" << 1 << false;
    QTest::newRow("markup") << "<b>张三</b>" << 1 << false;
    QTest::newRow("two lines of Chinese") << QString(14, QChar(0x957f)) << 2 << false;
    QTest::newRow("a word longer than the line") << QString(40, u'W') << 3 << true;
    QTest::newRow("line breaks") << "一\n二\n三\n四" << 3 << true;
    QTest::newRow("very long") << QString(5000, QChar(0x957f)) << 3 << true;
}

// A value wraps at its width over three lines at most, whatever its length;
// a short one takes no more room than it needs. The label holds and tells all
// of the value, as plain text.
void TestFormKit::wrappedValuesKeepTheWindowNarrow()
{
    QFETCH(QString, value);
    QFETCH(int, lines);
    QFETCH(bool, cut);
    QDialog window;
    auto *label = new ui::WrappedValue(&window, 120, 3, QStringLiteral("名称"));
    auto *layout = new QVBoxLayout(&window);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(label);
    label->setText(value);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QFontMetrics metrics(label->font());
    QVERIFY(label->width() <= 120);
    if (lines == 1)
        QVERIFY(qAbs(label->width() - metrics.horizontalAdvance(value)) <= 1);
    QVERIFY(label->height() >= lines * metrics.height());
    QVERIFY(label->height() < (lines + 1) * metrics.height());
    QCOMPARE(label->isCut(), cut);
    QCOMPARE(label->text(), value);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(accessibleName(label), value);
    QCOMPARE(label->accessibleDescription(), QStringLiteral("名称"));
}

// Line by line from the top, left to right; each group box through before
// the next; the pages of a tab widget in turn after its tab bar; labels and
// buttons that take no Tab left out. The cursor starts in the first field.
void TestFormKit::tabGoesInReadingOrder()
{
    QDialog window;
    const auto line = [&](const char *name, QWidget *parent) {
        auto *box = new QLineEdit(parent);
        box->setObjectName(name);
        return box;
    };
    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel("名称", &window), 0, 0);
    grid->addWidget(line("top right", &window), 0, 3);
    grid->addWidget(line("top left", &window), 0, 1);
    grid->addWidget(line("second left", &window), 1, 1);
    grid->addWidget(line("second right", &window), 1, 3);
    auto *noTab = new QToolButton(&window);
    noTab->setFocusPolicy(Qt::NoFocus);
    grid->addWidget(noTab, 1, 2);

    auto *left = new QGroupBox("左", &window);
    auto *leftLayout = new QVBoxLayout(left);
    auto *right = new QGroupBox("右", &window);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->addWidget(line("right group 1", right));
    leftLayout->addWidget(line("left group 1", left));
    leftLayout->addWidget(line("left group 2", left));
    rightLayout->addWidget(line("right group 2", right));
    auto *groups = new QHBoxLayout;
    groups->addWidget(left);
    groups->addWidget(right);

    auto *tabs = new QTabWidget(&window);
    auto *second = new QWidget;
    auto *secondLayout = new QVBoxLayout(second);
    secondLayout->addWidget(line("page 2", second));
    auto *first = new QWidget;
    auto *firstLayout = new QHBoxLayout(first);
    firstLayout->addWidget(line("page 1 right", first));
    firstLayout->insertWidget(0, line("page 1 left", first));
    tabs->addTab(first, "一");
    tabs->addTab(second, "二");
    tabs->tabBar()->setObjectName("tabs");
    auto *ok = new QPushButton("确定", &window);
    ok->setObjectName("ok");

    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(ok); // the button is placed at the foot below
    layout->insertLayout(0, grid);
    layout->insertLayout(1, groups);
    layout->insertWidget(2, tabs);

    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    ui::layOutNow(&window);
    const QList<QWidget *> chain = ui::chainInReadingOrder(&window);
    QStringList names;
    for (QWidget *w : chain)
        names << w->objectName();
    QCOMPARE(names, (QStringList{"top left", "top right", "second left", "second right", "left group 1", "left group 2",
                                 "right group 1", "right group 2", "tabs", "page 1 left", "page 1 right", "page 2",
                                 "ok"}));
    ui::focusFirstField(&window, chain);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("top left"));
    QStringList tabbed;
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        tabbed << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(tabbed, (QStringList{"top right", "second left", "second right", "left group 1", "left group 2"}));
}

// The warning once, then the cursor in the first required field left empty,
// on the tab page that holds it.
void TestFormKit::requiredFieldTakesTheCursor()
{
    ui::MessageBox::setTestMode(true);
    ui::MessageBox::clearShown();
    QDialog window;
    auto *tabs = new QTabWidget(&window);
    auto *name = new QLineEdit;
    auto *code = new QLineEdit;
    tabs->addTab(name, "一");
    tabs->addTab(code, "二");
    (new QVBoxLayout(&window))->addWidget(tabs);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QVERIFY(ui::requiredFilled(&window, {{name, true}, {code, true}}));
    QVERIFY(ui::MessageBox::shown().isEmpty());
    QVERIFY(!ui::requiredFilled(&window, {{name, true}, {code, false}}));
    QCOMPARE(ui::MessageBox::shown().size(), 1);
    QCOMPARE(ui::MessageBox::lastText(), QStringLiteral("请将标有*号项填写完整"));
    QCOMPARE(tabs->currentWidget(), code);
    QCOMPARE(QApplication::focusWidget(), code);
    QVERIFY(!ui::requiredFilled(&window, {{name, false}, {code, false}}, QStringLiteral("请选定")));
    QCOMPARE(ui::MessageBox::lastText(), QStringLiteral("请选定"));
    QCOMPARE(QApplication::focusWidget(), name);
    ui::MessageBox::setTestMode(false);
}

QTEST_MAIN(TestFormKit)
#include "test_formkit.moc"
