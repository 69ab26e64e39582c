#pragma once

#include <QFrame>
#include <QList>

class QToolButton;

namespace app {

// The bar at the left of the main window: six view buttons stacked from the
// top, a "<" strip that collapses the bar and a ">" strip that expands it.
class NavigationBar : public QFrame {
    Q_OBJECT
public:
    static constexpr int kExpandedWidth = 81;
    static constexpr int kCollapsedWidth = 13;

    explicit NavigationBar(QWidget *parent = nullptr);

    QWidget *buttonPanel() const { return m_panel; }
    QToolButton *addViewButton(const QString &caption, const QIcon &icon);
    QToolButton *collapseStrip() const { return m_collapse; }
    QToolButton *expandStrip() const { return m_expand; }
    bool isCollapsed() const { return !m_panel->isVisibleTo(this); }

    void collapse();
    void expand();

private:
    QWidget *m_panel;
    QToolButton *m_collapse;
    QToolButton *m_expand;
};

} // namespace app
