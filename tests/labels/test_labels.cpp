// What the labels, grid headers and star strips of the whole program show and
// tell an accessibility client: stored text shows as it is, never as markup;
// a value label is read as its value, with its caption as its label; a grid
// header is read as the titles the grid gives its columns; a star strip as
// its rating, and a rating that is no digit from 1 to 5 shows no star. Every
// grid column has the width it was given.
#include "CustomerViewsFixture.h"

#include "DbGrid.h"
#include "StandingQuery.h"
#include "StarRating.h"
#include "TData_in.h"
#include "Ta_main.h"
#include "companies/TFrame_fenzu.h"
#include "customers/CustomerDetailPages.h"
#include "customers/TFrame_lianxiren.h"
#include "customers/TFrame_liebiao.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <QTextDocument>

using testing::CustomerViews;

namespace {

// What a label puts on screen: its text, unless it takes the text for markup.
QString drawnText(const QLabel *label)
{
    const Qt::TextFormat format = label->textFormat();
    if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(label->text())))
        return label->text();
    QTextDocument document;
    if (format == Qt::MarkdownText)
        document.setMarkdown(label->text());
    else
        document.setHtml(label->text());
    return document.toPlainText();
}

// What a hint puts on screen (a hint takes what looks like markup for markup).
QString drawnHint(const QString &hint)
{
    if (!Qt::mightBeRichText(hint))
        return hint;
    QTextDocument document;
    document.setHtml(hint);
    return document.toPlainText();
}

QAccessibleInterface *accessible(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object);
}

QString nameOf(QObject *object)
{
    QAccessibleInterface *item = accessible(object);
    return item ? item->text(QAccessible::Name) : QStringLiteral("<not accessible>");
}

// The objects an accessibility client is told label this widget.
QList<QObject *> labelsOf(QWidget *widget)
{
    QList<QObject *> labels;
    const auto relations = accessible(widget)->relations(QAccessible::Label);
    for (const auto &[label, relation] : relations)
        labels << label->object();
    return labels;
}

// The value a caption names (its buddy).
QLabel *valueCaptioned(QWidget *root, const QString &caption)
{
    const auto labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->text() == caption && label->buddy())
            return qobject_cast<QLabel *>(label->buddy());
    }
    return nullptr;
}

QLabel *labelDescribed(QWidget *root, const QString &description)
{
    const auto labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->accessibleDescription() == description)
            return label;
    }
    return nullptr;
}

// The one widget of this type inside the group box with this title.
template <typename T> T *inGroup(QWidget *root, const QString &title)
{
    const auto groups = root->findChildren<QGroupBox *>();
    for (QGroupBox *group : groups) {
        if (group->title() == title)
            return group->findChild<T *>(QString(), Qt::FindDirectChildrenOnly);
    }
    return nullptr;
}

// The labels under root that show something other than their text, or whose
// hint does; every text they hold goes into shown.
QStringList misShown(QWidget *root, QStringList &shown)
{
    QStringList wrong;
    const auto labels = root->findChildren<QLabel *>();
    for (QLabel *label : labels) {
        shown << label->text();
        if (drawnText(label) != label->text())
            wrong << label->text() + QStringLiteral(" shows as ") + drawnText(label);
        if (!label->toolTip().isEmpty() && drawnHint(label->toolTip()) != label->text())
            wrong << label->text() + QStringLiteral(" hints ") + drawnHint(label->toolTip());
    }
    return wrong;
}

// A customer and a company whose texts look like markup.
const testing::Row kMarkupCompany{
    {"c1", "<u>丙公司</u>"}, {"c2", "<b>Bing</b>"}, {"c3", "<i>丙"}, {"c4", "<s>上海"}, {"c5", "<br>"},
    {"c6", "<a href=\"http://x\">www</a>"}, {"c7", "<h2>伙伴</h2>"}, {"c8", "<b>机床"}, {"c9", "<i>制造</i>"},
    {"c10", "<big>大"}, {"c11", "8888"}, {"c14", "010"}, {"c17", "4"}};
