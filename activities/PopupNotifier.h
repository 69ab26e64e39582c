#pragma once

#include "NoticePlacement.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

class QLabel;
class QTimer;

namespace activities {

// How the notices of one notifier look and move.
struct NoticeLook {
    QSize size;
    int displayMilliseconds = 0; // fully out, before it slides back
    int slideStep = 0;           // pixels per slide tick
    QColor top;                  // the background shades from this at the top to white at the bottom
    bool handCursor = false;     // over the text
};

// The notices in use.
namespace notices {
extern const NoticeLook reminder;    // a sales activity is due
extern const NoticeLook newActivity; // a sales activity was scheduled
} // namespace notices

// One slide tick.
inline constexpr int kSlideMilliseconds = 25;

// One notice: a small window with a title line and a text, on top of every
// other window, that takes no focus. It slides out of the taskbar edge by the
// slide step each tick, stays for the display time, slides back and closes.
// A click on it closes it at once. A modal window that comes up does not keep
// the click from it.
class Notice : public QWidget {
    Q_OBJECT
public:
    Notice(const NoticeLook &look, const NoticePlace &place, const QString &title, const QString &text);
    ~Notice() override;

    QString title() const;
    QString text() const;
    // Where the notice stands once fully out.
    QRect place() const { return m_place.rect; }
    enum class Phase { SlidingIn, Staying, SlidingOut };
    Phase phase() const { return m_phase; }

    // Shows the notice, 1 pixel of it, and starts its slide.
    void start();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void slide();
    void showExtent();
    void followModalWindow();
    int fullExtent() const;

    NoticeLook m_look;
    NoticePlace m_place;
    QWidget *m_face = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_text = nullptr;
    QTimer *m_slide = nullptr;
    Phase m_phase = Phase::SlidingIn;
    int m_extent = 1;
};

// Shows notices of one look, stacking each new one beside those still on show.
class PopupNotifier : public QObject {
    Q_OBJECT
public:
    explicit PopupNotifier(const NoticeLook &look, QObject *parent = nullptr);
    ~PopupNotifier() override;

    // Shows a notice and returns at once; the notice lives on by itself.
    // Nothing is shown (nullptr) when there is no room left for it.
    Notice *show(const QString &title, const QString &text);
    // The notices still on show, oldest first.
    QList<Notice *> notices() const;
    const NoticeLook &look() const { return m_look; }

private:
    NoticeLook m_look;
    QList<QPointer<Notice>> m_notices;
};

} // namespace activities
