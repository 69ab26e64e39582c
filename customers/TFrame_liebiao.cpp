#include "TFrame_liebiao.h"

TFrame_liebiao::TFrame_liebiao(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame_liebiao1"));
    setAccessibleName(QStringLiteral("客户列表"));
}
