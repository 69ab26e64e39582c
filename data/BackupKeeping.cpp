#include "BackupKeeping.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <set>

namespace data {

namespace {

const QRegularExpression &namePattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^Talvero-备份-(\\d{4}-\\d{2}-\\d{2}-\\d{6})(?:-(\\d{1,4}))?\\.zip$"));
    return pattern;
}

struct Made {
    QString name;
    QDateTime named;
    int group = 0;  // 0: before this run, named for a time to come; 1: before this run; 2: this run
    qint64 order = 0; // within the group: the time in the name, or this run's order
    int number = 0;   // the number after the seconds
};

} // namespace

QDateTime backupNameTime(const QString &name)
{
    const QRegularExpressionMatch match = namePattern().match(name);
    if (!match.hasMatch())
        return {};
    return QDateTime::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd-HHmmss"));
}

QStringList backupsToRemove(const QStringList &names, const QStringList &thisRun, const QDateTime &now)
{
    std::vector<Made> made;
    for (const QString &name : names) {
        const QRegularExpressionMatch match = namePattern().match(name);
        if (!match.hasMatch())
            continue;
        Made m;
        m.name = name;
        m.named = QDateTime::fromString(match.captured(1), QStringLiteral("yyyy-MM-dd-HHmmss"));
        if (!m.named.isValid())
            continue;
        m.number = match.captured(2).toInt();
        const qsizetype ours = thisRun.indexOf(name);
        if (ours >= 0) {
            m.group = 2;
            m.order = ours;
        } else {
            m.group = m.named > now ? 0 : 1;
            m.order = m.named.toSecsSinceEpoch();
        }
        made.push_back(m);
    }
    std::sort(made.begin(), made.end(), [](const Made &a, const Made &b) {
        return std::tie(a.group, a.order, a.number, a.name) < std::tie(b.group, b.order, b.number, b.name);
    });

    // The first of each day, oldest first; the last seven days stay.
    std::map<QDate, size_t> firstOfDay;
    for (size_t i = 0; i < made.size(); ++i) {
        if (made[i].group > 0)
            firstOfDay.try_emplace(made[i].named.date(), i);
    }
    std::set<size_t> kept;
    int days = 0;
    for (auto it = firstOfDay.rbegin(); it != firstOfDay.rend() && days < kBackupDaysKept; ++it, ++days)
        kept.insert(it->second);
    int others = 0;
    for (size_t i = made.size(); i-- > 0 && others < kOtherBackupsKept;) {
        if (kept.count(i) == 0) {
            kept.insert(i);
            ++others;
        }
    }
    QStringList removed;
    for (size_t i = 0; i < made.size(); ++i) {
        if (kept.count(i) == 0)
            removed << made[i].name;
    }
    return removed;
}

} // namespace data
