#pragma once

#include "ReportProjects.h"

#include <QDir>
#include <QObject>
#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace data {
class StandingQuery;
}

namespace reports {

class ReportRows;
struct OutputChoice;

// Where the list reports are run, one for the whole program, from start-up
// to the end: the definitions read so far and the printer with its settings.
// A report command of the 报表 menu and the 报 表 button of its view come
// here alike.
class ReportDesk : public QObject {
    Q_OBJECT
public:
    explicit ReportDesk(const QDir &workDir, QObject *parent = nullptr);
    ~ReportDesk() override;

    // Runs the report of a standing query over its rows as they stand:
    // - no row: the information box with the report's message;
    // - a definition that cannot be had: the error box saying why;
    // - else the output options, then the preview, the printer or the file
    //   with the status window.
    // The query's current row is the one it had before.
    void run(QWidget *parent, const QString &query);

    // The printer reports go to, as the output options last left it.
    QPrinter &printer();
    ReportLibrary &library() { return m_library; }

private:
    void deliver(QWidget *parent, const data::ReportDefinition &definition, const ReportRows &rows,
                 const OutputChoice &choice);
    void print(QWidget *parent, const data::ReportDefinition &definition, const ReportRows &rows);
    void save(QWidget *parent, const data::ReportDefinition &definition, const ReportRows &rows,
              const QString &file);
    QString defaultFile(const data::ReportDefinition &definition) const;

    ReportLibrary m_library;
    std::unique_ptr<QPrinter> m_printer; // made at the first report: finding printers takes its time
    QString m_folder;                    // where the last file went
};

// Runs the report of a standing query on the program's report desk.
void runReport(QWidget *parent, const QString &query);

} // namespace reports
