#include "Tfind_gongsi.h"

#include "TData_in.h"

Tfind_gongsi::Tfind_gongsi(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("find_gongsi"));
    setWindowTitle(QStringLiteral("搜索公司"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void Tfind_gongsi::bindData(TData_in &data)
{
    Q_UNUSED(data);
}
