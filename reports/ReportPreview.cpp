#include "ReportPreview.h"

#include "FormParts.h"
#include "PreviewRuler.h"
#include "PreviewSheet.h"
#include "ReportDefinition.h"
#include "ReportPages.h"
#include "ReportPaper.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

namespace reports {

namespace {

// The resolution the pages are laid out at, as for a PDF file.
constexpr int kLayoutDpi = 300;
constexpr double kMmPerInch = 25.4;
// Pages laid out in one turn of the event loop in the background.
constexpr int kPagesPerSlice = 4;

// The zoom drop-down: a factor of the paper's real size, or a fit.
constexpr double kFitWidth = -1;
constexpr double kFitPage = -2;
struct ZoomChoice {
    const char *caption;
    double factor;
};
constexpr ZoomChoice kZoomChoices[] = {{"50 %", 0.5},   {"75 %", 0.75},    {"100 %", 1.0},   {"150 %", 1.5},
                                       {"200 %", 2.0},  {"页宽", kFitWidth}, {"整页", kFitPage}};
constexpr int kRealSize = 2; // 100 %

QString countText(const QString &count)
{
    return QStringLiteral("共 %1 页").arg(count);
}

} // namespace

ReportPreview::ReportPreview(const data::ReportDefinition &definition, const ReportRows &rows, const QString &date,
                             std::function<void()> print, QWidget *parent)
    : QDialog(parent), m_print(std::move(print))
{
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(QStringLiteral("Talvero CRM"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                   | Qt::WindowCloseButtonHint);
    setModal(true);

    // The pages are laid out on a PDF device of the report's paper, as a
    // file of the report would be, and only painted on screen.
    const QPageLayout paper = reportPageLayout(definition);
    m_device = std::make_unique<QPdfWriter>(&m_buffer);
    m_device->setResolution(kLayoutDpi);
    m_device->setPageLayout(paper);
    const QRect printable = paper.paintRectPixels(kLayoutDpi);
    m_pages = std::make_unique<ReportPages>(definition, rows, m_device.get(),
                                            QRectF(0, 0, printable.width(), printable.height()), date);
    m_paperMm = paper.fullRect(QPageLayout::Millimeter).size();
    m_sheet = new PreviewSheet(*m_pages, paper.fullRectPixels(kLayoutDpi).size(), printable.topLeft(), this);
    m_pages->hasPage(0);

    createLayout();
    connectActions();
    applyZoom();
    showPage(0);
}

ReportPreview::~ReportPreview() = default;

QToolButton *ReportPreview::toolButton(const QString &name, const QString &caption, const QString &hint)
{
    auto *button = new QToolButton(this);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(hint);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    return button;
}

void ReportPreview::createLayout()
{
    m_printButton = toolButton(QStringLiteral("printButton"), QStringLiteral("打印"), {});
    m_first = toolButton(QStringLiteral("firstButton"), QStringLiteral("首页"), QStringLiteral("Ctrl+Home"));
    m_first->setIcon(style()->standardIcon(QStyle::SP_MediaSkipBackward));
    m_previous = toolButton(QStringLiteral("previousButton"), QStringLiteral("上一页"), QStringLiteral("PgUp"));
    m_previous->setIcon(style()->standardIcon(QStyle::SP_MediaSeekBackward));
    m_next = toolButton(QStringLiteral("nextButton"), QStringLiteral("下一页"), QStringLiteral("PgDn"));
    m_next->setIcon(style()->standardIcon(QStyle::SP_MediaSeekForward));
    m_last = toolButton(QStringLiteral("lastButton"), QStringLiteral("末页"), QStringLiteral("Ctrl+End"));
    m_last->setIcon(style()->standardIcon(QStyle::SP_MediaSkipForward));
    m_close = toolButton(QStringLiteral("closeButton"), QStringLiteral("关闭"), QStringLiteral("Esc"));
    m_close->setIcon(style()->standardIcon(QStyle::SP_DialogCloseButton));

    m_pageEdit = new QLineEdit(this);
    m_pageEdit->setObjectName(QStringLiteral("pageEdit"));
    m_pageEdit->setAccessibleName(QStringLiteral("页码"));
    m_pageEdit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,7}")), m_pageEdit));
    m_pageEdit->setAlignment(Qt::AlignRight);
    m_pageEdit->setFixedWidth(m_pageEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12);
    m_pageCount = ui::valueLabel(this);
    m_pageCount->setObjectName(QStringLiteral("pageCountLabel"));

    m_zoom = new QComboBox(this);
    m_zoom->setObjectName(QStringLiteral("zoomCombo"));
    m_zoom->setAccessibleName(QStringLiteral("显示比例"));
    QLabel *zoomCaption = ui::caption(QStringLiteral("显示比例"), m_zoom, this);
    for (const ZoomChoice &choice : kZoomChoices)
        m_zoom->addItem(QString::fromUtf8(choice.caption), choice.factor);
    m_zoom->setCurrentIndex(kRealSize);

    auto *bar = new QToolBar(this);
    bar->setMovable(false);
    bar->addWidget(m_printButton);
    bar->addSeparator();
    bar->addWidget(m_first);
    bar->addWidget(m_previous);
    bar->addWidget(m_pageEdit);
    bar->addWidget(m_pageCount);
    bar->addWidget(m_next);
    bar->addWidget(m_last);
    bar->addSeparator();
    bar->addWidget(zoomCaption);
    bar->addWidget(m_zoom);
    bar->addSeparator();
    bar->addWidget(m_close);

    // The page area, the rulers along its top and left edges.
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("pageScroll"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_sheet->setObjectName(QStringLiteral("pageView"));
    m_sheet->setAccessibleName(QStringLiteral("页面"));
    m_scroll->setWidget(new PreviewDesk(m_sheet, m_scroll));
    m_horizontalRuler = new PreviewRuler(Qt::Horizontal, m_sheet, this);
    m_horizontalRuler->setObjectName(QStringLiteral("horizontalRuler"));
    m_verticalRuler = new PreviewRuler(Qt::Vertical, m_sheet, this);
    m_verticalRuler->setObjectName(QStringLiteral("verticalRuler"));
    auto *corner = new QWidget(this);
    corner->setFixedSize(PreviewRuler::Thickness, PreviewRuler::Thickness);
    auto *area = new QGridLayout;
    area->setSpacing(0);
    area->addWidget(corner, 0, 0);
    area->addWidget(m_horizontalRuler, 0, 1);
    area->addWidget(m_verticalRuler, 1, 0);
    area->addWidget(m_scroll, 1, 1);

    auto *statusBar = new QStatusBar(this);
    statusBar->setSizeGripEnabled(false);
    m_status = ui::valueLabel(statusBar);
    m_status->setObjectName(QStringLiteral("statusLabel"));
    statusBar->addWidget(m_status, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addLayout(area, 1);
    layout->addWidget(statusBar);
    m_scroll->setFocus();
}

void ReportPreview::connectActions()
{
    connect(m_printButton, &QToolButton::clicked, this, [this] {
        if (m_print)
            m_print();
    });
    const auto step = [this](int by) { stepPage(by); };
    const auto last = [this] { showPage(m_pages->pageCount() - 1); };
    connect(m_first, &QToolButton::clicked, this, [this] { showPage(0); });
    connect(m_previous, &QToolButton::clicked, this, [step] { step(-1); });
    connect(m_next, &QToolButton::clicked, this, [step] { step(1); });
    connect(m_last, &QToolButton::clicked, this, last);
    connect(m_close, &QToolButton::clicked, this, &QDialog::reject);
    connect(m_pageEdit, &QLineEdit::returnPressed, this, &ReportPreview::goToTypedPage);
    // A number typed and left without Enter gives way to the page shown.
    connect(m_pageEdit, &QLineEdit::editingFinished, this,
            [this] { m_pageEdit->setText(QString::number(m_current + 1)); });
    connect(m_zoom, &QComboBox::currentIndexChanged, this, &ReportPreview::applyZoom);

    connect(new QShortcut(QKeySequence(Qt::Key_PageUp), this), &QShortcut::activated, this, [step] { step(-1); });
    connect(new QShortcut(QKeySequence(Qt::Key_PageDown), this), &QShortcut::activated, this, [step] { step(1); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Home), this), &QShortcut::activated, this,
            [this] { showPage(0); });
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_End), this), &QShortcut::activated, this, last);

    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &ReportPreview::layOutSlice);
    connect(m_sheet, &PreviewSheet::painted, this, [this] {
        if (isVisible() && !m_pages->complete() && !m_slices.isActive())
            m_slices.start();
    });
    // The fits follow the size of the page area; the wheel over it turns pages.
    m_scroll->installEventFilter(this);
    m_scroll->viewport()->installEventFilter(this);
}

