#pragma once

#include <QString>
#include <QStringList>

namespace data {

// The statements that load the rows belonging to one customer or one
// company into the standing queries. A key is pasted as it stands when it is
// a whole number; anything else (an empty key above all) becomes null, which
// matches no row, so that a record without a company, or no record at all,
// never makes a broken statement.
QString keyOrNull(const QString &key);

QString customerActivities(const QString &aid); // vtv1 of the customer, newest first
QString customerAnalyses(const QString &aid);   // vtv2 of the customer
QString customerMemos(const QString &aid);      // vtv3 customer memos (j5 '1')
QString companyOf(const QString &cid);          // atc2: the company with that key

QString companyMemos(const QString &cid);       // vtv3 company memos (j5 '2')

// The deletes of the rows that go with a deleted record; the key is quoted.
// A customer's memos, activities and analyses, in that order (company memos
// carry "0" in j1 and stay); a company's memos.
QStringList customerDependentsDeletes(const QString &aid);
QString companyMemosDelete(const QString &cid);
QString companyCustomers(const QString &cid);   // atc1 of the company

} // namespace data
