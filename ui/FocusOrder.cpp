#include "FocusOrder.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace ui {

namespace {

bool takesTab(const QWidget *w)
{
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !w->focusProxy();
}

// A piece read as a whole at its place: a group box, or a stack of pages.
bool isPiece(const QWidget *w)
{
    return qobject_cast<const QGroupBox *>(w) || qobject_cast<const QStackedWidget *>(w);
}

// The fields and pieces within `container`, each found below it without
// another field or piece between (the line box inside a drop-down is part of
// the drop-down). Windows of their own (a calendar, a notice) stay out.
void membersOf(QWidget *container, QList<QWidget *> &members)
{
    for (QObject *child : container->children()) {
        auto *w = qobject_cast<QWidget *>(child);
        if (!w || w->isWindow())
            continue;
        if (isPiece(w) || takesTab(w))
            members << w;
        else
            membersOf(w, members);
    }
}

// Line by line from the top, left to right along a line. A line is what
// starts beside its first widget: whatever has its middle above that
// widget's foot.
void sortAsRead(QList<QWidget *> &members, QWidget *container)
{
    struct Placed {
        QWidget *widget;
        QRect place;
    };
    std::vector<Placed> placed;
    for (QWidget *w : members)
        placed.push_back({w, QRect(w->mapTo(container, QPoint()), w->size())});
    std::stable_sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
        return a.place.top() != b.place.top() ? a.place.top() < b.place.top() : a.place.left() < b.place.left();
    });
    members.clear();
    for (auto line = placed.begin(); line != placed.end();) {
        const int foot = line->place.bottom();
        auto end = std::find_if(line + 1, placed.end(), [foot](const Placed &p) { return p.place.center().y() > foot; });
        std::stable_sort(line, end, [](const Placed &a, const Placed &b) {
            return a.place.left() != b.place.left() ? a.place.left() < b.place.left() : a.place.top() < b.place.top();
        });
        for (auto p = line; p != end; ++p)
            members << p->widget;
        line = end;
    }
}

void readInto(QWidget *container, QList<QWidget *> &chain)
{
    QList<QWidget *> members;
    membersOf(container, members);
    sortAsRead(members, container);
    for (QWidget *w : members) {
        if (auto *stack = qobject_cast<QStackedWidget *>(w)) {
            for (int page = 0; page < stack->count(); ++page)
                readInto(stack->widget(page), chain);
        } else if (qobject_cast<QGroupBox *>(w)) {
            if (takesTab(w))
                chain << w;
            readInto(w, chain);
        } else {
            chain << w;
        }
    }
}

bool isShown(const QWidget *w, const QWidget *window)
{
    return w->isVisibleTo(window) && w->isEnabled();
}

// What the user fills in or chooses, as against a command button or the tab bar.
bool isField(const QWidget *w)
{
    if (qobject_cast<const QTabBar *>(w) || qobject_cast<const QPushButton *>(w) || qobject_cast<const QToolButton *>(w))
        return false;
    return true;
}

} // namespace

QList<QWidget *> chainInReadingOrder(QWidget *window)
{
    QList<QWidget *> chain;
    readInto(window, chain);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    return chain;
}

void focusFirstField(QWidget *window, const QList<QWidget *> &chain)
{
    const auto first = std::find_if(chain.begin(), chain.end(),
                                    [window](QWidget *w) { return isField(w) && isShown(w, window); });
    if (first != chain.end()) {
        (*first)->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->isDefault() && isShown(button, window)) {
            button->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

} // namespace ui
