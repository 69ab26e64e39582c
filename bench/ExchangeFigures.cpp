#include "ExchangeFigures.h"

#include "ChildRun.h"
#include "Installation.h"
#include "Measure.h"
#include "Protocol.h"
#include "Targets.h"

#include "Connection.h"
#include "DbError.h"
#include "ExportTables.h"
#include "FieldTable.h"
#include "ImportRules.h"
#include "ImportRun.h"
#include "Schema.h"
#include "SheetRead.h"
#include "Statement.h"
#include "TData_in.h"

#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <memory>

namespace bench {

namespace {

constexpr double kKbPerMb = 1024.0;

const data::ImportTarget &customerImport()
{
    for (const data::ImportTarget &target : data::importTargets()) {
        if (target.query == QLatin1String("atc1_all"))
            return target;
    }
    throw data::DbError(QStringLiteral("there is no import of customers"));
}

// A copy of a fresh installation in a temporary folder, its main file open.
struct FreshCopy {
    explicit FreshCopy(const Installation &fresh)
    {
        if (!folder.isValid())
            throw data::DbError(QStringLiteral("cannot create a temporary folder"));
        const QDir dir(folder.path());
        fresh.copyInto(dir);
        main = data::Connection::open(dir.filePath(QString::fromLatin1(data::kMainFile.relativePath)),
                                      data::kMainFile.key);
    }
    QTemporaryDir folder;
    data::Connection main;
};

// The file's first row, its headings.
QStringList headingsOf(const QString &file)
{
    QStringList headings;
    int row = 0;
    if (!data::openSheet(file)->next(headings, row))
        throw data::DbError(QStringLiteral("%1 is empty").arg(file));
    return headings;
}

// The inserted columns of every customer, newest first as the list has them.
std::vector<QStringList> customerRows(data::Connection &main, const QStringList &columns)
{
    data::Statement select(main, QStringLiteral("select %1 from atc1 order by aid DESC").arg(columns.join(u',')));
    std::vector<QStringList> rows;
    while (select.step()) {
        QStringList row;
        for (int c = 0; c < columns.size(); ++c)
            row << select.text(c);
        rows.push_back(std::move(row));
    }
    return rows;
}

int64_t customersIn(data::Connection &main)
{
    data::Statement count(main, QStringLiteral("select count(*) from atc1"));
    return count.step() ? count.text(0).toLongLong() : -1;
}

} // namespace

const data::ExportTable &customerExport()
{
    for (const data::ExportTable &table : data::exportTables()) {
        if (table.query == QLatin1String("atc1_all"))
            return table;
    }
    throw data::DbError(QStringLiteral("there is no export of atc1_all"));
}

ExportFigure exportFigure(const Installation &at, int64_t rows, const QString &suffix, const QString &runtimeDir,
                          int runs)
{
    QTemporaryDir out;
    if (!out.isValid())
        throw data::DbError(QStringLiteral("cannot create a temporary folder"));
    const QString file = out.filePath(QStringLiteral("客户.") + suffix);
    const QString what = QStringLiteral("customer list exported to a .%1 file").arg(suffix);
    ExportFigure f;
    {
        ChildRun child(QString::fromLatin1(protocol::kExport), at.dir(), runtimeDir, {QString::number(runs), file});
        const QString line = child.waitFor(protocol::kExported);
        const QStringList words = line.split(u' ');
        if (words.size() != 3)
            throw data::DbError(QStringLiteral("%1: cannot read \"%2\"").arg(what, line));
        if (words[2].toLongLong() != rows)
            throw data::DbError(QStringLiteral("%1: the list has %2 rows, not %3").arg(what, words[2]).arg(rows));
        f.peakMb = child.memory().hwmKb / kKbPerMb;
        child.send(protocol::kQuit);
        child.finish();
        f.time.name = what;
        f.time.modelMs = words[0].toDouble();
        f.time.bareMs = words[1].toDouble();
        f.time.rows = rows;
        f.time.target = kExportTarget;
    }
    f.peakTargetMb = kExportPeakMb;
    f.bytes = QFileInfo(file).size();
    if (f.bytes <= 0)
        throw data::DbError(QStringLiteral("%1: %2 is missing or empty").arg(what, file));
    return f;
}

ImportFigure importFigure(const Installation &source, int customers, int runs)
{
    QTemporaryDir out;
    if (!out.isValid())
        throw data::DbError(QStringLiteral("cannot create a temporary folder"));
    const QString file = out.filePath(QStringLiteral("客户.xlsx"));
    const data::RecordDef &record = data::customerRecord();
    const QStringList columns = data::insertedColumns(record);
    std::vector<QStringList> rows;
    {
        TData_in dataIn(source.dir());
        if (!data::exportRows(dataIn.atc1_all(), customerExport(), file))
            throw data::DbError(QStringLiteral("the export to %1 stopped").arg(file));
        rows = customerRows(dataIn.Con_data(), columns);
    }
    if (int64_t(rows.size()) != customers)
        throw data::DbError(
            QStringLiteral("import: the source holds %1 customers, not %2").arg(rows.size()).arg(customers));

    const data::ImportTarget &target = customerImport();
    data::ImportChoices choices;
    choices.mapping = data::matchHeadings(target.record(), headingsOf(file));
    choices.headingRow = true;
    choices.skipDuplicates = true;
    choices.createCompanies = true;
    const qsizetype matched = choices.mapping.size() - choices.mapping.count(QString());
    if (matched != qsizetype(data::importableFields(record).size()))
        throw data::DbError(QStringLiteral("import: the file's headings match %1 of the %2 fields")
                                .arg(matched)
                                .arg(data::importableFields(record).size()));

    const Installation fresh;
    std::unique_ptr<FreshCopy> intoImport;
    std::unique_ptr<FreshCopy> intoInsert;
    data::ImportSummary summary;
    const auto import = [&] {
        const std::unique_ptr<data::SheetRows> sheet = data::openSheet(file);
        summary = data::importSheet(intoImport->main, target, *sheet, choices);
    };
    QHash<QString, int> at;
    for (int c = 0; c < columns.size(); ++c)
        at.insert(columns[c], c);
    const QString insert = data::insertStatement(record);
    const auto insertRows = [&] {
        data::Connection &main = intoInsert->main;
        data::Transaction transaction(main);
        for (const QStringList &row : rows) {
            main.execute(insert,
                         data::insertParameters(record, [&](const QString &column) { return row[at.value(column)]; }));
        }
        transaction.commit();
    };
    const PairedTimes t = timeAlternately(runs, import, insertRows, [&] {
        intoImport = std::make_unique<FreshCopy>(fresh);
        intoInsert = std::make_unique<FreshCopy>(fresh);
    });

    if (summary.added != customers || !summary.skipped.empty() || !summary.refused.empty())
        throw data::DbError(QStringLiteral("import: not every row was added: %1").arg(summary.text().left(400)));
    if (customersIn(intoImport->main) != customers || customersIn(intoInsert->main) != customers)
        throw data::DbError(QStringLiteral("import: a fresh installation does not hold %1 customers").arg(customers));
    ImportFigure f;
    f.time.name = QStringLiteral("import of a .xlsx file of customers, duplicates skipped, companies made");
    f.time.modelMs = t.firstMs;
    f.time.bareMs = t.secondMs;
    f.time.reference = QStringLiteral("inserting the same rows");
    f.time.rows = customers;
    f.time.target = kImportTarget;
    f.companiesMade = summary.companiesMade;
    return f;
}

} // namespace bench
