#include "WorkSteps.h"

#include <sqlite3.h>

namespace data {

namespace {

// Virtual machine steps between two calls of the progress: a few
// milliseconds of work.
constexpr int kEngineSteps = 100000;

} // namespace

void WorkSteps::during(sqlite3 *db, qint64 done)
{
    m_during = done;
    sqlite3_progress_handler(
        db, kEngineSteps,
        [](void *self) {
            auto *steps = static_cast<WorkSteps *>(self);
            return steps->at(steps->m_during) ? 0 : 1;
        },
        this);
}

void WorkSteps::after(sqlite3 *db)
{
    sqlite3_progress_handler(db, 0, nullptr, nullptr);
}

} // namespace data
