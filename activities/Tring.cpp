#include "Tring.h"

#include "FormParts.h"
#include "Shell.h"
#include "WindowNames.h"
#include "Windows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

namespace {

const QColor kCaptionInk(0x8b, 0x00, 0x00);     // dark red
const QColor kCaptionGround(0xff, 0xff, 0xcc);  // light yellow
const QColor kBandFrom(0x9b, 0x1b, 0x1b);
const QColor kBandTo(0xe0, 0x7a, 0x2a);
constexpr int kBandHeight = 34;
constexpr int kTextLeft = 124;

// The bell on the left of the window.
void drawBell(QPainter &p, const QRectF &box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = box.width(), h = box.height();
    const qreal x = box.x(), y = box.y();
    QPainterPath bell;
    bell.moveTo(x + w * 0.5, y + h * 0.08);
    bell.cubicTo(x + w * 0.80, y + h * 0.08, x + w * 0.78, y + h * 0.45, x + w * 0.84, y + h * 0.62);
    bell.cubicTo(x + w * 0.88, y + h * 0.72, x + w * 0.96, y + h * 0.76, x + w * 0.96, y + h * 0.80);
    bell.lineTo(x + w * 0.04, y + h * 0.80);
    bell.cubicTo(x + w * 0.04, y + h * 0.76, x + w * 0.12, y + h * 0.72, x + w * 0.16, y + h * 0.62);
    bell.cubicTo(x + w * 0.22, y + h * 0.45, x + w * 0.20, y + h * 0.08, x + w * 0.5, y + h * 0.08);
    QLinearGradient gold(box.topLeft(), box.topRight());
    gold.setColorAt(0.0, QColor(0xf6, 0xd3, 0x65));
    gold.setColorAt(0.5, QColor(0xfd, 0xeb, 0xa7));
    gold.setColorAt(1.0, QColor(0xd9, 0x9a, 0x1e));
    p.setPen(QPen(QColor(0xa8, 0x6c, 0x10), 1.5));
    p.setBrush(gold);
    p.drawPath(bell);
    p.setBrush(QColor(0xa8, 0x6c, 0x10));
    p.drawEllipse(QPointF(x + w * 0.5, y + h * 0.88), w * 0.08, w * 0.08);
    p.drawEllipse(QPointF(x + w * 0.5, y + h * 0.06), w * 0.05, w * 0.05);
    // Two strokes of ringing on either side.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kCaptionInk, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(x - w * 0.16, y + h * 0.18, w * 0.3, h * 0.4), 120 * 16, 120 * 16);
    p.drawArc(QRectF(x + w * 0.86, y + h * 0.18, w * 0.3, h * 0.4), -60 * 16, 120 * 16);
    p.restore();
}

QLabel *captionLook(QLabel *caption)
{
    QPalette look = caption->palette();
    look.setColor(QPalette::WindowText, kCaptionInk);
    look.setColor(QPalette::Window, kCaptionGround);
    caption->setPalette(look);
    caption->setAutoFillBackground(true);
    caption->setContentsMargins(4, 2, 4, 2);
    return caption;
}

} // namespace

Tring::Tring(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, ui::names::Tring, QStringLiteral("销售活动提醒"), ui::TitleBar::None);
    setFixedSize(clientWidth, clientHeight);
    createLayout();
    connectActions();
}

void Tring::createLayout()
{
    Image_close = ui::pictureButton(this, ui::crossPicture(10, Qt::white), QStringLiteral("关闭"));
    Image_close->move(clientWidth - 10 - 8, (kBandHeight - 10) / 2);

    // The sentence holds stored names: shown as they are, never as markup.
    Label_sentence = ui::valueLabel(this, QStringLiteral("提醒"));
    Label_sentence->setWordWrap(true);
    QFont large = Label_sentence->font();
    large.setPixelSize(15);
    large.setBold(true);
    Label_sentence->setFont(large);
    Label_sentence->setGeometry(kTextLeft, kBandHeight + 18, clientWidth - kTextLeft - 20, 52);

    auto *values = new QWidget(this);
    values->setGeometry(kTextLeft, kBandHeight + 78, clientWidth - kTextLeft - 20, 84);
    auto *grid = new QGridLayout(values);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    Label_goal = ui::valueLabel(values);
    Label_duration = ui::valueLabel(values);
    Label_priority = ui::valueLabel(values);
    ui::FormGrid rows(values, grid);
    for (const auto &[text, value] : {std::pair{"目    标:", Label_goal}, std::pair{"持续时间:", Label_duration},
                                      std::pair{"优 先 级:", Label_priority}}) {
        captionLook(rows.add(QString::fromUtf8(text), value));
        rows.nextLine();
    }

    auto *details = new QGroupBox(QStringLiteral("详细"), this);
    details->setGeometry(kTextLeft, kBandHeight + 170, clientWidth - kTextLeft - 20, 140);
    Memo_details = new QTextEdit(details);
    Memo_details->setReadOnly(true);
    Memo_details->setAcceptRichText(false);
    auto *inside = new QVBoxLayout(details);
    inside->addWidget(Memo_details);

    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setDefault(true);
    Button1->setGeometry(clientWidth - 20 - 90, clientHeight - 16 - 28, 90, 28);
}

void Tring::connectActions()
{
    connect(Button1, &QPushButton::clicked, this, &Tring::closeReminder);
    connect(Image_close, &QToolButton::clicked, this, &Tring::closeReminder);
}

QString Tring::sentence(const activities::DueActivity &due)
{
    return QStringLiteral("将在") + due.e3 + QStringLiteral("对") + due.e11 + due.e13 + QStringLiteral("进行")
           + QStringLiteral("销售活动。");
}

void Tring::showActivity(const activities::DueActivity &due)
{
    setWindowTitle(QStringLiteral("销售活动提醒"));
    Label_sentence->setText(sentence(due));
    Label_goal->setText(due.e7);
    Label_duration->setText(due.e8);
    Label_priority->setText(due.e6);
    Memo_details->setPlainText(due.e9);
}

void Tring::closeReminder()
{
    accept();
    leadToActivityList();
}

void Tring::leadToActivityList()
{
    // The activity list comes to the front as it stands: nothing is read
    // again. A view that holds a delete confirmation stays, its question
    // open, until the user answers it there.
    auto *list = qobject_cast<QWidget *>(ui::Windows::find(ui::names::Frame_jihua1));
    if (ui::Shell *shell = ui::Shell::instance(); shell && list && shell->navigationEnabled())
        shell->showView(list);
}

void Tring::reject()
{
    closeReminder();
}

void Tring::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Button1->setFocus();
    ui::centreOnScreen(this);
}

void Tring::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient ground(0, 0, 0, height());
    ground.setColorAt(0.0, QColor(0xff, 0xfb, 0xdc));
    ground.setColorAt(1.0, QColor(0xff, 0xff, 0xf4));
    p.fillRect(rect(), ground);

    QLinearGradient band(0, 0, width(), 0);
    band.setColorAt(0.0, kBandFrom);
    band.setColorAt(1.0, kBandTo);
    p.fillRect(QRect(0, 0, width(), kBandHeight), band);
    QFont title = font();
    title.setPixelSize(14);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(14, 0, width() - 40, kBandHeight), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());

    drawBell(p, QRectF(28, kBandHeight + 26, 70, 76));
    p.setPen(QColor(0xc8, 0xa8, 0x60));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
