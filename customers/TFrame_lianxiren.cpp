#include "TFrame_lianxiren.h"

TFrame_lianxiren::TFrame_lianxiren(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame_lianxiren1"));
    setAccessibleName(QStringLiteral("客户详细信息"));
}
