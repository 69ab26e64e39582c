#include "TFrame_chanpin.h"

TFrame_chanpin::TFrame_chanpin(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame_chanpin1"));
    setAccessibleName(QStringLiteral("产品"));
}
