#include "Figures.h"

#include "BareLoop.h"
#include "Measure.h"

#include "DbError.h"
#include "SqlText.h"
#include "StandingQuery.h"
#include "Statement.h"
#include "TData_in.h"

#include <QDir>

namespace bench {

namespace {

constexpr double kResetTarget = 1.5;
constexpr double kSearchTarget = 1.3;
constexpr double kMemoryTargetMb = 100.0;
constexpr double kMegabyte = 1024.0 * 1024.0;

// Times query.filter(sql) (or reset() when sql is empty) against the bare
// loop over the same text on the same connection.
TimedFigure compare(const QString &name, data::StandingQuery &query, const QString &sql, int runs, double target)
{
    const QString text = sql.isEmpty() ? query.standingText() : sql;
    const QByteArray utf8 = text.toUtf8();
    sqlite3 *db = query.connection().handle();
    BareResult bare;
    const PairedTimes t = timeAlternately(
        runs,
        [&] {
            if (sql.isEmpty())
                query.reset();
            else
                query.filter(sql);
        },
        [&] { bare = bareLoop(db, utf8); });
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

} // namespace

QString customerSearchText()
{
    // The customer search window's fifteen fields, two of them filled.
    const std::vector<std::pair<QString, QString>> conditions = {
        {QStringLiteral("a1"), QStringLiteral("华")}, {QStringLiteral("a2"), {}},  {QStringLiteral("a3"), {}},
        {QStringLiteral("a5"), QStringLiteral("13")}, {QStringLiteral("a7"), {}},  {QStringLiteral("a8"), {}},
        {QStringLiteral("a12"), {}},                  {QStringLiteral("a13"), {}}, {QStringLiteral("a26"), {}},
        {QStringLiteral("a18"), {}},                  {QStringLiteral("a19"), {}}, {QStringLiteral("a21"), {}},
        {QStringLiteral("a22"), {}},                  {QStringLiteral("a24"), {}}, {QStringLiteral("a27"), {}},
    };
    return data::searchStatement(QStringLiteral("atc1"), conditions, QStringLiteral("aid desc"));
}

QString companySearchText()
{
    // Every company field but the key, two of them filled.
    std::vector<std::pair<QString, QString>> conditions;
    for (int i = 1; i <= 17; ++i)
        conditions.emplace_back(QStringLiteral("c%1").arg(i), QString());
    conditions[0].second = QStringLiteral("华");  // c1 name
    conditions[6].second = QStringLiteral("6");   // c7 telephone
    return data::searchStatement(QStringLiteral("atc2"), conditions, QStringLiteral("cid desc"));
}

TimedFigure resetFigure(TData_in &dataIn, int runs)
{
    return compare(QStringLiteral("reset atc1_all"), dataIn.atc1_all(), QString(), runs, kResetTarget);
}

MemoryFigure memoryFigure(TData_in &dataIn)
{
    data::StandingQuery &query = dataIn.atc1_all();
    query.reset(); // the engine's page cache is warm before the empty state is measured
    query.close();
    const size_t empty = heapInUse();
    query.reset();
    const size_t loaded = heapInUse();
    const int64_t rows = query.count();

    // The query keeps its row store to itself; an equal load gives its figure.
    size_t rowStoreBytes = 0;
    {
        data::Statement statement(query.connection(), query.standingText());
        data::RowStore store;
        store.load(statement);
        rowStoreBytes = store.memoryUsed();
    }

    MemoryFigure f;
    f.rows = rows;
    f.target = kMemoryTargetMb;
    if (rows > 0) {
        const double scale = 100000.0 / double(rows);
        f.heapMbPer100k = double(loaded > empty ? loaded - empty : 0) / kMegabyte * scale;
        f.rowStoreMbPer100k = double(rowStoreBytes) / kMegabyte * scale;
    }
    return f;
}

TimedFigure customerSearchFigure(TData_in &dataIn, int runs)
{
    TimedFigure f = compare(QStringLiteral("customer search"), dataIn.atc1_all(), customerSearchText(), runs,
                            kSearchTarget);
    dataIn.atc1_all().reset();
    return f;
}

TimedFigure companySearchFigure(TData_in &dataIn, int runs)
{
    TimedFigure f = compare(QStringLiteral("company search"), dataIn.atc2_all(), companySearchText(), runs,
                            kSearchTarget);
    dataIn.atc2_all().reset();
    return f;
}

} // namespace bench
