#pragma once

#include <QObject>
#include <functional>

class QEventLoop;
class QWidget;

namespace bench {

// Sees the paint events of every widget of the application and tells when a
// widget it matches has painted and, after that, the event loop has come
// round once (a zero-timer posted at the paint has fired): "painted and idle".
class PaintWatch : public QObject {
    Q_OBJECT
public:
    using Match = std::function<bool(QWidget *)>;
    explicit PaintWatch(Match match);
    ~PaintWatch() override;

    // Forgets what was painted so far: from now on the next paint counts.
    void arm();
    bool idle() const { return m_idle; }
    // Called once painted and idle, after each arm().
    void setOnIdle(std::function<void()> onIdle) { m_onIdle = std::move(onIdle); }
    // Called at the paint that counts, just before the widget paints.
    void setOnPaint(std::function<void()> onPaint) { m_onPaint = std::move(onPaint); }
    // Runs the event loop until painted and idle; false when that did not
    // come within the time.
    bool wait(int timeoutMs);

    // Matches a widget and everything inside it.
    static Match inside(QWidget *widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reachIdle();

    Match m_match;
    std::function<void()> m_onIdle;
    std::function<void()> m_onPaint;
    bool m_armed = false;
    bool m_painted = false;
    bool m_idle = false;
    QEventLoop *m_loop = nullptr;
};

} // namespace bench
