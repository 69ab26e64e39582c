#pragma once

#include "FieldTable.h"

#include <QObject>
#include <QString>
#include <optional>

class QKeyEvent;
class QInputMethodEvent;
class QWidget;

namespace ui {

// Filters the characters typed into an entry field (line edit, plain or rich
// text edit, drop-down). A refused key never reaches the field. Only typed
// keys and input-method commits are judged: text set by the program or
// pasted through a menu is left alone.
class KeyFilter : public QObject {
    Q_OBJECT
public:
    enum class Mode {
        Digits,       // 0-9, Backspace and Enter; everything else, control characters included, is refused
        NoSpace,      // everything but the space
        Name,         // everything but the space and 0-9
        LowerWeb,     // a-z, 0-9, the extra characters, Backspace and Enter
        RefuseTyping, // drop-downs chosen from their list: only Backspace and Enter, refusals beep
    };

    // True when one key's text may reach the field. An empty text (a key
    // that types nothing) is always accepted; a text of several characters
    // is accepted only when each of them is.
    static bool accepts(Mode mode, const QString &typedText, const QString &extra = {});
    // The characters of text that the mode lets through, in order.
    static QString filtered(Mode mode, const QString &text, const QString &extra = {});

    // Installs a filter on w; on a drop-down it watches the drop-down and,
    // when editable, its line edit. The filter is a child of w.
    static KeyFilter *install(QWidget *w, Mode mode, const QString &extra = {});

    KeyFilter(Mode mode, const QString &extra, QObject *parent);

    Mode mode() const { return m_mode; }
    // Refused keys sound the 880 Hz, 100 ms tone; on by default only for RefuseTyping.
    void setBeepOnRefusal(bool on) { m_beep = on; }
    bool beepOnRefusal() const { return m_beep; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool filterKey(QKeyEvent *event);
    bool filterInputMethod(QObject *watched, QInputMethodEvent *event);
    void refused();

    Mode m_mode;
    QString m_extra;
    bool m_beep;
};

// The filter of a field whose record says which keys it takes; none for any key.
std::optional<KeyFilter::Mode> keyMode(data::Entry entry);

} // namespace ui
