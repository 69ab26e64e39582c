#include "Tnew_lianxiren.h"

#include "TData_in.h"

Tnew_lianxiren::Tnew_lianxiren(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("new_lianxiren"));
    setWindowTitle(QStringLiteral("新建客户"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void Tnew_lianxiren::bindData(TData_in &data)
{
    Q_UNUSED(data);
}
