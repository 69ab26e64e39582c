#include "SheetMessages.h"

#include <QFileInfo>

namespace data {

QString sheetFileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

DbError unopenedSheet(const QString &path, const QString &why)
{
    return DbError(QStringLiteral("无法读取文件 %1: %2").arg(sheetFileName(path), why));
}

DbError brokenWorkbook(const QString &path, const QString &why)
{
    QString message = QStringLiteral("无法读取文件 %1: 文件已损坏或不是 Excel 工作簿 (.xlsx)").arg(sheetFileName(path));
    if (!why.isEmpty())
        message += QStringLiteral(" (%1)").arg(why);
    return DbError(message);
}

DbError passwordProtectedWorkbook(const QString &path)
{
    return DbError(QStringLiteral("文件 %1 有密码保护。请在表格程序中取消密码, 另存为 .xlsx 后再导入。")
                       .arg(sheetFileName(path)));
}

DbError oldWorkbookFormat(const QString &path)
{
    return DbError(QStringLiteral("文件 %1 是旧的 .xls 格式。请在表格程序中另存为 .xlsx 或 .csv 后再导入。")
                       .arg(sheetFileName(path)));
}

DbError unknownTextEncoding(const QString &path)
{
    return DbError(QStringLiteral("无法读取文件 %1: 不认识它的文字编码 (可以读入 UTF-8 和 GB18030 的 .csv 文件)")
                       .arg(sheetFileName(path)));
}

DbError unclosedQuote(const QString &path, int line)
{
    return DbError(QStringLiteral("无法读取文件 %1: 第 %2 行开始的带引号的字段到文件末尾也没有结束 (缺少后引号)")
                       .arg(sheetFileName(path))
                       .arg(line));
}

} // namespace data
