#include "Ta_gour.h"

#include "Contact.h"
#include "FormParts.h"
#include "WindowNames.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QUrl>

std::function<void(const QUrl &)> Ta_gour::openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };

namespace {

constexpr int headerHeight = 54;
constexpr QRect buttonGeometry(422, 308, 91, 27);
constexpr QRect textArea(26, 96, 300, 200);
constexpr QRect pictureArea(348, 78, 178, 214);

const QColor ink(0x1f, 0x3a, 0x5a);
const QColor accent(0xf0, 0x8c, 0x24);
const QColor paper(0xfd, 0xfe, 0xff);
const QColor line(0xb9, 0xc8, 0xd8);

// One page of the guide: a header band and a small picture made of boxes.
// Every text of the page is a label placed over it by the guide.
class GuidePage : public QWidget {
public:
    GuidePage(int number, QWidget *parent) : QWidget(parent), m_number(number) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);

        QLinearGradient ground(0, headerHeight, 0, height());
        ground.setColorAt(0.0, QColor(0xf3, 0xf8, 0xfd));
        ground.setColorAt(1.0, QColor(0xdc, 0xea, 0xf6));
        p.fillRect(rect(), ground);

        QLinearGradient band(0, 0, width(), 0);
        band.setColorAt(0.0, QColor(0x16, 0x4a, 0x7e));
        band.setColorAt(1.0, QColor(0x3a, 0x94, 0xd0));
        p.fillRect(0, 0, width(), headerHeight, band);
        p.fillRect(0, headerHeight, width(), 3, accent);

        drawProgress(p);
        p.translate(pictureArea.topLeft());
        switch (m_number) {
        case 1: drawWelcome(p); break;
        case 2: drawNewCustomer(p); break;
        case 3: drawDetails(p); break;
        case 4: drawActivity(p); break;
        case 5: drawAnalysis(p); break;
        default: drawThanks(p); break;
        }
    }

