#include "Tedit_lianxiren.h"

#include "TData_in.h"

Tedit_lianxiren::Tedit_lianxiren(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("edit_lianxiren"));
    setWindowTitle(QStringLiteral("修改客户"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void Tedit_lianxiren::bindData(TData_in &data)
{
    Q_UNUSED(data);
}