const testing::Row kMarkupCustomer{
    {"a1", "<u>ab</u>"}, {"a2", "<b>Zh</b>"}, {"a3", "<i>123"}, {"a4", "456"}, {"a5", "13800001111"},
    {"a6", "<b>139</b>"}, {"a8", "<i>mail"}, {"a9", "<a href=\"x\">msn</a>"}, {"a10", "<h1>12345</h1>"},
    {"a11", "4"}, {"a12", "<i>先生</i>"}, {"a13", "<font color=red>销售部</font>"}, {"a14", "3"},
    {"a15", "<b>北京路</b>"}, {"a16", "<br>"}, {"a18", "<u>丙公司</u>"}, {"a19", "010"}, {"a20", "021"},
    {"a26", "<s>经理"}, {"a27", "<b>86</b>"}, {"a28", "0"}};

// Rows of the company list, newest first: 乙 (cid 2) above 甲 (cid 1).
int companyRow(const data::StandingQuery &companies, const QString &name)
{
    for (int row = 0; row < companies.count(); ++row) {
        if (companies.value(row, companies.fieldIndex("c1")) == name)
            return row;
    }
    return -1;
}

} // namespace

class TestLabels : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void storedTextShowsAsItIs();
    void labelsTellTheValuesTheyShow();
    void ratingsShowTheirStarsOrNone();
    void gridHeadersTellTheirTitles_data();
    void gridHeadersTellTheirTitles();
    void everyGridTellsItsOwnTitles();
    void columnsHaveTheirWidths_data();
    void columnsHaveTheirWidths();

private:
    TFrame_lianxiren &detail() const { return m_views->detail(); }
    TFrame_fenzu &companyView() const { return *m_views->main().Frame_fenzu1; }
    ui::DbGrid *grid(const QString &name) const;
    void selectCompany(const QString &name);

    std::unique_ptr<CustomerViews> m_views;
};

void TestLabels::initTestCase()
{
    m_views = std::make_unique<CustomerViews>();
}

void TestLabels::cleanupTestCase()
{
    m_views.reset();
}

ui::DbGrid *TestLabels::grid(const QString &name) const
{
    if (name == "customer list")
        return m_views->listGrid();
    if (name == "customer memos")
        return detail().pages()->memoGrid();
    if (name == "customer activities")
        return detail().pages()->activityGrid();
    if (name == "customer analyses")
        return detail().pages()->analysisGrid();
    const QMap<QString, QString> company{{"company list", "DBGrid1"}, {"company memos", "DBGrid2"},
                                         {"company customers", "DBGrid3"}};
    return companyView().findChild<ui::DbGrid *>(company.value(name));
}

void TestLabels::selectCompany(const QString &name)
{
    m_views->main().showView(&companyView());
    data::StandingQuery &companies = m_views->data().atc2_all();
    const int row = companyRow(companies, name);
    QVERIFY2(row >= 0, qPrintable(name));
    testing::clickRow(grid("company list"), row);
    QCOMPARE(companies.currentRow(), row);
}

