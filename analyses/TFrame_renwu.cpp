#include "TFrame_renwu.h"

TFrame_renwu::TFrame_renwu(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame_renwu1"));
    setAccessibleName(QStringLiteral("销售分析"));
}
