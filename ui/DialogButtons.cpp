#include "DialogButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

namespace ui {

QDialogButtonBox *okCancelButtons(QDialog *dialog, const QString &okCaption, const std::function<void()> &onOk)
{
    auto *buttons = new QDialogButtonBox(dialog);
    buttons->addButton(okCaption, QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("okButton"));
    buttons->addButton(QStringLiteral("取 消"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancelButton"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, onOk);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

} // namespace ui