// A customer and a company whose texts look like markup show those texts as
// typed: in the detail view's header, its 补充信息 and 所属 pages, the memo
// window, the edit window and the company view, with the company view's hints.
void TestLabels::storedTextShowsAsItIs()
{
    m_views->insert("atc2", kMarkupCompany);
    m_views->insert("atc1", kMarkupCustomer);
    m_views->reload();

    m_views->openCustomer("<u>ab</u>");
    detail().showTab(TFrame_lianxiren::Tab::Company);
    QStringList shown;
    QStringList wrong = misShown(&detail(), shown);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    const QStringList stored{"<u>ab</u>", "<i>先生</i>", "<b>Zh</b>", "<s>经理", "<font color=red>销售部</font>",
                             "<b>86</b>-13800001111", "<i>mail", "<h1>12345</h1>", "<a href=\"x\">msn</a>",
                             "<b>北京路</b>,<br>", "0-<b>139</b>", "<u>丙公司</u>", "<b>Bing</b>", "<i>丙",
                             "<s>上海,<br>", "<a href=\"http://x\">www</a>", "<h2>伙伴</h2>"};
    for (const QString &text : stored)
        QVERIFY2(shown.contains(text), qPrintable(text));

    auto shownInModal = [](const QString &text) {
        return [text](QDialog *window) {
            QStringList shown;
            const QStringList wrong = misShown(window, shown);
            QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
            QVERIFY(shown.contains(text));
        };
    };
    QVERIFY(testing::runModal([this] { testing::click(&detail(), "新备忘"); }, shownInModal("<u>ab</u>")));
    QVERIFY(testing::runModal([this] { testing::click(&detail(), "修 改"); }, shownInModal("<u>丙公司</u>")));

    selectCompany("<u>丙公司</u>");
    shown.clear();
    wrong = misShown(&companyView(), shown);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    for (const char *text : {"<u>丙公司</u>", "<b>Bing</b>", "<i>丙", "<s>上海,<br>", "<h2>伙伴</h2>", "<i>制造</i>"})
        QVERIFY2(shown.contains(QString::fromUtf8(text)), text);
}

// A value label is read as the value it shows, and its caption (or the group
// box it sits in) is its label. Every label of the program is read as its text.
void TestLabels::labelsTellTheValuesTheyShow()
{
    m_views->openCustomer("张三");
    const std::pair<const char *, const char *> captioned[] = {
        {"手  机:", "0-13900000000"}, {"电  话:", "0-123 转 45"},  {"E-mail:", "z@x.cn"},
        {"公司编号:", "1"},           {"电   话2:", "021-456 转 9"}, {"Q Q:", "12345"},
        {"公司名称", "甲公司"},       {"总    机", "010-8888"},
    };
    for (const auto &[caption, value] : captioned) {
        QLabel *label = valueCaptioned(&detail(), QString::fromUtf8(caption));
        QVERIFY2(label, caption);
        QCOMPARE(label->text(), QString::fromUtf8(value));
        QCOMPARE(nameOf(label), QString::fromUtf8(value));
        bool captionIsLabel = false;
        for (QObject *by : labelsOf(label))
            captionIsLabel |= qobject_cast<QLabel *>(by) && static_cast<QLabel *>(by)->text() == caption;
        QVERIFY2(captionIsLabel, caption);
    }

    QLabel *name = labelDescribed(&detail(), "中文名");
    QVERIFY(name);
    QCOMPARE(nameOf(name), QStringLiteral("张三"));
    QLabel *key = inGroup<QLabel>(&detail(), "编号");
    QVERIFY(key);
    QCOMPARE(nameOf(key), QStringLiteral("1"));
    QVERIFY(labelsOf(key).contains(key->parentWidget()));

    selectCompany("甲公司");
    QLabel *heading = labelDescribed(&companyView(), "公司名称");
    QVERIFY(heading);
    QCOMPARE(nameOf(heading), QStringLiteral("甲公司"));
    QLabel *number = inGroup<QLabel>(&companyView(), "编号");
    QVERIFY(number);
    QCOMPARE(nameOf(number), QStringLiteral("1"));
    QLabel *phone = valueCaptioned(&companyView(), "总    机:");
    QVERIFY(phone);
    QCOMPARE(nameOf(phone), QStringLiteral("010-8888"));

    m_views->main().showView(&detail());
    QVERIFY(testing::runModal([this] { testing::click(&detail(), "新备忘"); }, [](QDialog *memo) {
        for (const char *what : {"日期", "时间"}) {
            QLabel *label = labelDescribed(memo, what);
            QVERIFY2(label && !label->text().isEmpty(), what);
            QCOMPARE(nameOf(label), label->text());
        }
        QLabel *customer = labelDescribed(memo, "客户");
        QVERIFY(customer);
        QCOMPARE(nameOf(customer), QStringLiteral("张三"));
    }));

    // Every label of every window, and every caption is the label of its
    // value; a group box (which labels what is in it) is read as its title.
    const auto widgets = QApplication::allWidgets();
    int labels = 0;
    for (QWidget *widget : widgets) {
        if (auto *group = qobject_cast<QGroupBox *>(widget); group && !group->title().isEmpty())
            QCOMPARE(nameOf(group), group->title());
        auto *label = qobject_cast<QLabel *>(widget);
        if (!label || label->text().isEmpty())
            continue;
        ++labels;
        QCOMPARE(nameOf(label), label->text());
        if (auto *value = qobject_cast<QLabel *>(label->buddy()))
            QVERIFY2(labelsOf(value).contains(label), qPrintable(label->text()));
    }
    QVERIFY(labels > 50);
}

