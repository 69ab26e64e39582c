#include "ImportRun.h"

#include "Connection.h"
#include "DbError.h"
#include "ExportTables.h"
#include "SheetRead.h"
#include "Statement.h"

#include <memory>

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

ImportBook::ImportBook(Connection &main, const ImportTarget &target) : m_target(&target)
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
                m_known[i].emplace(key, 0);
        }
    }
    if (!target.companyName.isEmpty()) {
        Statement companies(main, QStringLiteral("select cid, c1 from atc2 order by cid"));
        while (companies.step())
            m_companies.emplace(folded(companies.text(1)), companies.text(0));
    }
}

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

ImportBook::Judgement ImportBook::judge(const RowValues &values, int row, const ImportChoices &choices)
{
    const ImportTarget &target = *m_target;
    const QString refusal = refusalOf(target, values);
    if (!refusal.isEmpty())
        return {Verdict::Refused, refusal};
    if (!target.companyName.isEmpty() && !choices.createCompanies) {
        const QString company = valueIn(values, target.companyName);
        if (companyKey(company).isEmpty())
            return {Verdict::Refused, QStringLiteral("公司“%1”不存在").arg(company.trimmed())};
    }
    // The keys as the row would be stored: a column the file lacks has the new window's value.
    const auto stored = [&](const QString &column) { return insertedText(target, values, column); };
    std::vector<QString> keys;
    for (size_t i = 0; i < target.sameRecord.size(); ++i)
        keys.push_back(duplicateKey(target.sameRecord[i], stored));
    if (choices.skipDuplicates) {
        for (size_t i = 0; i < keys.size(); ++i) {
            const auto found = keys[i].isEmpty() ? m_known[i].end() : m_known[i].find(keys[i]);
            if (found == m_known[i].end())
                continue;
            QStringList captions;
            for (const QString &column : target.sameRecord[i])
                captions << headingOf(field(target.record(), column).caption);
            const QString same = captions.join(QStringLiteral("、"));
            return {Verdict::Duplicate, found->second == 0
                                            ? QStringLiteral("与已有的%1重复(%2相同)").arg(target.caption, same)
                                            : QStringLiteral("与第 %1 行重复(%2相同)").arg(found->second).arg(same)};
        }
    }
    for (size_t i = 0; i < keys.size(); ++i) {
        if (!keys[i].isEmpty())
            m_known[i].emplace(keys[i], row);
    }
    return {};
}

QString ImportBook::companyKey(const QString &name) const
{
    const auto found = m_companies.find(folded(name));
    return found == m_companies.end() ? QString() : found->second;
}

void ImportBook::companyMade(const QString &name, const QString &key)
{
    m_companies.emplace(folded(name), key);
}

namespace {

// Puts the rows the book lets in into the database: a customer's company,
// when it is not on file, first.
class RowWriter {
public:
    RowWriter(Connection &main, const ImportTarget &target, ImportBook &book)
        : m_main(main), m_target(target), m_book(book)
    {
    }

    void add(const RowValues &values)
    {
        QString companyKey;
        if (!m_target.companyName.isEmpty()) {
            const QString company = valueIn(values, m_target.companyName).trimmed();
            companyKey = m_book.companyKey(company);
            if (companyKey.isEmpty()) {
                // Made as a new company window would make it with only its name typed.
                const RecordDef &companies = companyRecord();
                m_main.execute(insertStatement(companies), insertParameters(companies, [&](const QString &column) {
                                   return column == u"c1" ? company : field(companies, column).initial;
                               }));
                companyKey = QString::number(m_main.lastInsertId());
                m_book.companyMade(company, companyKey);
                ++m_companiesMade;
            }
        }
        const RecordDef &record = m_target.record();
        // One prepared insert for every row: a large file is not prepared a million times.
        if (!m_insert)
            m_insert = std::make_unique<Statement>(m_main, insertStatement(record));
        m_insert->reset();
        m_insert->bindAll(insertParameters(record, [&](const QString &column) {
            return column == m_target.companyKey ? companyKey : insertedText(m_target, values, column);
        }));
        m_insert->run();
    }

    int companiesMade() const { return m_companiesMade; }

private:
    Connection &m_main;
    const ImportTarget &m_target;
    ImportBook &m_book;
    std::unique_ptr<Statement> m_insert;
    int m_companiesMade = 0;
};

} // namespace

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

ImportSummary stoppedImport(const ImportTarget &target)
{
    ImportSummary summary;
    summary.caption = target.caption;
    summary.stopped = true;
    return summary;
}

ImportSummary importSheet(Connection &main, const ImportTarget &target, SheetRows &sheet,
                          const ImportChoices &choices, const std::function<bool(int permille)> &progress)
{
    ImportSummary summary;
    summary.caption = target.caption;
    Transaction transaction(main);
    ImportBook book(main, target);
    RowWriter writer(main, target, book);
    QStringList cells;
    int rowNumber = 0;
    bool first = true;
    try {
        for (int read = 0; sheet.next(cells, rowNumber); ++read) {
            if (progress && read % 256 == 0 && !progress(sheet.permille()))
                return stoppedImport(target); // the transaction rolls back
            if (std::exchange(first, false) && choices.headingRow)
                continue;
            const RowValues values = rowValues(choices.mapping, cells);
            const ImportBook::Judgement judgement = book.judge(values, rowNumber, choices);
            switch (judgement.verdict) {
            case ImportBook::Verdict::Refused:
                summary.refused.emplace_back(rowNumber, judgement.reason);
                break;
            case ImportBook::Verdict::Duplicate:
                summary.skipped.emplace_back(rowNumber, judgement.reason);
                break;
            case ImportBook::Verdict::Add:
                writer.add(values);
                ++summary.added;
                break;
            }
        }
    } catch (const ReadStopped &) {
        return stoppedImport(target); // stopped within the reading of a row
    }
    transaction.commit();
    summary.companiesMade = writer.companiesMade();
    return summary;
}

} // namespace data
