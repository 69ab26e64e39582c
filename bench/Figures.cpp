#include "Figures.h"

#include "BareLoop.h"
#include "Measure.h"
#include "Targets.h"
#include "Touch.h"

#include "DbError.h"
#include "SearchText.h"
#include "StandingQuery.h"
#include "TData_in.h"

namespace bench {

TimedFigure compare(const QString &name, data::StandingQuery &query, const QString &sql, int runs, double target,
                    Touch &touch, const std::function<void()> &operation)
{
    const QByteArray utf8 = sql.toUtf8();
    sqlite3 *db = query.connection().handle();
    BareResult bare;
    const PairedTimes t = timeAlternately(runs, operation, [&] { bare = bareLoop(db, utf8); }, [&] { touch(); });
    if (query.text() != sql)
        throw data::DbError(QStringLiteral("%1: the query holds another statement").arg(name));
    if (bare.rows != query.count())
        throw data::DbError(QStringLiteral("%1: the query holds %2 rows, the bare loop read %3")
                                .arg(name).arg(query.count()).arg(bare.rows));
    TimedFigure f;
    f.name = name;
    f.modelMs = t.firstMs;
    f.bareMs = t.secondMs;
    f.rows = bare.rows;
    f.target = target;
    return f;
}

namespace {

// What the search windows do with their statement.
void search(data::StandingQuery &query, const QString &sql)
{
    query.close();
    query.setText(QString());
    query.filter(sql);
}

} // namespace

QString customerSearchText()
{
    return data::customerSearch({{QStringLiteral("a1"), QStringLiteral("华")}, {QStringLiteral("a5"), QStringLiteral("13")}});
}

QString companySearchText()
{
    return data::companySearch({{QStringLiteral("c1"), QStringLiteral("华")}, {QStringLiteral("c7"), QStringLiteral("6")}});
}

TimedFigure resetFigure(TData_in &dataIn, int runs)
{
    data::StandingQuery &query = dataIn.atc1_all();
    Touch touch(dataIn.Con_data());
    return compare(QStringLiteral("reset atc1_all after a write"), query, query.standingText(), runs, kResetTarget, touch,
                   [&] { query.reset(); });
}

TimedFigure customerSearchFigure(TData_in &dataIn, int runs)
{
    data::StandingQuery &query = dataIn.atc1_all();
    Touch touch(dataIn.Con_data());
    const QString sql = customerSearchText();
    TimedFigure f = compare(QStringLiteral("customer search"), query, sql, runs, kSearchTarget, touch,
                            [&] { search(query, sql); });
    query.reset();
    return f;
}

TimedFigure companySearchFigure(TData_in &dataIn, int runs)
{
    data::StandingQuery &query = dataIn.atc2_all();
    Touch touch(dataIn.Con_data());
    const QString sql = companySearchText();
    TimedFigure f = compare(QStringLiteral("company search"), query, sql, runs, kSearchTarget, touch,
                            [&] { search(query, sql); });
    query.reset();
    return f;
}

} // namespace bench
