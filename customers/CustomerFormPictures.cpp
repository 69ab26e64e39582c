#include "CustomerFormPictures.h"

#include <QLinearGradient>
#include <QPainter>

namespace customers {

FormStrip::FormStrip(const QString &title, int height, QWidget *parent) : QWidget(parent), m_title(title)
{
    setFixedHeight(height);
}

void FormStrip::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient band(0, 0, width(), 0);
    band.setColorAt(0.0, QColor(0x1d, 0x4f, 0x8c));
    band.setColorAt(1.0, QColor(0x8c, 0xbc, 0xe8));
    p.fillRect(rect(), band);
    p.setPen(QColor(0xf4, 0xb9, 0x42));
    p.drawLine(0, height() - 1, width(), height() - 1);
    QFont caption = font();
    caption.setBold(true);
    p.setFont(caption);
    p.setPen(Qt::white);
    p.drawText(rect().adjusted(10, 0, -10, -1), Qt::AlignLeft | Qt::AlignVCenter, m_title);
}

PhoneHint::PhoneHint(int areaWidth, int numberWidth, int extensionWidth, int spacing, QWidget *parent)
    : QLabel(QStringLiteral("区号   电话号码   分机号"), parent)
    , m_areaWidth(areaWidth)
    , m_numberWidth(numberWidth)
    , m_extensionWidth(extensionWidth)
    , m_spacing(spacing)
{
    QPalette grey = palette();
    grey.setColor(QPalette::WindowText, Qt::gray);
    setPalette(grey);
}

void PhoneHint::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int dash = fontMetrics().horizontalAdvance(u'-') + 2 * m_spacing;
    const int turn = fontMetrics().horizontalAdvance(QStringLiteral(" 转 ")) + 2 * m_spacing;
    const QRect boxes[] = {
        QRect(0, 0, m_areaWidth, height()),
        QRect(m_areaWidth + dash, 0, m_numberWidth, height()),
        QRect(m_areaWidth + dash + m_numberWidth + turn, 0, m_extensionWidth, height()),
    };
    const QStringList words = text().split(u' ', Qt::SkipEmptyParts);
    for (int i = 0; i < words.size() && i < 3; ++i)
        p.drawText(boxes[i], Qt::AlignCenter, words[i]);
}

} // namespace customers
