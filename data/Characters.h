#pragma once

#include "FieldTable.h"

#include <QString>

namespace data {

// The number of characters of text as a user counts them (grapheme
// clusters): an emoji, a letter with its accents or a flag is one.
int characterCount(const QString &text);
// The first `characters` characters of text (all of it when it has no more).
QString cutToCharacters(const QString &text, int characters);

// Whether a field of that entry takes the character, as its key filter lets
// it be typed: Digits 0 to 9, NoSpace all but the blank, Name all but the
// blank and 0 to 9, LowerWeb a to z, 0 to 9 and the field's extra keys.
bool entryTakes(Entry entry, QChar c, const QString &extraKeys = {});
// The first character of text the entry does not take; a null QChar when it takes all.
QChar firstRefused(Entry entry, const QString &text, const QString &extraKeys = {});

// Whether a box of that kind lets a user put the character in: no control
// character (U+0000 to U+001F, U+007F to U+009F) goes into a one-line box
// or a drop-down; a multi-line box takes the tab and line breaks besides.
bool inputTakes(Input input, QChar c);
// Where the first character of text is that the box does not take; -1 when it takes all.
qsizetype firstUntaken(Input input, const QString &text);

} // namespace data
