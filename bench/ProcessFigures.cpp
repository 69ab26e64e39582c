#include "ProcessFigures.h"

#include "BareLoop.h"
#include "ChildRun.h"
#include "Installation.h"
#include "Measure.h"
#include "Protocol.h"
#include "Targets.h"

#include "DbError.h"
#include "Schema.h"

#include <tuple>

namespace bench {

namespace {

constexpr double kMegabyte = 1024.0;

void expectRows(const QString &what, const QString &reported, int64_t rows)
{
    if (reported.toLongLong() != rows)
        throw data::DbError(QStringLiteral("%1: the list shows %2 rows, not %3").arg(what, reported).arg(rows));
}

// One start-up, in milliseconds from before the spawn to "painted".
double startOnce(const Installation &installation, const QString &runtimeDir, int64_t rows)
{
    ChildRun child(QString::fromLatin1(protocol::kStartup), installation.dir(), runtimeDir);
    const QString reported = child.waitFor(protocol::kPainted);
    const double ms = child.lastLineMs();
    child.finish();
    expectRows(QStringLiteral("start-up"), reported, rows);
    return ms;
}

ChildRun::Memory memoryAfterReloads(const Installation &installation, const QString &runtimeDir, int64_t rows)
{
    ChildRun child(QString::fromLatin1(protocol::kMemory), installation.dir(), runtimeDir);
    expectRows(QStringLiteral("memory"), child.waitFor(protocol::kPainted), rows);
    child.waitFor(protocol::kReady);
    const ChildRun::Memory memory = child.memory();
    child.send(protocol::kQuit);
    child.finish();
    return memory;
}

} // namespace

StartupFigure ProcessFigures::startup(const Installation &full, int64_t rows, const QString &listSql) const
{
    // One untimed start first: the program's files are then in the
    // system's cache for every timed one.
    startOnce(m_empty, m_runtimeDir, 0);
    std::vector<double> empty;
    std::vector<double> started;
    for (int i = 0; i < m_runs; ++i) {
        empty.push_back(startOnce(m_empty, m_runtimeDir, 0));
        started.push_back(startOnce(full, m_runtimeDir, rows));
    }
    const QByteArray sql = listSql.toUtf8();
    std::vector<double> bare;
    Repeats repeats(m_runs);
    do {
        BareResult result;
        bare.push_back(coldBareLoopMs(full.mainFile(), data::kMainFile.key, sql, result));
        if (result.rows != rows)
            throw data::DbError(QStringLiteral("start-up: the bare loop read %1 rows, not %2").arg(result.rows).arg(rows));
    } while (repeats.more(bare.back()));
    StartupFigure f;
    f.startupMs = median(started);
    f.emptyMs = median(empty);
    f.bareMs = median(bare);
    f.rows = rows;
    f.target = kStartupTarget;
    return f;
}

std::vector<TimedFigure> ProcessFigures::windows(const Installation &full, int64_t rows) const
{
    struct Kind {
        const char *key;
        QString name;
        QString reference;
        double target;
    };
    const Kind kinds[] = {
        {protocol::kCustomersButton, QStringLiteral("客 户 button from the company view, data unchanged"),
         QStringLiteral("bare loop"), kUnchangedResetTarget},
        {protocol::kRefresh, QStringLiteral("刷新, data unchanged"), QStringLiteral("bare loop"), kUnchangedResetTarget},
        {protocol::kRefreshAfterWrite, QStringLiteral("刷新 after a write"), QStringLiteral("bare loop"),
         kChangedResetTarget},
        {protocol::kMenuSearch, QStringLiteral("menu search to results"),
         QStringLiteral("bare loop of the search"), kSearchTarget},
    };
    ChildRun child(QString::fromLatin1(protocol::kWindows), full.dir(), m_runtimeDir, {QString::number(m_runs)});
    expectRows(QStringLiteral("windows"), child.waitFor(protocol::kPainted), rows);
    std::vector<TimedFigure> figures;
    for (const Kind &kind : kinds) {
        // "KEY MS BARE_MS ROWS"
        const QStringList words = child.waitFor(protocol::kFigure).split(u' ');
        if (words.size() != 4 || words[0] != QLatin1String(kind.key))
            throw data::DbError(QStringLiteral("windows: expected the figure %1, got \"%2\"")
                                    .arg(QLatin1String(kind.key), words.join(u' ')));
        TimedFigure f;
        f.name = kind.name;
        f.modelMs = words[1].toDouble();
        f.bareMs = words[2].toDouble();
        f.rows = words[3].toLongLong();
        f.reference = kind.reference;
        f.target = kind.target;
        figures.push_back(f);
    }
    child.finish();
    return figures;
}

std::vector<MemoryFigure> ProcessFigures::memory(const Installation &full, int64_t rows, const QString &listSql) const
{
    const ChildRun::Memory empty = memoryAfterReloads(m_empty, m_runtimeDir, 0);
    const ChildRun::Memory loaded = memoryAfterReloads(full, m_runtimeDir, rows);
    const double storeMb = full.loadedMb(listSql);
    std::vector<MemoryFigure> figures;
    for (const auto &[measure, emptyKb, loadedKb] :
         {std::tuple{QStringLiteral("VmRSS"), empty.rssKb, loaded.rssKb},
          std::tuple{QStringLiteral("VmHWM"), empty.hwmKb, loaded.hwmKb}}) {
        MemoryFigure f;
        f.measure = measure;
        f.mb = loadedKb / kMegabyte;
        f.emptyMb = emptyKb / kMegabyte;
        f.rowStoreMb = storeMb;
        f.allowance = kRowStoreAllowance;
        f.rows = rows;
        f.target = kMemoryTarget;
        figures.push_back(f);
    }
    return figures;
}

} // namespace bench
