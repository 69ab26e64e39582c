#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace ui {

// Small pieces the windows are laid out from. Every label they make shows
// its text as it is (plain text, never markup).

// The 20-pixel picture strip at the top of a window, carrying its title.
QLabel *titleStrip(const QString &title, QWidget *parent);
// A caption that names the field beside it (its buddy), so the field can be found by it.
QLabel *caption(const QString &text, QWidget *buddy, QWidget *parent);
// A fixed label between the boxes of one line ("-", " 转 ").
QLabel *separator(const QString &text, QWidget *parent);
// A label that shows a value (stored or typed text) exactly as it is, and
// tells an accessibility client that text. What the value is belongs to the
// caption beside it (caption() with this label as buddy), or to the group
// box it sits in; a value without either may say it in its description.
QLabel *valueLabel(QWidget *parent, const QString &description = {});

} // namespace ui
