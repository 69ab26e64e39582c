#include "SystemReason.h"

#include <cerrno>
#include <sqlite3.h>

namespace data {

QString systemReason(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("磁盘空间不足");
    case EDQUOT:
        return QStringLiteral("超出了磁盘配额");
    case EROFS:
        return QStringLiteral("磁盘只能读,不能写");
    case EACCES:
    case EPERM:
        return QStringLiteral("没有权限");
    case ENOENT:
        return QStringLiteral("文件或文件夹不存在");
    case ENOTDIR:
        return QStringLiteral("路径中有一项不是文件夹");
    case EISDIR:
        return QStringLiteral("这是一个文件夹");
    case EEXIST:
    case ENOTEMPTY:
        return QStringLiteral("已有同名的文件或文件夹");
    case EIO:
        return QStringLiteral("读写磁盘时出错");
    case ENAMETOOLONG:
        return QStringLiteral("文件名太长");
    case ELOOP:
        return QStringLiteral("路径中的符号链接太多");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("打开的文件太多");
    case ENOMEM:
        return QStringLiteral("内存不足");
    case EFBIG:
        return QStringLiteral("文件太大");
    case EXDEV:
        return QStringLiteral("不在同一个磁盘上");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("文件正被使用");
    default:
        return QStringLiteral("系统错误(编号 %1)").arg(error);
    }
}

QString engineReason(int code)
{
    switch (code & 0xff) {
    case SQLITE_FULL:
        return QStringLiteral("磁盘空间不足");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("数据库正被另一个程序使用");
    case SQLITE_READONLY:
        return QStringLiteral("文件只能读,不能写");
    case SQLITE_IOERR:
        return QStringLiteral("读写磁盘时出错");
    case SQLITE_CORRUPT:
        return QStringLiteral("数据库文件已损坏");
    case SQLITE_NOTADB:
        return QStringLiteral("不是本系统的数据库文件");
    case SQLITE_CANTOPEN:
        return QStringLiteral("文件无法打开");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("没有权限");
    case SQLITE_NOMEM:
        return QStringLiteral("内存不足");
    case SQLITE_TOOBIG:
        return QStringLiteral("数据太大");
    case SQLITE_INTERRUPT:
        return QStringLiteral("操作被中断");
    default:
        return QStringLiteral("数据库出错(代码 %1)").arg(code);
    }
}

} // namespace data
