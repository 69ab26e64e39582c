#include "ActivityText.h"

#include "SqlText.h"

namespace data {

const QStringList &activityTypes()
{
    static const QStringList types{QStringLiteral("沟通"), QStringLiteral("拜访"), QStringLiteral("计划")};
    return types;
}

const QStringList &activityPriorities()
{
    static const QStringList priorities{QStringLiteral("高"), QStringLiteral("中"), QStringLiteral("低")};
    return priorities;
}

const QStringList &activityDurations()
{
    static const QStringList durations{
        QStringLiteral("0分"),   QStringLiteral("5分"),   QStringLiteral("10分"), QStringLiteral("15分"),
        QStringLiteral("30分"),  QStringLiteral("45分"),  QStringLiteral("1小时"), QStringLiteral("2小时"),
        QStringLiteral("3小时"), QStringLiteral("8小时"), QStringLiteral("1天"),  QStringLiteral("5天"),
        QStringLiteral("30天")};
    return durations;
}

QString activityTypeFilter(const QString &item)
{
    if (item == kAllActivities)
        return QStringLiteral("select * from vtv1 order by e3 desc");
    if (!activityTypes().contains(item))
        return {};
    return QStringLiteral("select * from vtv1 where e5 like ") + quoted(u'%' + item + u'%')
           + QStringLiteral(" order by e3 desc");
}

QString endActivityStatement()
{
    return QStringLiteral("update vtv1 set e15=:b where eid=:a ");
}

QString activityTypeCode(const QString &type)
{
    const qsizetype at = activityTypes().indexOf(type);
    return at < 0 ? QString() : QString::number(at + 1);
}

} // namespace data
