#pragma once

#include <QList>

class QWidget;

namespace ui {

// Tab goes through a window's fields in the order a reader meets them, taken
// from where its layout placed them: line by line from the top, left to right
// along a line. A group box is read as one piece at its place, all its fields
// before the next piece; the pages of a tab widget each in turn, in the order
// of their tabs, after the tab bar. Widgets that take no Tab (labels, the
// small "..." buttons) stay out. Returns the chain, first field first.
QList<QWidget *> chainInReadingOrder(QWidget *window);

// Puts the cursor into the first field of the chain that is on show: a box,
// a drop-down, a button of a choice; none such, the window's default button.
// Not the tab bar.
void focusFirstField(QWidget *window, const QList<QWidget *> &chain);

} // namespace ui
