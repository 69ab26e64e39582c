#include "FormParts.h"

#include <QToolBar>
#include <QToolButton>

namespace ui {

QToolBar *viewToolBar(QWidget *view, const std::vector<ToolButton> &buttons, const ToolBarLook &look)
{
    auto *bar = new QToolBar(view);
    bar->setIconSize(QSize(24, 24));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolButton &b : buttons) {
        auto *button = new QToolButton(bar);
        button->setText(QString::fromUtf8(b.caption));
        button->setToolTip(QString::fromUtf8(b.hint));
        button->setIcon(view->style()->standardIcon(b.icon));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setAutoRaise(true);
        button->setFocusPolicy(look.tabStops ? Qt::TabFocus : Qt::NoFocus);
        if (look.buttonWidth > 0)
            button->setMinimumWidth(look.buttonWidth);
        QObject::connect(button, &QToolButton::clicked, view, b.handler);
        bar->addWidget(button);
        if (b.separatorAfter)
            bar->addSeparator();
    }
    return bar;
}

} // namespace ui
