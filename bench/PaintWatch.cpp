#include "PaintWatch.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace bench {

PaintWatch::PaintWatch(Match match) : m_match(std::move(match))
{
    qApp->installEventFilter(this);
}

PaintWatch::~PaintWatch()
{
    qApp->removeEventFilter(this);
}

void PaintWatch::arm()
{
    m_armed = true;
    m_painted = false;
    m_idle = false;
}

bool PaintWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && m_armed && !m_painted && watched->isWidgetType()
        && m_match(static_cast<QWidget *>(watched))) {
        m_painted = true;
        if (m_onPaint)
            m_onPaint();
        QTimer::singleShot(0, this, &PaintWatch::reachIdle);
    }
    return false;
}

void PaintWatch::reachIdle()
{
    m_armed = false;
    m_idle = true;
    if (m_loop)
        m_loop->quit();
    if (m_onIdle) {
        const std::function<void()> onIdle = m_onIdle; // it may replace itself
        onIdle();
    }
}

bool PaintWatch::wait(int timeoutMs)
{
    if (m_idle)
        return true;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    timeout.start(timeoutMs);
    m_loop = &loop;
    loop.exec();
    m_loop = nullptr;
    return m_idle;
}

PaintWatch::Match PaintWatch::inside(QWidget *widget)
{
    return [target = QPointer<QWidget>(widget)](QWidget *w) { return target && (w == target || target->isAncestorOf(w)); };
}

} // namespace bench
