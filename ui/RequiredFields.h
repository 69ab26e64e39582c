#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace ui {

// A field a window cannot do without (marked with a red "*"), and whether it
// holds what it needs.
struct Required {
    QWidget *field;
    bool filled;
};

// What a window says when a field marked with "*" is empty.
inline const QString kRequiredMissing = QStringLiteral("请将标有*号项填写完整");

// Tests a window's required fields, given in screen order. When one is empty
// the warning comes up and, once it is answered, the cursor is in the first
// empty one, its tab page brought to the front; false then.
bool requiredFilled(QWidget *window, const QList<Required> &fields, const QString &warning = kRequiredMissing);

} // namespace ui
