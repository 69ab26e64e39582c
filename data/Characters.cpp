#include "Characters.h"

#include <QTextBoundaryFinder>

namespace data {

int characterCount(const QString &text)
{
    if (text.isEmpty())
        return 0;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() > 0)
        ++count;
    return count;
}

QString cutToCharacters(const QString &text, int characters)
{
    if (characters <= 0)
        return QString();
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (int i = 0; i < characters; ++i) {
        if (finder.toNextBoundary() < 0)
            return text;
    }
    return text.left(finder.position());
}

bool entryTakes(Entry entry, QChar c, const QString &extraKeys)
{
    const bool digit = c >= u'0' && c <= u'9';
    switch (entry) {
    case Entry::Any:
        return true;
    case Entry::Digits:
        return digit;
    case Entry::NoSpace:
        return c != u' ';
    case Entry::Name:
        return c != u' ' && !digit;
    case Entry::LowerWeb:
        return (c >= u'a' && c <= u'z') || digit || extraKeys.contains(c);
    }
    return true;
}

QChar firstRefused(Entry entry, const QString &text, const QString &extraKeys)
{
    for (QChar c : text) {
        if (!entryTakes(entry, c, extraKeys))
            return c;
    }
    return QChar();
}

bool inputTakes(Input input, QChar c)
{
    if (c.category() != QChar::Other_Control)
        return true;
    return input == Input::Memo && (c == u'\t' || c == u'\n' || c == u'\r');
}

qsizetype firstUntaken(Input input, const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!inputTakes(input, text.at(i)))
            return i;
    }
    return -1;
}

} // namespace data
