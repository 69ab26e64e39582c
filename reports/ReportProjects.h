#pragma once

#include "ReportDefinition.h"

#include <QDir>
#include <QString>
#include <map>
#include <stdexcept>
#include <vector>

namespace reports {

// One list report: its project, its file under the working folder, the name
// its data is offered under, the standing query it prints and what a
// command says when that query has no row.
struct ReportProject {
    const char *project; // "RvProject4"
    const char *file;    // "Rop/s4.rav"
    const char *data;    // "RvData_chanpin"
    const char *query;   // "vtv4_all"
    const char *none;    // "请先创建产品信息"
};

// The six, in the order of the 报表 menu.
const std::vector<ReportProject> &reportProjects();
// The report of a standing query; nullptr when it has none.
const ReportProject *reportOf(const QString &query);

// A report that cannot be run: what the error box says.
class ReportUnavailable : public std::runtime_error {
public:
    explicit ReportUnavailable(const QString &message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// The definitions of the reports, each read from its file at its report's
// first run and kept for the rest of the run: a file replaced meanwhile
// counts from the next start.
class ReportLibrary {
public:
    explicit ReportLibrary(const QDir &workDir) : m_workDir(workDir) {}

    // Throws ReportUnavailable when the file is missing ("The following
    // reporting project does not exist:", a line break and the full path in
    // double quotes), cannot be read, is no report definition (the file and
    // the line of what is wrong) or names other data than its report's.
    const data::ReportDefinition &definition(const ReportProject &project);

private:
    QDir m_workDir;
    std::map<QString, data::ReportDefinition> m_loaded; // by project
};

} // namespace reports
