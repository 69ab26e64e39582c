#include "DeletePanel.h"

#include "StandingQuery.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace ui {

DeletePanel::DeletePanel(const QString &title, const QStringList &question, QWidget *parent)
    : QFrame(parent), m_minus(new QToolButton(this)), m_cancel(new QPushButton(QStringLiteral("取 消"), this))
{
    setFixedSize(350, 200);
    setFrameShape(QFrame::Box);
    setAutoFillBackground(false);

    auto *heading = new QLabel(title, this);
    heading->setStyleSheet(QStringLiteral("color: red; font-weight: bold; font-size: 16px;"));
    auto *text = new QLabel(question.join(u'\n'), this);
    text->setWordWrap(true);
    auto *hint = new QLabel(QStringLiteral("点击减号删除"), this);
    hint->setStyleSheet(QStringLiteral("font-weight: bold;"));

    m_minus->setText(QStringLiteral("−"));
    m_minus->setToolTip(QStringLiteral("删除"));
    m_minus->setAccessibleName(QStringLiteral("删除"));
    m_minus->setFixedSize(32, 25);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(hint);
    buttons->addWidget(m_minus);
    buttons->addStretch();
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(heading);
    layout->addWidget(text, 1);
    layout->addLayout(buttons);

    connect(m_minus, &QToolButton::clicked, this, [this] {
        if (!m_key.isEmpty())
            emit deleteRequested(m_key);
    });
    connect(m_cancel, &QPushButton::clicked, this, &DeletePanel::cancelled);
    hide();
}

void DeletePanel::popUp(QWidget *over, const data::StandingQuery &query)
{
    m_key = query.currentRow() < 0 ? QString() : query.field(query.keyColumn());
    m_minus->setEnabled(!m_key.isEmpty());
    QWidget *host = parentWidget();
    const QPoint centre = over && host ? over->mapTo(host, over->rect().center()) : QPoint(width() / 2, height() / 2);
    move(centre - QPoint(width() / 2, height() / 2));
    raise();
    show();
}

void DeletePanel::setCancelCaption(const QString &caption)
{
    m_cancel->setText(caption);
}

void DeletePanel::dismiss()
{
    hide();
    m_key.clear();
}

void DeletePanel::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0xff, 0xf4, 0xe8));
    g.setColorAt(1, QColor(0xf0, 0xd8, 0xc8));
    p.fillRect(rect(), g);
    QFrame::paintEvent(event);
}

} // namespace ui
