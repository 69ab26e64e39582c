#pragma once

#include <QLabel>
#include <QWidget>

namespace customers {

// The picture strip across the top of a customer window, with its title.
class FormStrip : public QWidget {
public:
    FormStrip(const QString &title, int height, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_title;
};

// The grey hint over the phone groups. Its text is the one line
// "区号   电话号码   分机号"; each word is drawn centred over its box of a
// phone row laid out as area code "-" number " 转 " extension, the boxes of
// the given widths with the given spacing, starting at the hint's left edge.
class PhoneHint : public QLabel {
public:
    PhoneHint(int areaWidth, int numberWidth, int extensionWidth, int spacing, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_areaWidth;
    int m_numberWidth;
    int m_extensionWidth;
    int m_spacing;
};

} // namespace customers
