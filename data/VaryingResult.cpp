#include "VaryingResult.h"

#include <QRegularExpression>

namespace data {

bool resultMayVary(const QString &sql)
{
    // The date and time functions are listed whatever their arguments: without
    // any, or with 'now', they read the clock.
    static const QRegularExpression varying(
        QStringLiteral(R"(\bnow\b|\bcurrent_(date|time|timestamp)\b)"
                       R"(|\b(date|time|datetime|julianday|unixepoch|strftime|random|randomblob)\s*\()"
                       R"(|\b(changes|total_changes|last_insert_rowid)\s*\()"),
        QRegularExpression::CaseInsensitiveOption);
    return varying.match(sql).hasMatch();
}

} // namespace data