private:
    // Dots in the band, one per page, the current one filled.
    void drawProgress(QPainter &p) const
    {
        for (int i = 1; i <= Ta_gour::pageCount; ++i) {
            const QPoint c(width() - 26 - (Ta_gour::pageCount - i) * 16, headerHeight / 2);
            p.setPen(QPen(Qt::white, 1.5));
            p.setBrush(i == m_number ? QBrush(accent) : QBrush(Qt::NoBrush));
            p.drawEllipse(c, 5, 5);
        }
    }

    static void frame(QPainter &p, const QRect &r)
    {
        p.setPen(QPen(line, 1));
        p.setBrush(paper);
        p.drawRoundedRect(r, 4, 4);
        p.fillRect(r.x() + 1, r.y() + 1, r.width() - 1, 10, QColor(0x5b, 0x8d, 0xbf));
    }

    static void rows(QPainter &p, int x, int y, int w, int count, int highlighted = -1)
    {
        for (int i = 0; i < count; ++i) {
            const QRect r(x, y + i * 14, w, 9);
            p.setPen(Qt::NoPen);
            p.setBrush(i == highlighted ? accent : QColor(0xe3, 0xeb, 0xf3));
            p.drawRoundedRect(r, 2, 2);
        }
    }

    static void drawWelcome(QPainter &p)
    {
        const QColor tiles[] = {QColor(0x3a, 0x94, 0xd0), QColor(0x4c, 0xb0, 0x8a), accent, QColor(0x9a, 0x6f, 0xc8)};
        for (int i = 0; i < 4; ++i) {
            const QRect r(10 + (i % 2) * 84, 20 + (i / 2) * 84, 72, 72);
            p.setPen(Qt::NoPen);
            p.setBrush(tiles[i]);
            p.drawRoundedRect(r, 10, 10);
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawEllipse(r.center() + QPoint(1, 1), 14, 14);
        }
        p.setBrush(ink);
        p.drawRoundedRect(QRect(10, 196, 156, 6), 3, 3);
    }

    static void drawNewCustomer(QPainter &p)
    {
        frame(p, QRect(0, 0, 170, 150));
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawRoundedRect(QRect(8, 18, 34, 12), 2, 2);      // the new-customer button
        p.setBrush(QColor(0xc9, 0xd7, 0xe5));
        p.drawRoundedRect(QRect(46, 18, 34, 12), 2, 2);
        rows(p, 8, 38, 154, 7);

        frame(p, QRect(44, 74, 134, 130));                    // the new-customer window
        for (int i = 0; i < 5; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xc9, 0xd7, 0xe5));
            p.drawRect(QRect(52, 94 + i * 18, 26, 8));
            p.setPen(QPen(line, 1));
            p.setBrush(Qt::white);
            p.drawRect(QRect(82, 92 + i * 18, i == 2 ? 70 : 88, 12));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(accent);
        p.drawRoundedRect(QRect(155, 128, 15, 12), 2, 2);    // the button beside the company field
        p.setBrush(QColor(0x3a, 0x94, 0xd0));
        p.drawRoundedRect(QRect(130, 186, 40, 12), 2, 2);
    }

    static void drawDetails(QPainter &p)
    {
        frame(p, QRect(0, 0, 82, 150));
        rows(p, 6, 18, 70, 9, 3);
        p.setPen(QPen(accent, 2));
        p.drawLine(80, 63, 96, 63);
        p.drawLine(96, 63, 90, 58);
        p.drawLine(96, 63, 90, 68);

        frame(p, QRect(98, 24, 80, 180));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3a, 0x94, 0xd0));
        p.drawEllipse(QPoint(116, 54), 12, 12);
        rows(p, 132, 46, 40, 2);
        for (int i = 0; i < 5; ++i) {
            p.setBrush(i == 0 ? accent : QColor(0xc9, 0xd7, 0xe5));
            p.drawRect(QRect(104 + i * 14, 76, 12, 8));
        }
        rows(p, 104, 92, 68, 8);
    }

    static void drawActivity(QPainter &p)
    {
        frame(p, QRect(0, 0, 178, 132));
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 7; ++c) {
                const bool today = r == 2 && c == 4;
                p.setPen(Qt::NoPen);
                p.setBrush(today ? accent : QColor(0xe3, 0xeb, 0xf3));
                p.drawRoundedRect(QRect(8 + c * 24, 20 + r * 27, 20, 22), 3, 3);
            }
        }
        // A clock: the reminder at the set time.
        const QPoint c(56, 172);
        p.setPen(QPen(ink, 3));
        p.setBrush(Qt::white);
        p.drawEllipse(c, 28, 28);
        p.drawLine(c, c + QPoint(0, -18));
        p.drawLine(c, c + QPoint(13, 6));
        // A tick: the activity ended.
        p.setPen(QPen(QColor(0x4c, 0xb0, 0x8a), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath tick;
        tick.moveTo(114, 170);
        tick.lineTo(130, 188);
        tick.lineTo(162, 150);
        p.drawPath(tick);
    }

    static void drawAnalysis(QPainter &p)
    {
        frame(p, QRect(0, 0, 178, 204));
        const int heights[] = {36, 62, 90, 122, 150};
        for (int i = 0; i < 5; ++i) {
            p.setPen(Qt::NoPen);
            p.setBrush(i == 3 ? accent : QColor(0x3a, 0x94, 0xd0).lighter(100 + 12 * (4 - i)));
            p.drawRoundedRect(QRect(14 + i * 32, 190 - heights[i], 24, heights[i]), 3, 3);
        }
        p.setPen(QPen(ink, 2));
        p.drawLine(8, 192, 170, 192);
    }

    static void drawThanks(QPainter &p)
    {
        QPainterPath heart;
        heart.moveTo(89, 190);
        heart.cubicTo(-20, 110, 30, 10, 89, 70);
        heart.cubicTo(148, 10, 198, 110, 89, 190);
        QLinearGradient fill(0, 30, 0, 190);
        fill.setColorAt(0.0, QColor(0xf7, 0x7f, 0x6a));
        fill.setColorAt(1.0, QColor(0xd9, 0x3f, 0x4e));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawPath(heart);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QPoint(52, 80), 14, 10);
    }

    int m_number;
};

// Every text of the guide, its links included, is shown as it is written:
// none of them is markup.
QLabel *label(const QString &text, QWidget *parent, const QRect &geometry)
{
    auto *l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setGeometry(geometry);
    return l;
}

} // namespace

Ta_gour::Ta_gour(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, ui::names::Ta_gour, QStringLiteral("快速入门"), ui::TitleBar::TitleOnly);
    setFixedSize(clientWidth, clientHeight);
    createLayout();
    showPage(1);
}

void Ta_gour::createLayout()
{
    createPage(1, QStringLiteral("快速入门 (0/4)"),
               {QStringLiteral("欢迎使用 Talvero CRM!"),
                QStringLiteral("本向导将帮助您完成首次使用前的设置,并向您介绍系统的基本功能:"
                               "新增客户、查看客户资料、销售活动和销售分析。"),
                QStringLiteral("请您仔细阅读每一页的说明,然后点击“下一步”继续。")});
    createPage(2, QStringLiteral("快速入门 (1/4)"),
               {QStringLiteral("新增客户"),
                QStringLiteral("1. 点击客户列表上方的“新客户”按钮,打开新客户窗口。"),
                QStringLiteral("2. 公司栏旁边的按钮用于新建公司;此类按钮都用来编辑下拉列表中的条目。"),
                QStringLiteral("3. 填写客户资料后,点击“确定”保存。")});
    createPage(3, QStringLiteral("快速入门 (2/4)"),
               {QStringLiteral("客户详细资料"),
                QStringLiteral("在客户列表中双击某个客户,即可打开该客户的详细资料视图。"),
                QStringLiteral("在这里可以查看客户的备忘录、销售活动、销售分析、所属公司以及补充信息。")});
    createPage(4, QStringLiteral("快速入门 (3/4)"),
               {QStringLiteral("创建和结束销售活动"),
                QStringLiteral("1. 选中一个客户,点击“新活动”按钮。"),
                QStringLiteral("2. 选择活动类型,填写活动目标并设定时间。到了设定的时间,系统会提醒您。"),
                QStringLiteral("3. 活动完成后,点击“结束”按钮,活动状态即变为“已结束”。")});
    createPage(5, QStringLiteral("快速入门 (4/4)"),
               {QStringLiteral("创建和跟进销售分析"),
                QStringLiteral("1. 选中一个客户,点击“新分析”按钮。"),
                QStringLiteral("2. 选择客户感兴趣的产品和当前的销售阶段。"),
                QStringLiteral("3. 销售有了进展后,点击“跟进”按钮更新销售阶段。")});
    QWidget *last = createPage(6, QStringLiteral("感谢使用 Talvero CRM"),
                               {QStringLiteral("恭喜您完成了快速入门,祝您工作顺利!")});
    createLinks(last);
}

