#include "DetailText.h"

#include "SqlText.h"

namespace data {

QString keyOrNull(const QString &key)
{
    if (key.isEmpty())
        return QStringLiteral("null");
    for (const QChar c : key) {
        if (c < u'0' || c > u'9')
            return QStringLiteral("null");
    }
    return key;
}

QString customerActivities(const QString &aid)
{
    return QStringLiteral("select * from vtv1 where e2 like ") + keyOrNull(aid) + QStringLiteral(" order by eid desc");
}

QString customerAnalyses(const QString &aid)
{
    return QStringLiteral("select * from vtv2 where h1 like ") + keyOrNull(aid) + QStringLiteral(" order by hid desc");
}

QString customerMemos(const QString &aid)
{
    return QStringLiteral("select * from vtv3 where j5 like '1' and j1 like ") + keyOrNull(aid)
           + QStringLiteral(" order by jid desc");
}

QString companyOf(const QString &cid)
{
    return QStringLiteral("select * from atc2 where cid like ") + keyOrNull(cid) + QStringLiteral(" ");
}

QString companyMemos(const QString &cid)
{
    return QStringLiteral("select * from vtv3 where j5 like '2' and j7 like ") + keyOrNull(cid)
           + QStringLiteral(" order by jid desc");
}

QString companyCustomers(const QString &cid)
{
    return QStringLiteral("select * from atc1 where a14 like ") + keyOrNull(cid) + QStringLiteral(" order by aid desc");
}

QStringList customerDependentsDeletes(const QString &aid)
{
    const QString k = quoted(aid) + QStringLiteral(" ");
    return {QStringLiteral("delete from vtv3 where j1 like ") + k, QStringLiteral("delete from vtv1 where e2 like ") + k,
            QStringLiteral("delete from vtv2 where h1 like ") + k};
}

QString companyMemosDelete(const QString &cid)
{
    return QStringLiteral("delete from vtv3 where j7 like ") + quoted(cid) + QStringLiteral(" ");
}

} // namespace data
