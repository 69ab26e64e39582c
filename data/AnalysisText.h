#pragma once

#include <QString>

namespace data {

// The texts of a sales analysis beyond its field table.

// The total of a quantity and a unit price as the new-analysis window shows
// and stores it: both read as whole numbers (an empty text is 0), the product
// in 64-bit arithmetic, so that eight digits times eight digits is exact
// (99999999 × 99999999 = 9999999800000001). A text that is no whole number
// of at most eight digits counts as 0.
QString analysisTotal(const QString &quantity, const QString &unitPrice);

// A follow-up: the new stage (:b) of one analysis (:a).
QString followUpStatement();

} // namespace data
