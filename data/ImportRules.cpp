#include "ImportRules.h"

#include "Characters.h"
#include "ExportTables.h"

#include <set>

namespace data {

namespace {

QString quoted(const QString &caption)
{
    return QStringLiteral("“%1”").arg(caption);
}

// What an entry takes, in the words of a refusal.
QString entryRule(const FieldDef &field)
{
    switch (field.entry) {
    case Entry::Digits:
        return QStringLiteral("只能填数字");
    case Entry::NoSpace:
        return QStringLiteral("不能有空格");
    case Entry::Name:
        return QStringLiteral("不能有空格和数字");
    case Entry::LowerWeb:
        return QStringLiteral("只能填小写字母、数字和“%1”").arg(field.extraKeys);
    case Entry::Any:
        break;
    }
    return {};
}

} // namespace

const std::vector<ImportTarget> &importTargets()
{
    static const std::vector<ImportTarget> targets{
        {QStringLiteral("客户"), QStringLiteral("atc1_all"), customerRecord, {"a1", "a3", "a18"}, QStringLiteral("a11"),
         {{"a1", "a5"}, {"a8"}}, QStringLiteral("a18"), QStringLiteral("a14")},
        {QStringLiteral("公司"), QStringLiteral("atc2_all"), companyRecord, {"c1", "c11"}, QStringLiteral("c17"),
         {{"c1"}}, {}, {}},
    };
    return targets;
}

std::vector<const FieldDef *> importableFields(const RecordDef &record)
{
    std::vector<const FieldDef *> fields;
    for (const FieldDef &f : record.fields) {
        if (f.input != Input::Hidden && !f.parameter.isEmpty())
            fields.push_back(&f);
    }
    return fields;
}

QStringList matchHeadings(const RecordDef &record, const QStringList &headings)
{
    const std::vector<const FieldDef *> fields = importableFields(record);
    std::set<QString> taken;
    QStringList mapping;
    for (const QString &heading : headings) {
        QString column;
        const QString key = headingKey(heading);
        for (const FieldDef *f : fields) {
            if (!key.isEmpty() && headingKey(f->caption) == key && !taken.count(f->column)) {
                column = f->column;
                taken.insert(column);
                break;
            }
        }
        mapping << column;
    }
    return mapping;
}

RowValues rowValues(const QStringList &mapping, const QStringList &cells)
{
    RowValues values;
    for (int i = 0; i < mapping.size(); ++i) {
        if (!mapping[i].isEmpty())
            values[mapping[i]] = i < cells.size() ? cells[i] : QString();
    }
    return values;
}

QString refusalOf(const ImportTarget &target, const RowValues &values)
{
    const RecordDef &record = target.record();
    const auto valueOf = [&](const QString &column) {
        const auto found = values.find(column);
        return found == values.end() ? QString() : found->second;
    };
    for (const QString &column : target.required) {
        if (valueOf(column).trimmed().isEmpty())
            return QStringLiteral("%1不能为空").arg(quoted(headingOf(field(record, column).caption)));
    }
    for (const auto &[column, text] : values) {
        const FieldDef &f = field(record, column);
        const QString caption = quoted(headingOf(f.caption));
        if (const qsizetype at = firstUntaken(f.input, text); at >= 0)
            return QStringLiteral("%1不能有控制字符,这里有 U+%2")
                .arg(caption)
                .arg(QString::number(text.at(at).unicode(), 16).toUpper().rightJustified(4, u'0'));
        if (column == target.rating) {
            if (!text.isEmpty() && (text.size() != 1 || text.front() < u'1' || text.front() > u'5'))
                return QStringLiteral("%1应为 1 到 5 的数字,这里是“%2”").arg(caption, text.left(20));
            continue;
        }
        if (f.newLimit > 0 && text.size() > f.newLimit) {
            const int characters = characterCount(text);
            if (characters > f.newLimit)
                return QStringLiteral("%1最多 %2 个字符,这里有 %3 个").arg(caption).arg(f.newLimit).arg(characters);
        }
        const QChar refused = firstRefused(f.entry, text, f.extraKeys);
        if (!refused.isNull())
            return QStringLiteral("%1%2,这里有“%3”").arg(caption, entryRule(f), QString(refused));
    }
    return {};
}

QString insertedText(const ImportTarget &target, const RowValues &values, const QString &column)
{
    const auto found = values.find(column);
    if (found == values.end() || (column == target.rating && found->second.isEmpty()))
        return field(target.record(), column).initial;
    return found->second;
}

} // namespace data
