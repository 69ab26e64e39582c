#include "SqlText.h"

#include "Schema.h"

namespace data {

namespace {

// '%text%' for "like ... escape '\'": the text's own "%", "_" and "\" match themselves.
QString likePattern(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar ch : text) {
        if (ch == u'\\' || ch == u'%' || ch == u'_')
            escaped += u'\\';
        escaped += ch;
    }
    return u'%' + escaped + u'%';
}

} // namespace

QString quoted(const QString &text)
{
    if (text.contains(QChar(0)))
        return QStringLiteral("cast(x'%1' as text)").arg(QString::fromLatin1(text.toUtf8().toHex()));
    QString q = text;
    q.replace(u'\'', QStringLiteral("''"));
    return u'\'' + q + u'\'';
}

QString containsCondition(const QString &column, const QString &text)
{
    const QString pattern = likePattern(text);
    if (!text.contains(QChar(0)) && pattern.toUtf8().size() <= kLikePatternLimit)
        return column + QStringLiteral(" like ") + quoted(pattern) + QStringLiteral(" escape '\\'");
    return QStringLiteral("instr(lower(%1), lower(%2)) > 0").arg(column, quoted(text));
}

QString searchStatement(const QString &table, const std::vector<std::pair<QString, QString>> &conditions,
                        const QString &orderBy)
{
    QStringList parts;
    for (const auto &[column, text] : conditions)
        parts << containsCondition(column, text);
    QString sql = QStringLiteral("select * from ") + table;
    if (!parts.isEmpty())
        sql += QStringLiteral(" where ") + parts.join(QStringLiteral(" and "));
    return sql + QStringLiteral(" order by ") + orderBy;
}

QString createTable(const TableDef &table)
{
    QStringList defs;
    if (!table.key.isEmpty())
        defs << table.key + QStringLiteral(" INTEGER PRIMARY KEY AUTOINCREMENT");
    for (const QString &c : table.columns)
        defs << c + (table.wholeNumbers.contains(c) ? QStringLiteral(" INTEGER") : QStringLiteral(" TEXT"));
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, defs.join(QStringLiteral(", ")));
}

QString createIndex(const IndexDef &index)
{
    QString column = index.column;
    if (!index.collation.isEmpty())
        column += QStringLiteral(" COLLATE ") + index.collation;
    return QStringLiteral("CREATE INDEX IF NOT EXISTS %1 ON %2 (%3)").arg(index.name, index.table, column);
}

QString insertRow(const QString &table, const QStringList &columns)
{
    QStringList params;
    for (const QString &c : columns)
        params << u':' + c;
    return QStringLiteral("insert into %1 (%2) values (%3)")
        .arg(table, columns.join(u','), params.join(u','));
}

QString updateRow(const QString &table, const QStringList &columns, const QString &key)
{
    QStringList sets;
    for (const QString &c : columns)
        sets << c + QStringLiteral("=:") + c;
    return QStringLiteral("update %1 set %2 where %3=:%3").arg(table, sets.join(u','), key);
}

QString selectRow(const QString &table, const QString &key)
{
    return QStringLiteral("select * from %1 where %2=:%2").arg(table, key);
}

QString deleteRow(const QString &table, const QString &key)
{
    return QStringLiteral("delete from %1 where %2=:%2").arg(table, key);
}

} // namespace data
