#pragma once

#include <QByteArray>
#include <QString>
#include <stdexcept>
#include <vector>

namespace data {

// A list report as a user may read and change it: one small text file per
// report under Rop/ in the working folder, a line for each setting:
//
//     # 产品清单表: lines "key: value"; "#" starts a comment.
//     title: 产品清单表
//     data: RvData_chanpin
//     orientation: landscape
//     font: 9
//     header: Talvero CRM | {title} | {date}
//     footer: | 第 {page} 页,共 {pages} 页 |
//     column: o1 | 名称 | 40 | left | wrap
//
// header and footer: the left, middle and right parts of the line, "|"
// between them; {title}, {date}, {page} and {pages} stand for the report's
// title, the day it is printed, the page number and the number of pages.
// column: the column of the data, its caption, its width in millimetres, its
// alignment (left, center or right) and what a text too long for the width
// does (wrap: onto further lines of the row; cut: ends with "…").

enum class Alignment { Left, Center, Right };
enum class Overflow { Wrap, Cut };

struct ReportColumn {
    QString field;
    QString caption;
    double widthMm = 20;
    Alignment alignment = Alignment::Left;
    Overflow overflow = Overflow::Wrap;

    bool operator==(const ReportColumn &) const = default;
};

struct ReportDefinition {
    QString title;
    QString data; // the name the data is offered under ("RvData_chanpin")
    bool landscape = true;
    double fontPt = 9;
    QString header; // "left | middle | right"
    QString footer;
    std::vector<ReportColumn> columns;

    bool operator==(const ReportDefinition &) const = default;
};

// The most a definition file may hold. A definition is a few dozen short
// lines; a file larger than this is something else and is not read whole.
inline constexpr qint64 kReportDefinitionMaxBytes = 256 * 1024;

// A file that is no report definition: which file, which line (0: the file
// as a whole), and why, in words a user reads (Chinese, quoting no raw bytes).
class ReportFormatError : public std::runtime_error {
public:
    ReportFormatError(const QString &file, int line, const QString &reason);
    QString file() const { return m_file; }
    int line() const { return m_line; }
    QString reason() const { return m_reason; }
    // "file 第 n 行:reason", or "file:reason" for the file as a whole
    QString message() const;

private:
    QString m_file;
    int m_line;
    QString m_reason;
};

// Reads a definition; `file` names it in what a ReportFormatError says.
// Every key but column is given at most once; title, data and at least one
// column are required.
ReportDefinition parseReportDefinition(const QString &text, const QString &file);
// Reads a definition from the bytes of its file: UTF-8 text (a byte-order
// mark allowed) of at most kReportDefinitionMaxBytes, without control
// characters. Anything else, a binary file or text in another encoding, is
// refused as a whole or at the first line that is not such text.
ReportDefinition parseReportDefinitionFile(const QByteArray &bytes, const QString &file);
// The text of a definition, which parseReportDefinition reads back as it was.
QString reportDefinitionText(const ReportDefinition &definition);

// The three parts of a header or footer line, with its placeholders filled in;
// a number of pages not yet known (0) shows as "…".
struct PageLine {
    QString left, middle, right;
};
PageLine pageLine(const QString &line, const QString &title, const QString &date, int page, int pages);

} // namespace data
