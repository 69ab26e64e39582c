#include "CustomerDetailPages.h"

#include "CustomerDetailCompany.h"
#include "DbGrid.h"
#include "FieldTable.h"
#include "FormParts.h"
#include "TData_in.h"
#include "TextLimit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace {

const Qt::Alignment kCentred = Qt::AlignCenter;
const Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

// A page: a strip of buttons (and whatever else) above a grid.
QWidget *gridPage(QWidget *parent, const QList<QWidget *> &strip, ui::DbGrid *grid)
{
    auto *page = new QWidget(parent);
    auto *row = new QHBoxLayout;
    row->setContentsMargins(4, 4, 4, 0);
    for (QWidget *w : strip) {
        w->setParent(page);
        row->addWidget(w);
    }
    row->addStretch();
    grid->setParent(page);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addLayout(row);
    layout->addWidget(grid, 1);
    return page;
}

QPushButton *stripButton(const QString &caption, QStyle::StandardPixmap icon, QWidget *parent)
{
    auto *button = new QPushButton(parent->style()->standardIcon(icon), caption, parent);
    button->setMinimumWidth(72);
    return button;
}

// The picture of the credit page: a certificate under a magnifying glass.
QPixmap creditPicture()
{
    QPixmap picture(220, 150);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient paper(0, 0, 0, 130);
    paper.setColorAt(0, QColor(0xf4, 0xf8, 0xff));
    paper.setColorAt(1, QColor(0xd6, 0xe4, 0xf7));
    p.setPen(QPen(QColor(0x1f, 0x4e, 0x8c), 2));
    p.setBrush(paper);
    p.drawRoundedRect(QRectF(10, 10, 150, 120), 8, 8);
    p.setPen(QPen(QColor(0x6f, 0x9b, 0xd1), 4, Qt::SolidLine, Qt::RoundCap));
    for (int y = 38; y <= 102; y += 16)
        p.drawLine(30, y, y == 102 ? 90 : 140, y);
    p.setPen(QPen(QColor(0xc8, 0x8a, 0x00), 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(178, 112), QPointF(205, 139));
    p.setPen(QPen(QColor(0x1f, 0x4e, 0x8c), 5));
    p.setBrush(QColor(255, 255, 255, 150));
    p.drawEllipse(QPointF(150, 85), 32, 32);
    return picture;
}

QLabel *supplementRow(QFormLayout *form, const QString &caption, QWidget *parent)
{
    QLabel *value = ui::valueLabel(parent);
    form->addRow(ui::caption(caption, value, parent), value);
    return value;
}

} // namespace

CustomerDetailPages::CustomerDetailPages(QWidget *parent) : QTabWidget(parent)
{
    addTab(createMemos(), QStringLiteral("备忘"));
    addTab(createActivities(), QStringLiteral("活动"));
    addTab(createAnalyses(), QStringLiteral("分析"));
    m_company = new CustomerDetailCompany(this);
    addTab(m_company, QStringLiteral("所属"));
    addTab(createSupplement(), QStringLiteral("补充信息"));
    addTab(createCredit(), QStringLiteral("信用"));
    setCurrentWidget(m_company);
    showSupplement({});
}

QWidget *CustomerDetailPages::createMemos()
{
    m_newMemo = stripButton(QStringLiteral("新备忘"), QStyle::SP_FileDialogDetailedView, this);
    m_deleteMemo = stripButton(QStringLiteral("删除"), QStyle::SP_TrashIcon, this);
    m_memoGrid = new ui::DbGrid(this);
    m_memoGrid->setObjectName(QStringLiteral("memoGrid"));
    return gridPage(this, {m_newMemo, m_deleteMemo}, m_memoGrid);
}

QWidget *CustomerDetailPages::createActivities()
{
    m_newActivity = stripButton(QStringLiteral("新活动"), QStyle::SP_FileDialogNewFolder, this);
    m_endActivity = stripButton(QStringLiteral("结束"), QStyle::SP_DialogApplyButton, this);
    m_activityType = new QComboBox(this);
    m_activityType->setObjectName(QStringLiteral("activityType"));
    m_activityType->setAccessibleName(QStringLiteral("活动类型"));
    m_activityType->setEditable(true); // text may be typed; only the four items filter
    m_activityType->setInsertPolicy(QComboBox::NoInsert);
    ui::limitText(m_activityType->lineEdit(), ui::kNoLimit);
    m_activityType->setCompleter(nullptr); // a typed 沟 stays 沟
    m_activityType->addItems({QStringLiteral("全部"), QStringLiteral("沟通"), QStringLiteral("拜访"), QStringLiteral("计划")});
    m_activityType->setCurrentIndex(0);
    m_activityType->setMinimumWidth(90);
    m_activityGrid = new ui::DbGrid(this);
    m_activityGrid->setObjectName(QStringLiteral("activityGrid"));
    return gridPage(this, {m_newActivity, m_endActivity, m_activityType}, m_activityGrid);
}

