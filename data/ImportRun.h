#pragma once

#include "ImportRules.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
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

// The records of the kind on file, and the rows of the file taken so far, as
// far as duplicates and customers' companies need them. A copy judges on
// its own (the preview judges its rows in a copy of the book).
class ImportBook {
public:
    ImportBook(Connection &main, const ImportTarget &target);

    enum class Verdict { Add, Duplicate, Refused };
    struct Judgement {
        Verdict verdict = Verdict::Add;
        QString reason; // for Duplicate and Refused
    };
    // What becomes of the row of the file with that number, after the rows
    // before it: a row that is to be added counts from then on, so that a
    // later row like it is skipped as its duplicate. The preview and the
    // import judge every row here, in the file's order.
    Judgement judge(const RowValues &values, int row, const ImportChoices &choices);

    // The key of the company of that name (blanks at the ends and case do
    // not count), the first on file; empty when there is none.
    QString companyKey(const QString &name) const;
    // A company made by the import: later customers of its name join it.
    void companyMade(const QString &name, const QString &key);

private:
    QString duplicateKey(const QStringList &columns, const std::function<QString(const QString &)> &valueOf) const;

    const ImportTarget *m_target;
    // Per sameRecord set, the keys taken: each with the number of the file's
    // row that brought it, 0 for a record on file.
    std::vector<std::map<QString, int>> m_known;
    std::map<QString, QString> m_companies; // a company's folded name → its key, the first on file
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
// The summary of an import stopped before its end: nothing was added.
ImportSummary stoppedImport(const ImportTarget &target);

// Reads every row of the sheet and adds those that pass, all in one
// transaction: every accepted row goes in, or (stopped, or any failure of
// the file or the engine) none. `progress` hears how far reading has come (0
// to 1000); false stops, and so does the sheet's own progress (ReadStopped).
// Throws DbError when the file or the engine fails.
ImportSummary importSheet(Connection &main, const ImportTarget &target, SheetRows &sheet,
                          const ImportChoices &choices, const std::function<bool(int permille)> &progress = {});

} // namespace data
