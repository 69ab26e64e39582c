#pragma once

#include <QString>

class QPrinter;

namespace data {
struct ReportDefinition;
}

namespace reports {

class ReportRows;

// What the status window hears while a report is made: each page as it is
// laid out, then each page as it goes to the printer or the file. Answering
// false stops the run.
class ReportProgress {
public:
    virtual ~ReportProgress() = default;
    virtual bool preparing(int page) = 0;
    virtual bool printing(int page) = 0;
};

// Writes a report as a PDF file on the report's paper, private to the user and
// titled "Talvero CRM"; `date` is what {date} shows. The file appears whole or
// not at all, under the name itself: a symbolic link of that name is replaced,
// never what it points to. A run stopped through `progress` returns false and
// leaves what was there before. Throws data::DbError (its message Chinese)
// when the file cannot be written.
bool writeReportPdf(const data::ReportDefinition &definition, const ReportRows &rows, const QString &path,
                    const QString &date, ReportProgress *progress = nullptr);

// Prints a report on a printer as it is set up (paper, orientation, copies,
// collation, duplex), as the job "Talvero CRM". Copies the printer cannot make
// itself are printed one after the other, collated or page by page as asked.
// Returns false when stopped through `progress` or refused by the printer.
bool printReport(const data::ReportDefinition &definition, const ReportRows &rows, QPrinter &printer,
                 const QString &date, ReportProgress *progress = nullptr);

} // namespace reports
