#include "Tedit_gongsi.h"

#include "TData_in.h"

Tedit_gongsi::Tedit_gongsi(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("edit_gongsi"));
    setWindowTitle(QStringLiteral("修改公司信息"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void Tedit_gongsi::bindData(TData_in &data)
{
    Q_UNUSED(data);
}
