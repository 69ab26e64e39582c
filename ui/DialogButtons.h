#pragma once

#include <QString>
#include <functional>

class QDialog;
class QDialogButtonBox;

namespace ui {

// The buttons at the foot of a small dialog: the one that does its work
// (`okButton`, captioned as the work is, "确 定" or "导 出") and "取 消"
// (`cancelButton`), which closes the dialog. `onOk` runs for the first; it
// decides itself whether the dialog is accepted.
QDialogButtonBox *okCancelButtons(QDialog *dialog, const QString &okCaption, const std::function<void()> &onOk);

} // namespace ui
