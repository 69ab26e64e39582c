#include "ExportTables.h"

#include "CsvText.h"
#include "Schema.h"
#include "StandingQuery.h"
#include "XlsxWrite.h"

#include <QRegularExpression>

namespace data {

const std::vector<ExportTable> &exportTables()
{
    static const std::vector<ExportTable> tables{
        {QStringLiteral("客户"), QStringLiteral("atc1_all"), customerRecord},
        {QStringLiteral("公司"), QStringLiteral("atc2_all"), companyRecord},
        {QStringLiteral("销售活动"), QStringLiteral("vtv1_all"), activityRecord},
        {QStringLiteral("销售分析"), QStringLiteral("vtv2_all"), analysisRecord},
        {QStringLiteral("产品"), QStringLiteral("vtv4_all"), productRecord},
        {QStringLiteral("员工"), QStringLiteral("utm1_all"), employeeRecord},
        {QStringLiteral("备忘录"), QStringLiteral("vtv3_all"), memoRecord},
    };
    return tables;
}

std::vector<ExportColumn> exportColumns(const StandingQuery &query, const RecordDef &record)
{
    const TableDef *table = findTable(record.table);
    std::vector<ExportColumn> columns{{query.fieldIndex(record.key), QStringLiteral("编号"), true}};
    for (const FieldDef &f : record.fields) {
        const int at = query.fieldIndex(f.column);
        if (at >= 0)
            columns.push_back({at, headingOf(f.caption), table && table->wholeNumbers.contains(f.column)});
    }
    return columns;
}

QString headingOf(const QString &caption)
{
    static const QRegularExpression padding(QStringLiteral("\\s{2,}"));
    return QString(caption).replace(padding, QString()).simplified();
}

QString headingKey(const QString &heading)
{
    QString key;
    key.reserve(heading.size());
    for (QChar c : heading) {
        if (!c.isSpace())
            key.append(c);
    }
    return key.toCaseFolded();
}

bool exportRows(const StandingQuery &query, const ExportTable &table, const QString &path,
                const std::function<bool(int row)> &progress)
{
    const std::vector<ExportColumn> columns = exportColumns(query, table.record());
    QStringList captions;
    std::vector<bool> numeric;
    for (const ExportColumn &c : columns) {
        captions << c.caption;
        numeric.push_back(c.numeric);
    }
    const auto cell = [&](int row, int column) { return query.value(row, columns[size_t(column)].queryColumn); };
    if (path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive))
        return writeXlsx(path, table.caption, captions, numeric, query.count(), cell, progress);
    return writeCsv(path, captions, query.count(), cell, progress);
}

} // namespace data