// The strips of the detail view and the company view show the rating's stars,
// or none for a rating that is no digit from 1 to 5, and are read as "N 星".
void TestLabels::ratingsShowTheirStarsOrNone()
{
    auto *customerStars = inGroup<ui::StarRating>(&detail(), "级别");
    auto *companyStars = inGroup<ui::StarRating>(&companyView(), "级别");
    QVERIFY(customerStars && companyStars);
    for (ui::StarRating *stars : {customerStars, companyStars})
        QVERIFY(labelsOf(stars).contains(stars->parentWidget()));
    auto shows = [](ui::StarRating *stars, int count) {
        QCOMPARE(stars->stars(), count);
        QCOMPARE(nameOf(stars), QStringLiteral("%1 星").arg(count));
        QAccessibleInterface *item = accessible(stars);
        QCOMPARE(item->text(QAccessible::Value), QString::number(count));
        QCOMPARE(item->valueInterface()->currentValue().toInt(), count);
    };

    m_views->openCustomer("张三");
    shows(customerStars, 3);
    m_views->openCustomer("王五"); // rating "x"
    shows(customerStars, 0);
    m_views->openCustomer("李四");
    shows(customerStars, 5);

    m_views->execute("update atc2 set c17='3' where cid=1");
    m_views->execute("update atc2 set c17='x' where cid=2");
    m_views->data().atc2_all().reset();
    selectCompany("甲公司");
    shows(companyStars, 3);
    selectCompany("乙公司");
    shows(companyStars, 0);
}

void TestLabels::gridHeadersTellTheirTitles_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QStringList>("titles");
    QTest::newRow("customer list, no title row") << "customer list" << QStringList{"编号", "中文名", "称呼", "英文名", "公司"};
    QTest::newRow("customer memos") << "customer memos" << QStringList{"内容", "日期"};
    QTest::newRow("customer activities") << "customer activities"
                                         << QStringList{"编号", "状态", "活动类型", "日期时间", "目标", "持续时间", "优先级"};
    QTest::newRow("customer analyses") << "customer analyses"
                                       << QStringList{"编号", "销售进程", "销售的产品", "数量", "单价", "总计", "预计签单日",
                                                      "概率"};
    QTest::newRow("company list, no title row") << "company list" << QStringList{"编号", "公司名称", "英文名称"};
    QTest::newRow("company memos, same query") << "company memos" << QStringList{"记录", "日期"};
    QTest::newRow("company customers, no title row") << "company customers"
                                                     << QStringList{"中文名", "称呼", "英文名", "部门"};
}

