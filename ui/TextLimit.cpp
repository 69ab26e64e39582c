#include "TextLimit.h"

#include "Characters.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBoundaryFinder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QValidator>
#include <algorithm>
#include <limits>
#include <vector>

namespace ui {

namespace {

// The part [from, to) of a text that has to go so that it keeps to its limit.
struct Cut {
    qsizetype from = 0;
    qsizetype to = 0;
};

bool splitsPair(const QString &text, qsizetype at)
{
    return at > 0 && at < text.size() && text.at(at - 1).isHighSurrogate() && text.at(at).isLowSurrogate();
}

// What to drop from `now`, which an edit made out of `before` leaving the
// cursor at `cursor`, so that it holds at most `limit` characters. Where the
// edit inserted text just before the cursor, the end of that insertion goes;
// otherwise (the program set a text of its own) the end of the text goes.
Cut excess(const QString &before, const QString &now, qsizetype cursor, int limit)
{
    const qsizetype tailSize = now.size() - cursor;
    const bool inserted = cursor >= 0 && tailSize >= 0 && tailSize <= before.size()
        && QStringView(before).right(tailSize) == QStringView(now).right(tailSize);
    if (inserted) {
        // The insertion is [head, cursor): what precedes it is unchanged.
        const qsizetype sameLength = std::min(before.size() - tailSize, cursor);
        qsizetype head = 0;
        while (head < sameLength && before.at(head) == now.at(head))
            ++head;
        if (splitsPair(now, head))
            --head;
        const QString tail = now.mid(cursor);
        if (characterCount(now.left(head) + tail) <= limit) {
            // Places where a character of the insertion ends, with the number
            // of characters up to there.
            std::vector<std::pair<qsizetype, int>> ends;
            QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, now);
            int count = 0;
            for (qsizetype at = finder.toNextBoundary(); at > 0 && at < cursor; at = finder.toNextBoundary()) {
                ++count;
                if (at > head)
                    ends.emplace_back(at, count);
            }
            const int tailCount = characterCount(tail);
            for (auto end = ends.rbegin(); end != ends.rend(); ++end) {
                if (end->second + tailCount > limit)
                    continue;
                // Joined to the tail the last character may merge with its
                // first; count the result itself.
                if (characterCount(now.left(end->first) + tail) <= limit)
                    return {end->first, cursor};
            }
            return {head, cursor};
        }
    }
    return {cutToCharacters(now, limit).size(), now.size()};
}

// The limit of a line edit. It sees every change of the text, typed, pasted
// or set by the program, and trims it before the field shows it.
class LineLimit : public QValidator {
public:
    LineLimit(int limit, QLineEdit *edit) : QValidator(edit), m_limit(limit), m_before(edit->text()) {}

    int limit() const { return m_limit; }

    State validate(QString &input, int &pos) const override
    {
        if (characterCount(input) > m_limit) {
            const Cut cut = excess(m_before, input, pos, m_limit);
            input.remove(cut.from, cut.to - cut.from);
            if (pos >= cut.to)
                pos -= int(cut.to - cut.from);
            else
                pos = int(std::min<qsizetype>(pos, cut.from));
        }
        m_before = input;
        return Acceptable;
    }

private:
    int m_limit;
    mutable QString m_before; // the text as it stood after the last change
};

// The limit of a multi-line field: what an edit put into the document beyond
// the limit is taken out again at once, in the same undo step.
class DocumentLimit : public QObject {
public:
    DocumentLimit(int limit, QWidget *edit, const QString &text) : QObject(edit), m_limit(limit), m_before(text) {}

    int limit() const { return m_limit; }

    void apply(QTextDocument *document, int cursor)
    {
        if (m_cutting)
            return;
        const QString now = document->toPlainText();
        if (characterCount(now) > m_limit) {
            const Cut cut = excess(m_before, now, cursor, m_limit);
            QTextCursor remove(document);
            remove.setPosition(int(cut.from));
            remove.setPosition(int(cut.to), QTextCursor::KeepAnchor);
            m_cutting = true;
            remove.joinPreviousEditBlock();
            remove.removeSelectedText();
            remove.endEditBlock();
            m_cutting = false;
        }
        m_before = document->toPlainText();
    }

private:
    int m_limit;
    QString m_before;
    bool m_cutting = false;
};

DocumentLimit *documentLimit(const QWidget *edit)
{
    for (QObject *child : edit->children()) {
        if (auto *limit = dynamic_cast<DocumentLimit *>(child))
            return limit;
    }
    return nullptr;
}

template <typename Edit>
void limitDocument(Edit *edit, int characters)
{
    delete documentLimit(edit);
    if (characters <= kNoLimit)
        return;
    auto *limit = new DocumentLimit(characters, edit, edit->toPlainText());
    QObject::connect(edit, &Edit::textChanged, limit,
                     [limit, edit] { limit->apply(edit->document(), edit->textCursor().position()); });
    limit->apply(edit->document(), edit->textCursor().position());
}

} // namespace

int characterCount(const QString &text)
{
    return data::characterCount(text);
}

QString cutToCharacters(const QString &text, int characters)
{
    return data::cutToCharacters(text, characters);
}

void limitText(QLineEdit *edit, int characters)
{
    if (auto *old = dynamic_cast<LineLimit *>(const_cast<QValidator *>(edit->validator()))) {
        edit->setValidator(nullptr);
        delete old;
    }
    // Qt's own limit counts UTF-16 units and stops at 32,767 by default.
    edit->setMaxLength(std::numeric_limits<int>::max());
    if (characters <= kNoLimit)
        return;
    if (characterCount(edit->text()) > characters)
        edit->setText(cutToCharacters(edit->text(), characters));
    edit->setValidator(new LineLimit(characters, edit));
}

void limitText(QPlainTextEdit *edit, int characters)
{
    limitDocument(edit, characters);
}

void limitText(QTextEdit *edit, int characters)
{
    limitDocument(edit, characters);
}

int textLimit(const QWidget *field)
{
    if (auto *line = qobject_cast<const QLineEdit *>(field)) {
        if (auto *limit = dynamic_cast<const LineLimit *>(line->validator()))
            return limit->limit();
        return kNoLimit;
    }
    if (const DocumentLimit *limit = documentLimit(field))
        return limit->limit();
    return kNoLimit;
}

} // namespace ui
