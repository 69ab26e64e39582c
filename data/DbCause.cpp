#include "DbCause.h"

#include "DbError.h"

#include <sqlite3.h>

namespace data {

QString causeOf(const DbError &error)
{
    switch (error.code() & 0xff) {
    case 0: // raised by the data layer itself: the file is closed (a restore is under way)
        return QStringLiteral("数据库文件未打开");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("数据库文件正被其他程序使用");
    case SQLITE_READONLY:
        return QStringLiteral("数据库文件只读，无法写入");
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return QStringLiteral("没有访问数据库文件的权限");
    case SQLITE_IOERR:
        return QStringLiteral("读写数据库文件时磁盘出错");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("数据库文件已损坏");
    case SQLITE_FULL:
        return QStringLiteral("磁盘已满");
    case SQLITE_CANTOPEN:
        return QStringLiteral("无法打开数据库文件");
    case SQLITE_NOMEM:
        return QStringLiteral("内存不足");
    case SQLITE_ERROR:
    case SQLITE_CONSTRAINT:
    case SQLITE_SCHEMA:
        return QStringLiteral("数据库文件的结构与本系统不符");
    default:
        return QStringLiteral("数据库引擎报告错误（代码 %1）").arg(error.code());
    }
}

} // namespace data
