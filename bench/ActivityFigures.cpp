#include "ActivityFigures.h"

#include "BareLoop.h"
#include "Installation.h"
#include "Measure.h"
#include "Targets.h"
#include "Touch.h"

#include "ActivityText.h"
#include "Connection.h"
#include "DbError.h"
#include "ReminderText.h"
#include "RowStore.h"
#include "Schema.h"
#include "SearchText.h"
#include "StandingQuery.h"
#include "Statement.h"
#include "TData_in.h"

#include <QElapsedTimer>

namespace bench {

std::vector<TimedFigure> activityFigures(TData_in &dataIn, int runs)
{
    data::StandingQuery &query = dataIn.vtv1_all();
    Touch touch(dataIn.Con_data());
    std::vector<TimedFigure> figures;
    figures.push_back(compare(QStringLiteral("reset vtv1_all after a write"), query, query.standingText(), runs,
                            kActivityTarget, touch, [&] { query.reset(); }));
    const QString visits = data::activityTypeFilter(QStringLiteral("拜访"));
    figures.push_back(compare(QStringLiteral("activity type filter 拜访"), query, visits, runs, kActivityTarget, touch,
                            [&] { query.filter(visits); }));
    // What the search window sends for 拜访 and a name's character.
    const QString search = data::activitySearch({{QStringLiteral("e5"), QStringLiteral("拜访")},
                                                 {QStringLiteral("e11"), QStringLiteral("王")}});
    figures.push_back(compare(QStringLiteral("activity search"), query, search, runs, kActivityTarget, touch, [&] {
        query.close();
        query.filter(search);
    }));
    query.reset();
    return figures;
}

double reminderPollMs(const Installation &installation, int polls)
{
    data::Connection connection = data::Connection::open(installation.mainFile(), data::kMainFile.key);
    // Minutes that hold an activity, spread over the file.
    QStringList minutes;
    {
        data::Statement pick(connection, QStringLiteral("select e3 from vtv1 where eid % 9973 = 0"));
        while (pick.step())
            minutes << pick.text(0);
    }
    if (minutes.isEmpty())
        throw data::DbError(QStringLiteral("reminder poll: no activity on file"));
    std::vector<double> times;
    int found = 0;
    for (int i = 0; i < polls; ++i) {
        QElapsedTimer clock;
        clock.start();
        data::Statement poll(connection, data::reminderPoll(minutes[i % minutes.size()]));
        while (poll.step()) {
            for (int c = 0; c < 10; ++c)
                poll.text(c);
            ++found;
        }
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    if (found == 0)
        throw data::DbError(QStringLiteral("reminder poll: no activity found"));
    return median(times);
}

} // namespace bench