// A grid's header and the table's column headers are read as the grid's own
// titles, those of a grid without a title row included.
void TestLabels::gridHeadersTellTheirTitles()
{
    QFETCH(QString, grid);
    QFETCH(QStringList, titles);
    ui::DbGrid *view = this->grid(grid);
    QVERIFY(view);
    m_views->data().vtv3_all().reset(); // memos to read in both memo grids

    QAccessibleInterface *header = accessible(view->horizontalHeader());
    QCOMPARE(header->text(QAccessible::Name), titles.join(u' '));
    QCOMPARE(header->childCount(), titles.size());
    for (int i = 0; i < titles.size(); ++i) {
        QCOMPARE(header->child(i)->role(), QAccessible::ColumnHeader);
        QCOMPARE(header->child(i)->text(QAccessible::Name), titles[i]);
    }

    QAccessibleInterface *table = accessible(view);
    QVERIFY(table->tableInterface());
    QVERIFY(table->tableInterface()->rowCount() > 0);
    for (int i = 0; i < titles.size(); ++i) {
        const int column = view->query()->fieldIndex(view->columns()[size_t(i)].field);
        QCOMPARE(table->tableInterface()->columnDescription(column), titles[i]);
        QAccessibleInterface *title = table->child(column + 1); // the first row holds the column headers
        QCOMPARE(title->role(), QAccessible::ColumnHeader);
        QCOMPARE(title->text(QAccessible::Name), titles[i]);
        QAccessibleInterface *cell = table->tableInterface()->cellAt(0, column);
        QCOMPARE(cell->text(QAccessible::Name), view->query()->value(0, column));
        const QList<QAccessibleInterface *> headers = cell->tableCellInterface()->columnHeaderCells();
        QCOMPARE(headers.size(), 1);
        QCOMPARE(headers.first()->text(QAccessible::Name), titles[i]);
    }
}

// Every grid of the program, the pick-list editors' included, answers for
// its own titles.
void TestLabels::everyGridTellsItsOwnTitles()
{
    int grids = 0;
    const auto widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        auto *grid = qobject_cast<ui::DbGrid *>(widget);
        if (!grid || !grid->query())
            continue;
        ++grids;
        QAccessibleTableInterface *table = accessible(grid)->tableInterface();
        QVERIFY(table);
        QStringList titles;
        for (const ui::GridColumn &column : grid->columns()) {
            titles << column.title;
            QCOMPARE(table->columnDescription(grid->query()->fieldIndex(column.field)), column.title);
        }
        QCOMPARE(nameOf(grid->horizontalHeader()), titles.join(u' '));
    }
    QVERIFY(grids >= 7);
}

void TestLabels::columnsHaveTheirWidths_data()
{
    QTest::addColumn<QString>("grid");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("width");
    const struct {
        const char *grid;
        const char *field;
        int width;
    } columns[] = {
        {"customer list", "aid", 30},         {"customer list", "a1", 50},          {"customer list", "a2", 70},
        {"customer list", "a18", 210},        {"customer memos", "j4", 500},        {"customer memos", "j2", 100},
        {"customer activities", "eid", 40},   {"customer activities", "e15", 60},   {"customer activities", "e5", 60},
        {"customer activities", "e3", 125},   {"customer activities", "e7", 200},   {"customer activities", "e8", 80},
        {"customer activities", "e6", 55},    {"customer analyses", "hid", 50},     {"customer analyses", "h9", 200},
        {"customer analyses", "h2", 115},     {"customer analyses", "h4", 80},      {"customer analyses", "h8", 70},
        {"company list", "cid", 25},          {"company list", "c1", 180},          {"company list", "c2", 80},
        {"company memos", "j4", 400},         {"company memos", "j2", 100},         {"company customers", "a1", 60},
        {"company customers", "a2", 60},      {"company customers", "a13", 100},
    };
    for (const auto &c : columns)
        QTest::addRow("%s %s", c.grid, c.field) << c.grid << c.field << c.width;
}

void TestLabels::columnsHaveTheirWidths()
{
    QFETCH(QString, grid);
    QFETCH(QString, field);
    QFETCH(int, width);
    ui::DbGrid *view = this->grid(grid);
    QVERIFY(view);
    QCOMPARE(view->columnWidth(view->query()->fieldIndex(field)), width);
}

QTEST_MAIN(TestLabels)
#include "test_labels.moc"
