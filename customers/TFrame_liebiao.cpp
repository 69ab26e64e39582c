#include "TFrame_liebiao.h"

TFrame_liebiao::TFrame_liebiao(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame_liebiao1"));
    setAccessibleName(QStringLiteral("客户列表"));
}

void TFrame_liebiao::bindData(TData_in &data)
{
    Q_UNUSED(data);
}
