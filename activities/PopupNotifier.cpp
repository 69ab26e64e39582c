#include "PopupNotifier.h"

#include "FormParts.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>

namespace activities {

namespace notices {
const NoticeLook reminder{QSize(260, 170), 25000, 12, QColor(255, 255, 204), true};
const NoticeLook newActivity{QSize(220, 100), 4000, 9, QColor(255, 255, 193), false};
} // namespace notices

namespace {

// The face of a notice, always of the notice's full size: the window shows
// as much of it as has slid out.
class NoticeFace : public QWidget {
public:
    NoticeFace(const QColor &top, QWidget *parent) : QWidget(parent), m_top(top) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient shade(0, 0, 0, height());
        shade.setColorAt(0.0, m_top);
        shade.setColorAt(1.0, Qt::white);
        p.fillRect(rect(), shade);
        // A thin strip along the foot, and a hairline round the edge.
        QLinearGradient strip(0, 0, width(), 0);
        strip.setColorAt(0.0, QColor(0xe8, 0xb8, 0x4a));
        strip.setColorAt(1.0, QColor(0xf7, 0xe0, 0x9c));
        p.fillRect(QRect(0, height() - 4, width(), 4), strip);
        p.setPen(QColor(0xb8, 0xa0, 0x60));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    QColor m_top;
};

} // namespace

Notice::Notice(const NoticeLook &look, const NoticePlace &place, const QString &title, const QString &text)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                           | Qt::WindowDoesNotAcceptFocus),
      m_look(look), m_place(place)
{
    setObjectName(QStringLiteral("Notice"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(title);

    m_face = new NoticeFace(look.top, this);
    m_face->setFixedSize(look.size);
    m_title = ui::plainText(title, m_face);
    QFont song(QStringLiteral("宋体"));
    song.setPixelSize(12);
    song.setBold(true);
    m_title->setFont(song);
    m_title->setStyleSheet(QStringLiteral("color: #1f3f75;"));
    m_text = ui::plainText(text, m_face);
    m_text->setAlignment(Qt::AlignCenter);
    m_text->setWordWrap(true);
    if (look.handCursor)
        m_text->setCursor(Qt::PointingHandCursor);
    auto *lines = new QVBoxLayout(m_face);
    lines->setContentsMargins(8, 6, 8, 8);
    lines->addWidget(m_title);
    lines->addWidget(m_text, 1);

    m_slide = new QTimer(this);
    m_slide->setInterval(kSlideMilliseconds);
    connect(m_slide, &QTimer::timeout, this, &Notice::slide);
}

Notice::~Notice()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

QString Notice::title() const
{
    return m_title->text();
}

QString Notice::text() const
{
    return m_text->text();
}

int Notice::fullExtent() const
{
    const bool across = m_place.slidesFrom == TaskbarSide::Left || m_place.slidesFrom == TaskbarSide::Right;
    return across ? m_look.size.width() : m_look.size.height();
}

void Notice::start()
{
    m_phase = Phase::SlidingIn;
    m_extent = 1;
    showExtent();
    show();
    // Modal windows that come up while it is on show do not keep the click from it.
    qApp->installEventFilter(this);
    followModalWindow();
    m_slide->start();
}

// The window is the part of the place nearest the taskbar, as deep as the
// notice has slid out; the face moves with the window's outer edge.
void Notice::showExtent()
{
    const QRect r = m_place.rect;
    const int e = m_extent;
    QRect window;
    QPoint face;
    switch (m_place.slidesFrom) {
    case TaskbarSide::Top:
        window = QRect(r.x(), r.y(), r.width(), e);
        face = QPoint(0, e - r.height());
        break;
    case TaskbarSide::Left:
        window = QRect(r.x(), r.y(), e, r.height());
        face = QPoint(e - r.width(), 0);
        break;
    case TaskbarSide::Right:
        window = QRect(r.x() + r.width() - e, r.y(), e, r.height());
        face = QPoint(0, 0);
        break;
    case TaskbarSide::Bottom:
    case TaskbarSide::None:
        window = QRect(r.x(), r.y() + r.height() - e, r.width(), e);
        face = QPoint(0, 0);
        break;
    }
    setGeometry(window);
    m_face->move(face);
}

void Notice::slide()
{
    const int full = fullExtent();
    if (m_phase == Phase::SlidingIn) {
        m_extent = std::min(full, m_extent + m_look.slideStep);
        showExtent();
        if (m_extent == full) {
            m_phase = Phase::Staying;
            m_slide->stop();
            QTimer::singleShot(m_look.displayMilliseconds, this, [this] {
                m_phase = Phase::SlidingOut;
                m_slide->start();
            });
        }
        return;
    }
    if (m_phase == Phase::SlidingOut) {
        m_extent -= m_look.slideStep;
        if (m_extent <= 0) {
            m_slide->stop();
            close();
            return;
        }
        showExtent();
    }
}

void Notice::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    m_slide->stop();
    close();
}

// A modal window blocks the clicks on every window that does not belong to
// it; the notice belongs to whichever modal window is up.
void Notice::followModalWindow()
{
    if (QWindow *own = windowHandle())
        own->setTransientParent(QGuiApplication::modalWindow());
}

bool Notice::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && widget != this && widget->isWindow() && widget->isModal())
            QTimer::singleShot(0, this, &Notice::followModalWindow);
    }
    return false;
}

PopupNotifier::PopupNotifier(const NoticeLook &look, QObject *parent) : QObject(parent), m_look(look)
{
}

PopupNotifier::~PopupNotifier()
{
    for (const QPointer<Notice> &notice : std::as_const(m_notices))
        delete notice.data();
}

QList<Notice *> PopupNotifier::notices() const
{
    QList<Notice *> live;
    for (const QPointer<Notice> &notice : m_notices) {
        if (notice)
            live << notice.data();
    }
    return live;
}

Notice *PopupNotifier::show(const QString &title, const QString &text)
{
    m_notices.removeAll(nullptr);
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return nullptr;
    QList<QRect> shown;
    for (Notice *notice : notices())
        shown << notice->place();
    const std::optional<NoticePlace> place =
        placeNotice(screen->geometry(), screen->availableGeometry(), m_look.size, shown);
    if (!place)
        return nullptr;
    auto *notice = new Notice(m_look, *place, title, text);
    m_notices << notice;
    notice->start();
    return notice;
}

} // namespace activities
