#include "TFrame_fenzu.h"

TFrame_fenzu::TFrame_fenzu(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame_fenzu1"));
    setAccessibleName(QStringLiteral("公司"));
}
