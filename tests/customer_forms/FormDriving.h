#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QWidget>

// Driving the customer windows as a user does.
namespace forms {

// Types text key by key as a keyboard sends it; unlike QTest::keyClicks it
// also types Chinese characters.
inline void typeInto(QWidget *w, const QString &text)
{
    for (const QChar ch : text) {
        const char16_t upper = ch.toUpper().unicode();
        const Qt::Key key = upper < 0x80 ? Qt::Key(upper) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, w, key, QString(ch), Qt::NoModifier);
    }
}

// Picks the entry at a place of a drop-down list with the keyboard.
inline void pickRow(QComboBox *combo, int row)
{
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < row; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

// Picks the first entry with a text.
inline bool pick(QComboBox *combo, const QString &text)
{
    const int row = combo->findText(text, Qt::MatchExactly);
    if (row < 0)
        return false;
    pickRow(combo, row);
    return combo->currentText() == text;
}

// What an entry field shows.
inline QString textOf(QWidget *w)
{
    if (auto *line = qobject_cast<QLineEdit *>(w))
        return line->text();
    if (auto *memo = qobject_cast<QPlainTextEdit *>(w))
        return memo->toPlainText();
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentText();
    return {};
}

} // namespace forms
