#include "Tnew_beiwang.h"

#include "TData_in.h"

Tnew_beiwang::Tnew_beiwang(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("new_beiwang"));
    setWindowTitle(QStringLiteral("创建备忘"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void Tnew_beiwang::bindData(TData_in &data)
{
    Q_UNUSED(data);
}

void Tnew_beiwang::setCustomerMode(const QString &name, const QString &key)
{
    Q_UNUSED(name);
    Q_UNUSED(key);
}

void Tnew_beiwang::setCompanyMode(const QString &name, const QString &key)
{
    Q_UNUSED(name);
    Q_UNUSED(key);
}
