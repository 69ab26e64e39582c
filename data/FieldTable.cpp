#include "FieldTable.h"

#include "Schema.h"

#include <algorithm>

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
    return QStringLiteral("insert into %1 (%2%3 values (%4)")
        .arg(record.table, columns.join(u','), record.columnsEnd, parameters.join(u','));
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
    return unknown;
}

} // namespace data
