#pragma once

#include "ImportRules.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace data {

class Connection;
class SheetRows;
class Statement;

// What the user chose in the import window.
struct ImportChoices {
    QStringList mapping;          // the field of each column of the file; empty: not taken
    bool headingRow = true;       // the file's first row holds headings, not a record
    bool skipDuplicates = true;   // a row like a record on file (or one added before it) is left out
    bool createCompanies = true;  // a customer's company that is not on file is made (by its name)
};

// The records of the kind that the file holds and that the import added, as
// far as duplicates and customers' companies need them.
class ImportBook {
public:
    ImportBook(Connection &main, const ImportTarget &target);
    ~ImportBook();

    enum class Verdict { Add, Duplicate, Refused };
    struct Judgement {
        Verdict verdict = Verdict::Add;
        QString reason; // for Duplicate and Refused
    };
    Judgement judge(const RowValues &values, const ImportChoices &choices) const;

    // Inserts the row (and, for a customer whose company is new, that
    // company first); from now on it counts for duplicates. Throws DbError.
    void add(Connection &main, const RowValues &values);
    int companiesMade() const { return m_companiesMade; }

private:
    QString duplicateKey(const QStringList &columns, const std::function<QString(const QString &)> &valueOf) const;
    void remember(const std::function<QString(const QString &)> &valueOf);

    const ImportTarget &m_target;
    std::vector<std::set<QString>> m_known;  // per sameRecord set, the keys on file
    std::map<QString, QString> m_companies;  // a company's folded name → its key, the first on file
    int m_companiesMade = 0;
    std::unique_ptr<Statement> m_insert;
};

// How an import went.
struct ImportSummary {
    QString caption;                               // "客户"
    int added = 0;
    int companiesMade = 0;
    std::vector<std::pair<int, QString>> skipped;  // row number, why
    std::vector<std::pair<int, QString>> refused;  // row number, why
    bool stopped = false;                          // 取消: nothing was added
    // The summary as the user reads it and can save it.
    QString text() const;
};

// Reads every row of the sheet and adds those that pass, all in one
// transaction: every accepted row goes in, or (stopped, or any failure of
// the file or the engine) none. `progress` hears how far reading has come (0
// to 1000); false stops. Throws DbError when the file or the engine fails.
ImportSummary importSheet(Connection &main, const ImportTarget &target, SheetRows &sheet,
                          const ImportChoices &choices, const std::function<bool(int permille)> &progress = {});

} // namespace data
