#pragma once

#include "Random.h"

#include <string>
#include <vector>

namespace bench {

// The values of one sample row, in column order (a1..a28 or c1..c17), UTF-8.
using RowValues = std::vector<std::string>;

inline constexpr int kCustomerColumns = 28;
inline constexpr int kCompanyColumns = 17;

// The name of company number i; the same i always gives the same name, so
// customers can name companies that exist.
std::string companyName(int i);

RowValues makeCompany(Random &random, const std::string &name);
// A customer of one of the companies named.
RowValues makeCustomer(Random &random, const std::vector<std::string> &companyNames);
// A customer as the new-customer window takes it, every field within its
// limits and key filter (telephone numbers in the telephone fields, a rating
// of 1 to 5), of one of the companies named, which are numbered from 1 in
// their order. `serial` makes its e-mail address its own.
RowValues makeTypedCustomer(Random &random, int serial, const std::vector<std::string> &companyNames);
// An activity (e2..e15) of one of `customers` customers, at a minute of the
// years 2020 to 2027, most of them with the default details and not ended.
RowValues makeActivity(Random &random, int customers);
// The name of product number i (names may repeat, as products' names may).
std::string productName(int i);
// A product (o1..o11) of that name.
RowValues makeProduct(Random &random, const std::string &name);
// An analysis (h1..h14) of one of `customers` customers for one of the products named.
RowValues makeAnalysis(Random &random, int customers, const std::vector<std::string> &productNames);
// An employee (u1, u2, u4..u22).
RowValues makeEmployee(Random &random);

} // namespace bench