QWidget *Ta_gour::createPage(int number, const QString &header, const QStringList &lines)
{
    auto *page = new GuidePage(number, this);
    page->setObjectName(QStringLiteral("page%1").arg(number));
    page->setGeometry(0, 0, clientWidth, clientHeight);

    QLabel *title = label(header, page, QRect(24, 0, 380, headerHeight));
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont big = title->font();
    big.setPixelSize(20);
    big.setBold(true);
    title->setFont(big);
    title->setStyleSheet(QStringLiteral("color: white;"));

    // The first line is the page's topic, the rest its explanation.
    QLabel *topic = label(lines.first(), page, QRect(textArea.x(), 68, textArea.width(), 24));
    QFont bold = topic->font();
    bold.setPixelSize(16);
    bold.setBold(true);
    topic->setFont(bold);
    topic->setStyleSheet(QStringLiteral("color: #1f3a5a;"));
    if (lines.size() > 1) {
        QLabel *body = label(lines.mid(1).join(QStringLiteral("\n\n")), page, textArea);
        body->setStyleSheet(QStringLiteral("color: #1f3a5a;"));
    }

    const bool isLast = number == pageCount;
    auto *button = new QPushButton(isLast ? QStringLiteral("完 成") : QStringLiteral("下一步"), page);
    button->setGeometry(buttonGeometry);
    if (isLast)
        connect(button, &QPushButton::clicked, this, &Ta_gour::finish);
    else
        connect(button, &QPushButton::clicked, this, [this, number] { showPage(number + 1); });

    m_pages.append(page);
    m_buttons.append(button);
    return page;
}

void Ta_gour::createLinks(QWidget *lastPage)
{
    const QString ink = QStringLiteral("color: #1f3a5a;");
    const int x = textArea.x();
    label(QStringLiteral("获取更多信息,请登录:"), lastPage, QRect(x, 120, 300, 20))->setStyleSheet(ink);
    m_webLink = label(QLatin1String(contact::webHost), lastPage, QRect(x + 16, 142, 284, 22));
    label(QStringLiteral("提问及错误反馈:"), lastPage, QRect(x, 176, 300, 20))->setStyleSheet(ink);
    m_mailLink = label(QLatin1String(contact::email), lastPage, QRect(x + 16, 198, 284, 22));
    label(QStringLiteral("在线客服 %1: %2").arg(QLatin1String(contact::imService), QLatin1String(contact::imNumber)),
          lastPage, QRect(x, 236, 300, 20))
        ->setStyleSheet(ink);

    for (QLabel *link : {m_webLink, m_mailLink}) {
        QFont f = link->font();
        f.setPixelSize(14);
        f.setBold(true);
        f.setUnderline(true);
        link->setFont(f);
        link->setStyleSheet(QStringLiteral("color: #1660b0;"));
        link->setCursor(Qt::PointingHandCursor);
        link->adjustSize();    // only the text itself is the link
        link->installEventFilter(this);
    }
}

void Ta_gour::showPage(int number)
{
    for (QWidget *page : std::as_const(m_pages))
        page->hide();
    m_current = number;
    m_pages.at(number - 1)->show();
    m_buttons.at(number - 1)->setDefault(true);
    m_buttons.at(number - 1)->setFocus();
}

void Ta_gour::finish()
{
    m_finishing = true;
    accept();
    m_finishing = false;
}

void Ta_gour::reject()
{
}

void Ta_gour::showEvent(QShowEvent *event)
{
    showPage(1);
    QDialog::showEvent(event);
    ui::centreOnScreen(this);
}

void Ta_gour::closeEvent(QCloseEvent *event)
{
    if (m_finishing || !isVisible())
        event->accept();
    else
        event->ignore();
}

bool Ta_gour::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        if (watched == m_webLink)
            openUrl(contact::webUrl());
        else if (watched == m_mailLink)
            openUrl(contact::mailUrl());
    }
    return QDialog::eventFilter(watched, event);
}