QWidget *CustomerDetailPages::createAnalyses()
{
    m_newAnalysis = stripButton(QStringLiteral("新分析"), QStyle::SP_FileDialogInfoView, this);
    m_followUp = stripButton(QStringLiteral("跟进"), QStyle::SP_ArrowForward, this);
    m_analysisGrid = new ui::DbGrid(this);
    m_analysisGrid->setObjectName(QStringLiteral("analysisGrid"));
    return gridPage(this, {m_newAnalysis, m_followUp}, m_analysisGrid);
}

QWidget *CustomerDetailPages::createSupplement()
{
    auto *page = new QWidget(this);
    auto *group = new QGroupBox(QStringLiteral("客户补充信息"), page);
    auto *form = new QFormLayout(group);
    form->setLabelAlignment(Qt::AlignRight);
    form->setHorizontalSpacing(12);
    const data::RecordDef &customers = data::customerRecord();
    for (const data::Shown &shown : customers.detailValues)
        m_moreValues.push_back(supplementRow(form, data::captionOf(customers, shown) + u':', group));
    const QString description = data::field(customers, QStringLiteral("a17")).caption;
    m_description = new QPlainTextEdit(group);
    m_description->setReadOnly(true);
    m_description->setAccessibleName(description);
    m_description->setStyleSheet(QStringLiteral("QPlainTextEdit { background: #fffbf0; }"));
    auto *caption = new QLabel(description, group);
    caption->setBuddy(m_description);
    form->addRow(caption, m_description);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(group);
    return page;
}

QWidget *CustomerDetailPages::createCredit()
{
    auto *page = new QWidget(this);
    page->setAutoFillBackground(true);
    QPalette white = page->palette();
    white.setColor(QPalette::Window, Qt::white);
    page->setPalette(white);
    auto *picture = new QLabel(page);
    picture->setPixmap(creditPicture());
    auto *title = new QLabel(QStringLiteral("企业信用查询"), page);
    title->setStyleSheet(QStringLiteral("font-size: 18px; font-weight: bold; color: #1f4e8c;"));
    m_enquiry = new QPushButton(QStringLiteral("查 询"), page);
    m_enquiry->setMinimumWidth(90);
    auto *layout = new QVBoxLayout(page);
    layout->addStretch();
    layout->addWidget(picture, 0, Qt::AlignCenter);
    layout->addWidget(title, 0, Qt::AlignCenter);
    layout->addWidget(m_enquiry, 0, Qt::AlignCenter);
    layout->addStretch(2);
    return page;
}

void CustomerDetailPages::bind(TData_in &data)
{
    const QColor lightGrey(0xe8, 0xe8, 0xe8);
    m_memoGrid->bind(&data.vtv3_all(), {{"j4", "内容", 500, kLeft}, {"j2", "日期", 100, kCentred, {}, lightGrey}});
    m_activityGrid->bind(&data.vtv1_all(), {{"eid", "编号", 40, kLeft},
                                            {"e15", "状态", 60, kCentred},
                                            {"e5", "活动类型", 60, kCentred},
                                            {"e3", "日期时间", 125, kLeft},
                                            {"e7", "目标", 200, kLeft},
                                            {"e8", "持续时间", 80, kCentred},
                                            {"e6", "优先级", 55, kCentred}});
    m_analysisGrid->bind(&data.vtv2_all(), {{"hid", "编号", 50, kLeft},
                                            {"h9", "销售进程", 200, kLeft},
                                            {"h2", "销售的产品", 115, kLeft},
                                            {"h4", "数量", 80, kLeft},
                                            {"h5", "单价", 80, kLeft},
                                            {"h6", "总计", 80, kLeft},
                                            {"h7", "预计签单日", 80, kLeft},
                                            {"h8", "概率", 70, kLeft}});
    m_company->bind(&data.find_gongsi());
}

void CustomerDetailPages::showSupplement(const CustomerValues &values)
{
    const auto v = [&values](const QString &column) { return values.value(column); };
    const std::vector<data::Shown> &shown = data::customerRecord().detailValues;
    for (size_t i = 0; i < shown.size(); ++i)
        m_moreValues[i]->setText(data::joinedValue(shown[i], v));
    const QString description = v(QStringLiteral("a17"));
    if (m_description->toPlainText() != description)
        m_description->setPlainText(description);
}
