#pragma once

#include <QString>
#include <cstdint>
#include <functional>

class TData_in;

namespace data {
class StandingQuery;
}

namespace bench {

// A time set against a reference taken in the same run.
struct TimedFigure {
    QString name;
    double modelMs = 0;
    double bareMs = 0;
    QString reference = QStringLiteral("bare loop"); // what bareMs is
    int64_t rows = 0;
    double target = 0; // highest acceptable modelMs/bareMs
    double ratio() const { return bareMs > 0 ? modelMs / bareMs : 0; }
    bool ok() const { return ratio() <= target; }
};

// The texts of the two data-layer searches: what a user types into the
// customer search window (中文名 "华", 手机 "13") and into the company one.
QString customerSearchText();
QString companySearchText();

class Touch;

// Times `operation` (which leaves `query` holding the rows of `sql`) against
// the bare loop over `sql` on the query's connection, a touch of the file
// before each, so that every run reads.
TimedFigure compare(const QString &name, data::StandingQuery &query, const QString &sql, int runs, double target,
                    Touch &touch, const std::function<void()> &operation);

// The data module alone, no window: each operation against the bare loop over
// the same statement on the same connection. A write comes before each reset
// and each search, so that every one of them reads its rows.
TimedFigure resetFigure(TData_in &dataIn, int runs);
TimedFigure customerSearchFigure(TData_in &dataIn, int runs);
TimedFigure companySearchFigure(TData_in &dataIn, int runs);

} // namespace bench
