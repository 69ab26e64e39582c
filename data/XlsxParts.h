#pragma once

#include "CellText.h"

#include <QString>
#include <vector>

namespace data {

class ZipReader;

// Where the parts of a workbook are and what they say before its first sheet
// is read: the sheet's own member, the table of shared strings and the date
// formats of the cell styles.

struct WorkbookParts {
    QString sheet;         // the first worksheet in workbook order
    QString sharedStrings; // empty when the workbook has none
    QString styles;        // empty when the workbook has none
    bool date1904 = false; // day 0 is 1 January 1904 rather than 1900
};
WorkbookParts findWorkbookParts(ZipReader &zip);

// The text of a string item (<si> of the shared strings, <is> of a cell):
// the <t> texts of its runs in a row, phonetic guides (<rPh>) left out.
class StringItem {
public:
    void start(QStringView element);
    void end(QStringView element);
    void characters(QStringView text);
    QString take();

private:
    QString m_text;
    int m_inText = 0;
    int m_inPhonetic = 0;
};

// Every shared string of a workbook, kept in one block of text.
class SharedStrings {
public:
    void read(ZipReader &zip, const QString &member);
    qsizetype size() const { return qsizetype(m_ends.size()); }
    QString at(qsizetype index) const;

private:
    QString m_text;
    std::vector<qsizetype> m_ends;
};

// What each cell style (the cell's s attribute) shows its number as.
std::vector<DateKind> readDateStyles(ZipReader &zip, const QString &member);

} // namespace data
