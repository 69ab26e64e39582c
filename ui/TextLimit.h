#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QTextEdit;
class QWidget;

namespace ui {

// Length limits of entry fields. A limit counts characters as a user sees
// them (grapheme clusters): an emoji, a letter with its accents or a flag is
// one character, and a limit never cuts one in half, so what a field holds is
// always what it shows. Typing, pasting and text set by the program are all
// held to the limit; what does not fit is dropped from the end of what was
// just put in, and the text cursor stays where the insertion ended.

// A field without a limit takes text of any length.
inline constexpr int kNoLimit = 0;

// The number of characters of text, as a user counts them.
int characterCount(const QString &text);
// The first `characters` characters of text (all of it when it has no more).
QString cutToCharacters(const QString &text, int characters);

// Sets the limit of a field; kNoLimit lets it take any length. Text already in
// the field is cut to the new limit.
void limitText(QLineEdit *edit, int characters);
void limitText(QPlainTextEdit *edit, int characters);
void limitText(QTextEdit *edit, int characters);

// The limit set on a field through limitText(), kNoLimit when it has none.
int textLimit(const QWidget *field);

} // namespace ui
