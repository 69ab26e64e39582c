#include "Tfind_lianxiren.h"

#include "TData_in.h"

Tfind_lianxiren::Tfind_lianxiren(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("find_lianxiren"));
    setWindowTitle(QStringLiteral("搜索联系人"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void Tfind_lianxiren::bindData(TData_in &data)
{
    Q_UNUSED(data);
}
