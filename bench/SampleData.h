#pragma once

#include <cstdint>

namespace data {
class Connection;
}

namespace bench {

// Fills atc2 with `companies` companies and atc1 with `customers` customers,
// each table in one transaction through one prepared insert. The rows depend
// only on the start value.
void generateSampleData(data::Connection &connection, int customers, int companies, uint64_t startValue);
// The same with customers as the new-customer window takes them (makeTypedCustomer).
void generateTypedCustomers(data::Connection &connection, int customers, int companies, uint64_t startValue);
// Fills vtv1 with `activities` activities of customers 1 to `customers`, in one transaction.
void generateActivities(data::Connection &connection, int activities, int customers, uint64_t startValue);
// Fills vtv4 with `products` products and vtv2 with `analyses` analyses of
// customers 1 to `customers` for those products, each table in one transaction.
// Fills utm1 with `employees` employees, in one transaction.
void generateEmployees(data::Connection &connection, int employees, uint64_t startValue);
void generateAnalyses(data::Connection &connection, int analyses, int products, int customers, uint64_t startValue);

} // namespace bench
