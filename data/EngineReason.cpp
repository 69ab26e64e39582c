#include "EngineReason.h"

#include <sqlite3.h>

namespace data {

QString engineReason(int code)
{
    switch (code & 0xff) {
    case SQLITE_FULL:
        return QStringLiteral("磁盘空间已满");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("数据库正被另一个程序使用");
    case SQLITE_READONLY:
        return QStringLiteral("文件只能读,不能写");
    case SQLITE_IOERR:
        return QStringLiteral("磁盘读写出错");
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
