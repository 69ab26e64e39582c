#include "FieldTable.h"

#include "Schema.h"

#include <algorithm>
#include <stdexcept>

namespace data {

namespace {

// Parameters run :a to :z, then :aa; ordered by length, then letters.
bool parameterBefore(const FieldDef *a, const FieldDef *b)
{
    if (a->parameter.size() != b->parameter.size())
        return a->parameter.size() < b->parameter.size();
    return a->parameter < b->parameter;
}

std::vector<const FieldDef *> inserted(const RecordDef &record)
{
    std::vector<const FieldDef *> fields;
    if (!record.insertOrder.isEmpty()) {
        for (const QString &column : record.insertOrder)
            fields.push_back(&data::field(record, column));
        return fields;
    }
    for (const FieldDef &f : record.fields) {
        if (!f.parameter.isEmpty())
            fields.push_back(&f);
    }
    std::sort(fields.begin(), fields.end(), parameterBefore);
    return fields;
}

} // namespace

const FieldDef *findField(const RecordDef &record, const QString &column)
{
    for (const FieldDef &f : record.fields) {
        if (f.column == column)
            return &f;
    }
    return nullptr;
}

const FieldDef &field(const RecordDef &record, const QString &column)
{
    if (const FieldDef *f = findField(record, column))
        return *f;
    throw std::logic_error(QStringLiteral("%1 has no column %2").arg(record.table, column).toStdString());
}

QString captionOf(const RecordDef &record, const Shown &shown)
{
    if (!shown.caption.isEmpty() || shown.columns.isEmpty())
        return shown.caption;
    return field(record, shown.columns.first()).caption;
}

QString joinedValue(const Shown &shown, const std::function<QString(const QString &column)> &textOf)
{
    QString value;
    for (qsizetype i = 0; i < shown.columns.size(); ++i) {
        if (i > 0)
            value += shown.between.value(i - 1);
        value += textOf(shown.columns[i]);
    }
    return value;
}

QStringList insertedColumns(const RecordDef &record)
{
    QStringList columns;
    for (const FieldDef *f : inserted(record))
        columns << f->column;
    return columns;
}

QString insertStatement(const RecordDef &record)
{
    QStringList columns, parameters;
    for (const FieldDef *f : inserted(record)) {
        columns << f->column;
        parameters << f->parameter;
    }
    return QStringLiteral("insert into %1 (%2%3%4values (%5)")
        .arg(record.table, columns.join(u','), record.columnsEnd, record.valuesGap, parameters.join(u','));
}

std::vector<std::pair<QString, QString>> insertParameters(const RecordDef &record,
                                                          const std::function<QString(const QString &column)> &textOf)
{
    std::vector<std::pair<QString, QString>> parameters;
    for (const FieldDef *f : inserted(record))
        parameters.emplace_back(f->parameter, textOf(f->column));
    return parameters;
}

QStringList searchedColumns(const RecordDef &record)
{
    std::vector<const FieldDef *> fields;
    for (const FieldDef &f : record.fields) {
        if (f.searchOrder > 0)
            fields.push_back(&f);
    }
    std::sort(fields.begin(), fields.end(),
              [](const FieldDef *a, const FieldDef *b) { return a->searchOrder < b->searchOrder; });
    QStringList columns;
    for (const FieldDef *f : fields)
        columns << f->column;
    return columns;
}

QStringList mirroredColumns(const RecordDef &record)
{
    QStringList columns{record.key};
    for (const FieldDef &f : record.fields) {
        if (f.mirrored)
            columns << f.column;
    }
    return columns;
}

QStringList unknownColumns(const RecordDef &record)
{
    const TableDef *table = findTable(record.table);
    QStringList unknown;
    if (!table)
        return {record.table};
    if (table->key != record.key)
        unknown << record.key;
    for (const FieldDef &f : record.fields) {
        if (!table->columns.contains(f.column))
            unknown << f.column;
    }
    // A shown place may only show the record's own fields.
    auto check = [&](const Shown &shown) {
        for (const QString &column : shown.columns) {
            if (!findField(record, column) && !unknown.contains(column))
                unknown << column;
        }
    };
    for (const auto &line : record.moreLines)
        std::for_each(line.begin(), line.end(), check);
    std::for_each(record.detailValues.begin(), record.detailValues.end(), check);
    return unknown;
}

} // namespace data
