#include "Fonts.h"

#include <QApplication>
#include <QFont>

namespace app {

void installFonts()
{
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Noto Sans CJK SC"),
                                                       QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("AR PL UMing CN")});
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}

} // namespace app
