#include "ImportRun.h"

#include "Connection.h"
#include "DbError.h"
#include "ExportTables.h"
#include "SheetRead.h"
#include "Statement.h"

namespace data {

namespace {

// How two values are compared for duplicates and companies: blanks at the
// ends and the case of letters do not count.
QString folded(const QString &text)
{
    return text.trimmed().toCaseFolded();
}

QString valueIn(const RowValues &values, const QString &column)
{
    const auto found = values.find(column);
    return found == values.end() ? QString() : found->second;
}

} // namespace

ImportBook::ImportBook(Connection &main, const ImportTarget &target) : m_target(target)
{
    const RecordDef &record = target.record();
    m_known.resize(target.sameRecord.size());
    for (size_t i = 0; i < target.sameRecord.size(); ++i) {
        const QStringList &columns = target.sameRecord[i];
        Statement rows(main, QStringLiteral("select %1 from %2").arg(columns.join(u','), record.table));
        while (rows.step()) {
            const QString key = duplicateKey(columns, [&](const QString &column) {
                return rows.text(int(columns.indexOf(column)));
            });
            if (!key.isEmpty())
                m_known[i].insert(key);
        }
    }
    if (!target.companyName.isEmpty()) {
        Statement companies(main, QStringLiteral("select cid, c1 from atc2 order by cid"));
        while (companies.step())
            m_companies.emplace(folded(companies.text(1)), companies.text(0));
    }
}

ImportBook::~ImportBook() = default;

QString ImportBook::duplicateKey(const QStringList &columns,
                                 const std::function<QString(const QString &)> &valueOf) const
{
    QStringList parts;
    for (const QString &column : columns) {
        const QString part = folded(valueOf(column));
        if (part.isEmpty())
            return {};
        parts << part;
    }
    return parts.join(QChar(0x1f));
}

ImportBook::Judgement ImportBook::judge(const RowValues &values, const ImportChoices &choices) const
{
    const QString refusal = refusalOf(m_target, values);
    if (!refusal.isEmpty())
        return {Verdict::Refused, refusal};
    if (!m_target.companyName.isEmpty() && !choices.createCompanies) {
        const QString company = valueIn(values, m_target.companyName);
        if (!m_companies.count(folded(company)))
            return {Verdict::Refused, QStringLiteral("公司“%1”不存在").arg(company.trimmed())};
    }
    if (choices.skipDuplicates) {
        const RecordDef &record = m_target.record();
        for (size_t i = 0; i < m_target.sameRecord.size(); ++i) {
            const QStringList &columns = m_target.sameRecord[i];
            const QString key = duplicateKey(columns, [&](const QString &c) { return valueIn(values, c); });
            if (key.isEmpty() || !m_known[i].count(key))
                continue;
            QStringList captions;
            for (const QString &column : columns)
                captions << headingOf(field(record, column).caption);
            return {Verdict::Duplicate,
                    QStringLiteral("与已有的%1重复(%2相同)").arg(m_target.caption, captions.join(QStringLiteral("、")))};
        }
    }
    return {};
}

void ImportBook::add(Connection &main, const RowValues &values)
{
    QString companyKey;
    if (!m_target.companyName.isEmpty()) {
        const QString company = valueIn(values, m_target.companyName).trimmed();
        const auto found = m_companies.find(folded(company));
        if (found != m_companies.end()) {
            companyKey = found->second;
        } else {
            // Made as a new company window would make it with only its name typed.
            const RecordDef &companies = companyRecord();
            main.execute(insertStatement(companies), insertParameters(companies, [&](const QString &column) {
                             return column == u"c1" ? company : field(companies, column).initial;
                         }));
            companyKey = QString::number(main.lastInsertId());
            m_companies.emplace(folded(company), companyKey);
            ++m_companiesMade;
        }
    }
    const RecordDef &record = m_target.record();
    const auto textOf = [&](const QString &column) {
        return column == m_target.companyKey ? companyKey : insertedText(m_target, values, column);
    };
    // One prepared insert for every row: a large file is not prepared a million times.
    if (!m_insert)
        m_insert = std::make_unique<Statement>(main, insertStatement(record));
    m_insert->reset();
    m_insert->bindAll(insertParameters(record, textOf));
    m_insert->run();
    remember(textOf);
}

void ImportBook::remember(const std::function<QString(const QString &)> &valueOf)
{
    for (size_t i = 0; i < m_target.sameRecord.size(); ++i) {
        const QString key = duplicateKey(m_target.sameRecord[i], valueOf);
        if (!key.isEmpty())
            m_known[i].insert(key);
    }
}

QString ImportSummary::text() const
{
    QStringList lines;
    lines << QStringLiteral("导入%1:添加 %2 条,跳过 %3 条,拒绝 %4 条。")
                 .arg(caption)
                 .arg(added)
                 .arg(skipped.size())
                 .arg(refused.size());
    if (companiesMade > 0)
        lines << QStringLiteral("新建公司 %1 个。").arg(companiesMade);
    if (stopped)
        lines = QStringList{QStringLiteral("导入已取消,没有添加任何记录。")};
    const auto list = [&](const QString &heading, const std::vector<std::pair<int, QString>> &rows) {
        if (rows.empty() || stopped)
            return;
        lines << QString() << heading;
        for (const auto &[row, why] : rows)
            lines << QStringLiteral("第 %1 行: %2").arg(row).arg(why);
    };
    list(QStringLiteral("拒绝的行:"), refused);
    list(QStringLiteral("跳过的行:"), skipped);
    return lines.join(u'\n') + u'\n';
}

ImportSummary importSheet(Connection &main, const ImportTarget &target, SheetRows &sheet,
                          const ImportChoices &choices, const std::function<bool(int permille)> &progress)
{
    ImportSummary summary;
    summary.caption = target.caption;
    Transaction transaction(main);
    ImportBook book(main, target);
    QStringList cells;
    int rowNumber = 0;
    bool first = true;
    for (int read = 0; sheet.next(cells, rowNumber); ++read) {
        if (progress && read % 256 == 0 && !progress(sheet.permille())) {
            summary = ImportSummary{target.caption};
            summary.stopped = true;
            return summary; // the transaction rolls back
        }
        if (std::exchange(first, false) && choices.headingRow)
            continue;
        const RowValues values = rowValues(choices.mapping, cells);
        const ImportBook::Judgement judgement = book.judge(values, choices);
        switch (judgement.verdict) {
        case ImportBook::Verdict::Refused:
            summary.refused.emplace_back(rowNumber, judgement.reason);
            break;
        case ImportBook::Verdict::Duplicate:
            summary.skipped.emplace_back(rowNumber, judgement.reason);
            break;
        case ImportBook::Verdict::Add:
            book.add(main, values);
            ++summary.added;
            break;
        }
    }
    transaction.commit();
    summary.companiesMade = book.companiesMade();
    return summary;
}

} // namespace data
