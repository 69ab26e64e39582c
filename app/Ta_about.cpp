#include "Ta_about.h"

#include "Contact.h"
#include "FormParts.h"
#include "TData_in.h"
#include "WindowNames.h"
#include "activities/ReminderPoll.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QStatusBar>
#include <QTextEdit>

namespace {

// The banner across the top of the window: a gradient with the product name.
class AboutBanner : public QWidget {
public:
    explicit AboutBanner(QWidget *parent) : QWidget(parent)
    {
        setAccessibleName(QStringLiteral("Talvero CRM"));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);

        QLinearGradient sky(0, 0, width(), height());
        sky.setColorAt(0.0, QColor(0x0f, 0x3d, 0x6e));
        sky.setColorAt(1.0, QColor(0x2f, 0x86, 0xc8));
        p.fillRect(rect(), sky);

        // Three soft rings on the right, for a little depth.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 3; ++i) {
            p.setBrush(QColor(255, 255, 255, 22 + 10 * i));
            const int d = 150 - 40 * i;
            p.drawEllipse(QPoint(width() - 70, height() / 2 + 10), d / 2, d / 2);
        }

        QFont name = font();
        name.setPixelSize(40);
        name.setBold(true);
        p.setFont(name);
        p.setPen(QColor(0, 0, 0, 70));
        p.drawText(QRect(32, 26, width() - 40, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Talvero CRM"));
        p.setPen(Qt::white);
        p.drawText(QRect(30, 24, width() - 40, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Talvero CRM"));

        QFont tag = font();
        tag.setPixelSize(15);
        p.setFont(tag);
        p.setPen(QColor(0xdd, 0xec, 0xfa));
        p.drawText(QRect(32, 82, width() - 40, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("客户关系管理系统"));

        p.setPen(QColor(0xf4, 0xb9, 0x42));
        p.drawLine(32, 112, 200, 112);
    }
};

} // namespace

Ta_about::Ta_about(QWidget *parent) : QDialog(parent)
{
    ui::setUpWindow(this, ui::names::Ta_about, QStringLiteral("Talvero CRM"));
    setFixedSize(clientWidth, clientHeight);
    createLayout();
    createReminder();
}

void Ta_about::createLayout()
{
    auto *banner = new AboutBanner(this);
    banner->setGeometry(0, 0, clientWidth, bannerHeight);

    const int statusHeight = 20;
    const int top = bannerHeight + 10;
    const int bottom = clientHeight - statusHeight - 8;

    Memo1 = new QTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->viewport()->setAutoFillBackground(false);
    Memo1->setAutoFillBackground(false);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setPlainText(QStringLiteral(
        "Talvero CRM 客户关系管理系统\n"
        "版权所有 (C) 2008 Talvero 软件工作室,保留所有权利。\n"
        "警告:本软件受著作权法及国际条约保护。未经授权,擅自复制或传播本程序的全部或部分,"
        "将依法追究其民事及刑事责任。"));
    Memo1->setGeometry(8, top, 256, bottom - top);

    GroupBox1 = createVersionGroup();
    GroupBox1->setGeometry(272, top - 4, clientWidth - 272 - 10, bottom - top + 4);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, clientHeight - statusHeight, clientWidth, statusHeight);
}

QGroupBox *Ta_about::createVersionGroup()
{
    auto *box = new QGroupBox(QStringLiteral("版本信息"), this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(8);
    grid->setColumnStretch(1, 1);

    const QPair<QString, QString> lines[] = {
        {QStringLiteral("发行版本:"), QStringLiteral("v2.08")},
        {QStringLiteral("发行日期:"), QStringLiteral("2008-11-30")},
        {QStringLiteral("内部版本:"), QStringLiteral("20826.39.00")},
        {QStringLiteral("官方网站:"), QLatin1String(contact::webHost)},
    };
    ui::FormGrid rows(box, grid);
    for (const auto &[caption, value] : lines) {
        QLabel *text = ui::valueLabel(box);
        text->setText(value);
        QLabel *name = rows.add(caption, text);
        QFont bold = name->font();
        bold.setBold(true);
        name->setFont(bold);
        rows.nextLine();
    }
    return box;
}

void Ta_about::createReminder()
{
    // Hidden, and running from here on.
    m_reminder = new activities::ReminderPoll(this);
}

void Ta_about::bindData(TData_in &data)
{
    m_reminder->setConnections(&data.Con_data(), &data.Con_c());
}

void Ta_about::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ui::centreOnScreen(this);
}
