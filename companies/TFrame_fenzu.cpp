#include "TFrame_fenzu.h"

TFrame_fenzu::TFrame_fenzu(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame_fenzu1"));
    setAccessibleName(QStringLiteral("公司"));
}

void TFrame_fenzu::bindData(TData_in &data)
{
    Q_UNUSED(data);
}

void TFrame_fenzu::showDescriptionPage()
{
}
