#include "KeyFilter.h"

#include "Characters.h"
#include "Tone.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace ui {

namespace {

constexpr int kRefusalHertz = 880;
constexpr int kRefusalMilliseconds = 100;

constexpr QChar kBackspace = u'\b';
constexpr QChar kEnter = u'\r';

bool isBackspaceOrEnter(QChar c) { return c == kBackspace || c == kEnter; }

bool acceptsChar(KeyFilter::Mode mode, QChar c, const QString &extra)
{
    switch (mode) {
    case KeyFilter::Mode::Digits:
        return data::entryTakes(data::Entry::Digits, c) || isBackspaceOrEnter(c);
    case KeyFilter::Mode::NoSpace:
        return data::entryTakes(data::Entry::NoSpace, c);
    case KeyFilter::Mode::Name:
        return data::entryTakes(data::Entry::Name, c);
    case KeyFilter::Mode::LowerWeb:
        return data::entryTakes(data::Entry::LowerWeb, c, extra) || isBackspaceOrEnter(c);
    case KeyFilter::Mode::RefuseTyping:
        return isBackspaceOrEnter(c);
    }
    return true;
}

// The text a key press would type. Editing and navigation keys (Delete, Tab,
// Escape, arrows, function keys) type nothing even where the platform gives
// them a control character; Backspace and Enter keep theirs.
QString typedText(const QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Backspace || key == Qt::Key_Return || key == Qt::Key_Enter)
        return event->text();
    const bool specialKey = key >= Qt::Key_Escape && key < Qt::Key_unknown;
    return specialKey ? QString() : event->text();
}

} // namespace

bool KeyFilter::accepts(Mode mode, const QString &typedText, const QString &extra)
{
    for (QChar c : typedText) {
        if (!acceptsChar(mode, c, extra))
            return false;
    }
    return true;
}

QString KeyFilter::filtered(Mode mode, const QString &text, const QString &extra)
{
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text) {
        if (acceptsChar(mode, c, extra))
            kept.append(c);
    }
    return kept;
}

KeyFilter *KeyFilter::install(QWidget *w, Mode mode, const QString &extra)
{
    Q_ASSERT(w);
    auto *filter = new KeyFilter(mode, extra, w);
    w->installEventFilter(filter);
    // An editable drop-down hands its keys to the line edit by a direct call
    // that bypasses filters, so the drop-down itself is watched as well.
    if (auto *combo = qobject_cast<QComboBox *>(w); combo && combo->lineEdit())
        combo->lineEdit()->installEventFilter(filter);
    return filter;
}

KeyFilter::KeyFilter(Mode mode, const QString &extra, QObject *parent)
    : QObject(parent)
    , m_mode(mode)
    , m_extra(extra)
    , m_beep(mode == Mode::RefuseTyping)
{
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return filterKey(static_cast<QKeyEvent *>(event));
    case QEvent::InputMethod:
        return filterInputMethod(watched, static_cast<QInputMethodEvent *>(event));
    default:
        return false;
    }
}

bool KeyFilter::filterKey(QKeyEvent *event)
{
    if (accepts(m_mode, typedText(event), m_extra))
        return false;
    event->accept();
    refused();
    return true;
}

// An input method (Chinese entry, for one) commits whole strings; the refused
// characters are dropped and the rest is committed in their place.
bool KeyFilter::filterInputMethod(QObject *watched, QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    const QString kept = filtered(m_mode, commit, m_extra);
    if (kept.size() == commit.size())
        return false;
    refused();
    QInputMethodEvent replacement(event->preeditString(), event->attributes());
    replacement.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QCoreApplication::sendEvent(watched, &replacement);
    event->accept();
    return true;
}

void KeyFilter::refused()
{
    if (m_beep)
        tone(kRefusalHertz, kRefusalMilliseconds);
}

std::optional<KeyFilter::Mode> keyMode(data::Entry entry)
{
    switch (entry) {
    case data::Entry::Name:
        return KeyFilter::Mode::Name;
    case data::Entry::NoSpace:
        return KeyFilter::Mode::NoSpace;
    case data::Entry::Digits:
        return KeyFilter::Mode::Digits;
    case data::Entry::LowerWeb:
        return KeyFilter::Mode::LowerWeb;
    case data::Entry::Any:
        break;
    }
    return std::nullopt;
}

} // namespace ui
