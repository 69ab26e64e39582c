#pragma once

#include <QString>

namespace data {

class DbError;

// What a refused database operation came from, said in Chinese for the user:
// the engine's own text is English and names codes, so the cause is told from
// the engine's result code ("数据库文件正被其他程序使用").
QString causeOf(const DbError &error);

} // namespace data
