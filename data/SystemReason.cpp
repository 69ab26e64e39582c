#include "SystemReason.h"

#include <cerrno>

namespace data {

QString systemReason(int error)
{
    switch (error) {
    case ENOSPC:
        return QStringLiteral("磁盘空间已满");
    case EDQUOT:
        return QStringLiteral("超出了磁盘配额");
    case EACCES:
    case EPERM:
        return QStringLiteral("没有权限");
    case EROFS:
        return QStringLiteral("磁盘是只读的");
    case ENOENT:
        return QStringLiteral("文件或文件夹不存在");
    case ENOTDIR:
        return QStringLiteral("路径中有一项不是文件夹");
    case EISDIR:
        return QStringLiteral("这是一个文件夹");
    case EEXIST:
        return QStringLiteral("同名的文件已存在");
    case ENOTEMPTY:
        return QStringLiteral("文件夹不是空的");
    case ELOOP:
        return QStringLiteral("这是一个符号链接");
    case ENAMETOOLONG:
        return QStringLiteral("文件名太长");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("打开的文件太多");
    case EXDEV:
        return QStringLiteral("不能跨磁盘移动");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("文件正在使用中");
    case EFBIG:
        return QStringLiteral("文件太大");
    case ENOMEM:
        return QStringLiteral("内存不足");
    case EIO:
        return QStringLiteral("磁盘读写出错");
    case ENXIO:
    case ENODEV:
        return QStringLiteral("这不是普通文件");
    case EINVAL:
        return QStringLiteral("参数无效");
    default:
        return QStringLiteral("系统错误(代码 %1)").arg(error);
    }
}

QString fileFailure(const QString &action, const QString &path, int error)
{
    return QStringLiteral("无法%1“%2”:%3").arg(action, path, systemReason(error));
}

} // namespace data
