#include "Tedit_beiwang.h"

#include "TData_in.h"

Tedit_beiwang::Tedit_beiwang(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("edit_beiwang"));
    setWindowTitle(QStringLiteral("修改备忘"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void Tedit_beiwang::bindData(TData_in &data)
{
    Q_UNUSED(data);
}
