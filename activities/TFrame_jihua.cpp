#include "TFrame_jihua.h"

TFrame_jihua::TFrame_jihua(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame_jihua1"));
    setAccessibleName(QStringLiteral("销售活动"));
}
