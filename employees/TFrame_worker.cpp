#include "TFrame_worker.h"

TFrame_worker::TFrame_worker(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame_worker1"));
    setAccessibleName(QStringLiteral("员工"));
}
