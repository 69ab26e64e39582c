#include "FormParts.h"

#include <QLabel>

namespace ui {

namespace {

QLabel *plainLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    return label;
}

} // namespace

QLabel *titleStrip(const QString &title, QWidget *parent)
{
    QLabel *strip = plainLabel(title, parent);
    strip->setObjectName(QStringLiteral("Image1"));
    strip->setFixedHeight(20);
    strip->setStyleSheet(QStringLiteral("QLabel { color: white; font-weight: bold; background: qlineargradient("
                                        "x1:0, y1:0, x2:1, y2:0, stop:0 #1f5f9e, stop:1 #8fc1ea); }"));
    return strip;
}

QLabel *caption(const QString &text, QWidget *buddy, QWidget *parent)
{
    QLabel *label = plainLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QLabel *separator(const QString &text, QWidget *parent)
{
    QLabel *label = plainLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel *valueLabel(QWidget *parent, const QString &description)
{
    QLabel *label = plainLabel(QString(), parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (!description.isEmpty())
        label->setAccessibleDescription(description);
    return label;
}

} // namespace ui