void ReportPreview::setZoom(int percent)
{
    const int index = m_zoom->findData(percent / 100.0);
    if (index >= 0)
        m_zoom->setCurrentIndex(index);
}

int ReportPreview::run()
{
    // Where no window manager maximizes it, the window still fills the screen.
    if (const QScreen *screen = this->screen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    return exec();
}

int ReportPreview::pagesLaidOut() const
{
    return m_pages->pagesLaidOut();
}

bool ReportPreview::complete() const
{
    return m_pages->complete();
}

double ReportPreview::pixelsPerMm() const
{
    return m_pixelsPerMm;
}

void ReportPreview::showPage(int page)
{
    page = std::max(0, page);
    if (!m_pages->hasPage(page))
        page = m_pages->pagesLaidOut() - 1; // every page is laid out by now
    if (page != m_current)
        m_scroll->verticalScrollBar()->setValue(0);
    m_current = page;
    m_sheet->showPage(page);
    m_pageEdit->setText(QString::number(page + 1));
    showProgress();
}

void ReportPreview::stepPage(int by)
{
    if (m_current + by >= 0)
        showPage(m_current + by);
}

bool ReportPreview::wheelTurnsPage(const QWheelEvent &wheel)
{
    const int turned = wheel.angleDelta().y();
    if (turned == 0 || wheel.modifiers() != Qt::NoModifier)
        return false;
    QScrollBar *bar = m_scroll->verticalScrollBar();
    const bool down = turned < 0;
    if (down ? bar->value() < bar->maximum() : bar->value() > bar->minimum()) {
        m_wheelTurned = 0;
        return false; // the page scrolls to its end first
    }
    // A wheel of fine steps (a touchpad) turns a page once it has gone as
    // far as one notch of a mouse wheel.
    if ((m_wheelTurned < 0) != down)
        m_wheelTurned = 0;
    m_wheelTurned += turned;
    if (std::abs(m_wheelTurned) < QWheelEvent::DefaultDeltasPerStep)
        return true;
    m_wheelTurned = 0;
    const int before = m_current;
    stepPage(down ? 1 : -1);
    if (!down && m_current != before)
        bar->setValue(bar->maximum()); // back onto the foot of the page before
    return true;
}

void ReportPreview::goToTypedPage()
{
    // An emptied field shows the page on show again; 0 counts as the first.
    bool number = false;
    const int page = m_pageEdit->text().toInt(&number);
    showPage(number ? page - 1 : m_current);
}

void ReportPreview::layOutSlice()
{
    m_pages->hasPage(m_pages->pagesLaidOut() + kPagesPerSlice - 1);
    showProgress();
}

void ReportPreview::showProgress()
{
    const bool done = m_pages->complete();
    const int laidOut = m_pages->pagesLaidOut();
    if (done) {
        m_slices.stop();
        m_pageCount->setText(countText(QString::number(laidOut)));
        m_status->setText(countText(QString::number(laidOut)));
        // The footer's number of pages is known now.
        if (!m_totalShown) {
            m_totalShown = true;
            m_sheet->update();
        }
    } else {
        m_pageCount->setText(countText(QStringLiteral("…")));
        m_status->setText(QStringLiteral("正在准备页面 %1").arg(laidOut + 1));
    }
    m_first->setEnabled(m_current > 0);
    m_previous->setEnabled(m_current > 0);
    const bool more = !done || m_current < laidOut - 1;
    m_next->setEnabled(more);
    m_last->setEnabled(more);
}

void ReportPreview::applyZoom()
{
    const QScreen *screen = this->screen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    const double realSize = dpi / kMmPerInch; // pixels per mm at 100 %
    const double factor = m_zoom->currentData().toDouble();
    double zoom = factor;
    if (factor < 0) {
        // A fit: the paper within the page area, the room around it kept.
        const QSize room = m_scroll->maximumViewportSize() - QSize(2, 2) * PreviewDesk::Room;
        const double widthFit =
            (room.width() - m_scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent)) / (m_paperMm.width() * realSize);
        const double pageFit = std::min(room.width() / (m_paperMm.width() * realSize),
                                        room.height() / (m_paperMm.height() * realSize));
        zoom = std::max(0.1, factor == kFitWidth ? widthFit : pageFit);
    }
    m_pixelsPerMm = realSize * zoom;
    m_sheet->setScale(m_pixelsPerMm * kMmPerInch / kLayoutDpi);
    // The page area fits its ground to the sheet again, smaller as well as larger.
    QEvent refit(QEvent::LayoutRequest);
    QCoreApplication::sendEvent(m_scroll, &refit);
    m_horizontalRuler->setScale(m_paperMm.width(), m_pixelsPerMm);
    m_verticalRuler->setScale(m_paperMm.height(), m_pixelsPerMm);
}

void ReportPreview::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The rest of the pages are laid out once the first is on screen.
    if (!event->spontaneous())
        applyZoom(); // on the screen the window shows on
}

void ReportPreview::hideEvent(QHideEvent *event)
{
    if (!event->spontaneous())
        m_slices.stop();
    QDialog::hideEvent(event);
}

bool ReportPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_scroll->viewport() && event->type() == QEvent::Wheel) {
        if (!wheelTurnsPage(*static_cast<QWheelEvent *>(event)))
            return false;
        event->accept();
        return true;
    }
    if (watched == m_scroll && event->type() == QEvent::Resize && m_zoom->currentData().toDouble() < 0)
        applyZoom();
    return QDialog::eventFilter(watched, event);
}

} // namespace reports
