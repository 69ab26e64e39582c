#include "NavigationBar.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace app {

namespace {

QToolButton *strip(const QString &text, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setText(text);
    b->setAccessibleName(text);
    b->setFixedWidth(9);
    b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    b->setAutoRaise(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

NavigationBar::NavigationBar(QWidget *parent)
    : QFrame(parent), m_panel(new QWidget(this)), m_collapse(strip(QStringLiteral("<"), this)),
      m_expand(strip(QStringLiteral(">"), this))
{
    setObjectName(QStringLiteral("navigationBar"));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette face = palette();
    face.setColor(QPalette::Window, QColor(0xe3, 0xe3, 0xe3)); // the light 3D face
    setPalette(face);
    setAutoFillBackground(true);
    setFixedWidth(kExpandedWidth);

    auto *buttons = new QVBoxLayout(m_panel);
    buttons->setContentsMargins(6, 8, 4, 6);
    buttons->setSpacing(6);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(m_expand);
    layout->addWidget(m_panel, 1);
    layout->addWidget(m_collapse);
    m_expand->hide();

    connect(m_collapse, &QToolButton::clicked, this, &NavigationBar::collapse);
    connect(m_expand, &QToolButton::clicked, this, &NavigationBar::expand);
}

QToolButton *NavigationBar::addViewButton(const QString &caption, const QIcon &icon)
{
    auto *b = new QToolButton(m_panel);
    b->setText(caption);
    b->setIcon(icon);
    b->setIconSize(QSize(24, 24));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setFixedSize(50, 50);
    auto *layout = static_cast<QVBoxLayout *>(m_panel->layout());
    layout->insertWidget(layout->count() - 1, b);
    return b;
}

void NavigationBar::collapse()
{
    setFixedWidth(kCollapsedWidth);
    m_panel->hide();
    m_collapse->hide();
    m_expand->show();
}

void NavigationBar::expand()
{
    setFixedWidth(kExpandedWidth);
    m_panel->show();
    m_collapse->show();
    m_expand->hide();
}

} // namespace app
