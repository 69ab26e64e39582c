#include "SheetMessages.h"

#include "CellText.h"
#include "SheetRead.h"

#include <QFile>
#include <QFileInfo>

namespace data {

QString sheetFileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

QString fileReason(const QFile &file)
{
    const QFileInfo info(file.fileName());
    if (!info.exists())
        return QStringLiteral("文件不存在");
    if (!info.isReadable())
        return QStringLiteral("没有读取它的权限");
    switch (file.error()) {
    case QFileDevice::ReadError:
        return QStringLiteral("读取时出错 (磁盘或存储设备有问题)");
    case QFileDevice::ResourceError:
        return QStringLiteral("系统资源不足");
    default:
        return QStringLiteral("系统不让打开它");
    }
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

QString columnLetters(int column)
{
    QString letters;
    for (int n = column + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

DbError longCell(const QString &path, int row, int column)
{
    return DbError(QStringLiteral("无法读取文件 %1: 第 %2 行 %3 列的单元格超过 %4 个字符, 比一个单元格能存的还多")
                       .arg(sheetFileName(path))
                       .arg(row)
                       .arg(columnLetters(column))
                       .arg(kLongestCell));
}

DbError longCellSomewhere(const QString &path)
{
    return DbError(QStringLiteral("无法读取文件 %1: 有一个单元格超过 %2 个字符, 比一个单元格能存的还多")
                       .arg(sheetFileName(path))
                       .arg(kLongestCell));
}

DbError longRow(const QString &path, int row)
{
    return DbError(QStringLiteral("无法读取文件 %1: 第 %2 行的单元格合起来超过 %3 个字符, 太长了")
                       .arg(sheetFileName(path))
                       .arg(row)
                       .arg(kLongestRow));
}

DbError wideRow(const QString &path, int row)
{
    return DbError(QStringLiteral("无法读取文件 %1: 第 %2 行超过 %3 列, 比一个工作表能有的列还多")
                       .arg(sheetFileName(path))
                       .arg(row)
                       .arg(kSheetColumns));
}

DbError manySharedStrings(const QString &path)
{
    return DbError(QStringLiteral("无法读取文件 %1: 工作簿中不同的文字太多 (超过 %2 条或共 %3 个字符)")
                       .arg(sheetFileName(path))
                       .arg(kMostSharedStrings)
                       .arg(kMostSharedCharacters));
}

DbError largeWorkbook(const QString &path, qint64 bound, const QString &part)
{
    const QString what = part.isEmpty() ? QStringLiteral("工作簿") : QStringLiteral("工作簿中的 %1 ").arg(part);
    return DbError(QStringLiteral("无法读取文件 %1: %2解压后超过 %3 MB, 太大了")
                       .arg(sheetFileName(path), what)
                       .arg(bound >> 20));
}

} // namespace data
