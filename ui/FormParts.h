#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace ui {

// Small pieces the entry and search windows are laid out from.

// The 20-pixel picture strip at the top of a window, carrying its title.
QLabel *titleStrip(const QString &title, QWidget *parent);
// A caption that names the field beside it (its buddy), so the field can be found by it.
QLabel *caption(const QString &text, QWidget *buddy, QWidget *parent);
// A fixed label between the boxes of one line ("-", " 转 ").
QLabel *separator(const QString &text, QWidget *parent);

} // namespace ui
