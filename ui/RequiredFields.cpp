#include "RequiredFields.h"

#include "MessageBox.h"

#include <QStackedWidget>
#include <QWidget>
#include <algorithm>

namespace ui {

namespace {

// Brings the tab pages that hold a field to the front, outermost last.
void bringToFront(QWidget *field)
{
    for (QWidget *w = field; w && !w->isWindow(); w = w->parentWidget()) {
        if (auto *stack = qobject_cast<QStackedWidget *>(w->parentWidget()))
            stack->setCurrentWidget(w);
    }
}

} // namespace

bool requiredFilled(QWidget *window, const QList<Required> &fields, const QString &warning)
{
    const auto empty = std::find_if(fields.begin(), fields.end(), [](const Required &r) { return !r.filled; });
    if (empty == fields.end())
        return true;
    MessageBox::warning(window, warning);
    bringToFront(empty->field);
    empty->field->setFocus(Qt::OtherFocusReason);
    return false;
}

} // namespace ui
