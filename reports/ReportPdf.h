#pragma once

#include <QString>

namespace data {
struct ReportDefinition;
}

namespace reports {

class ReportRows;

// Writes a report as a PDF file of A4 pages, private to the user, titled
// "Talvero CRM"; `date` is what {date} shows. Throws data::DbError when the
// file cannot be written.
void writeReportPdf(const data::ReportDefinition &definition, const ReportRows &rows, const QString &path,
                    const QString &date);

} // namespace reports
