#include "Tnew_gongsi.h"

#include "TData_in.h"

Tnew_gongsi::Tnew_gongsi(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("new_gongsi"));
    setWindowTitle(QStringLiteral("新建公司信息"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void Tnew_gongsi::bindData(TData_in &data)
{
    Q_UNUSED(data);
}
