#pragma once

#include <QtGlobal>
#include <algorithm>
#include <functional>

struct sqlite3;

namespace data {

// How far a backup, or the check of one, has come, in thousandths. False
// from it stops the work (the user cancelled): nothing is written then.
using BackupProgress = std::function<bool(int permille)>;

// A piece of work measured in units (bytes, pages) of a known total, told to
// a caller's progress, which may be empty. Once it said stop, it stays so.
class WorkSteps {
public:
    WorkSteps(const BackupProgress &progress, qint64 total) : m_progress(progress), m_total(std::max<qint64>(total, 1)) {}

    // False once the user cancelled.
    bool at(qint64 done)
    {
        if (m_cancelled || !m_progress)
            return !m_cancelled;
        m_cancelled = !m_progress(int(std::clamp<qint64>(done, 0, m_total) * 1000 / m_total));
        return !m_cancelled;
    }
    bool cancelled() const { return m_cancelled; }

    // While one long statement of the engine runs (a check of a whole file),
    // the caller's progress is told `done` again now and then, so that a
    // window keeps answering; a cancel interrupts the statement.
    void during(sqlite3 *db, qint64 done);
    // The statements that follow on `db` run without.
    static void after(sqlite3 *db);

private:
    const BackupProgress &m_progress;
    qint64 m_total;
    qint64 m_during = 0;
    bool m_cancelled = false;
};

} // namespace data
