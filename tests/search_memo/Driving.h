#pragma once

#include "HandOver.h"
#include "TestSupport.h"
#include "Windows.h"

#include <QComboBox>
#include <QDialog>
#include <QTest>
#include <QWidget>
#include <functional>

namespace driving {

// Types text key by key, the way a keyboard sends it. QTest::keyClicks can
// only type Latin-1; Chinese text goes through here.
inline void typeInto(QWidget *w, const QString &text)
{
    for (const QChar ch : text) {
        const char16_t upper = ch.toUpper().unicode();
        const Qt::Key key = ch == u'\n' ? Qt::Key_Return : upper < 0x80 ? Qt::Key(upper) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, w, key, QString(ch), Qt::NoModifier);
    }
}

// Picks an entry of a drop-down list as a click in its list does.
inline bool choose(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchExactly);
    if (index < 0)
        return false;
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    return true;
}

// Opens the modal window of that instance name and runs steps inside it.
// A window the steps leave open (after a failed check, too) is closed
// afterwards. False when the steps never ran.
inline bool runModal(const QString &name, const std::function<void()> &steps)
{
    bool ran = false;
    testing::whenModal([&] {
        steps();
        ran = true;
        if (auto *w = ui::Windows::get<QDialog>(name); w && w->isVisible())
            w->close();
    });
    ui::openWindow(name);
    return ran;
}

} // namespace driving
