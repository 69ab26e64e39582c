#pragma once

#include "CellText.h"
#include "ZipReader.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace data {

class XmlFeed;

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
    // False once the item's text is longer than any cell may be (its escapes not yet read).
    bool characters(QStringView text);
    QString take();

private:
    QString m_text;
    int m_inText = 0;
    int m_inPhonetic = 0;
};

// The shared strings of a workbook, kept in one block of text, read from
// their own reader of the zip as far as the cells ask for them: the first
// rows of a sheet need only the first strings.
class SharedStrings {
public:
    // Reads from `member` of the workbook at `path`, sharing `allowance`
    // with the reader of the sheet; `chunkRead` is heard after each chunk.
    SharedStrings(const QString &path, const QString &member, ZipReader::Allowance &allowance,
                  const std::function<void()> &chunkRead);
    ~SharedStrings();
    // The string at that index, the table read on as far as that; nothing
    // when the table has no such entry. Throws a DbError when the table is
    // damaged or passes a bound of reading (SheetRead.h).
    std::optional<QString> at(qsizetype index);
    // Reads the rest of the table, so that a table damaged past the strings
    // the cells asked for is found damaged all the same.
    void readToEnd();

private:
    bool readOne(); // the next entry into the block; false at the end of the table

    ZipReader m_zip;
    std::unique_ptr<XmlFeed> m_xml;
    StringItem m_item;
    bool m_atEnd = false;
    QString m_text;
    std::vector<quint32> m_ends; // where each entry ends in m_text (it holds under 2^32 characters)
};

// What each cell style (the cell's s attribute) shows its number as.
std::vector<DateKind> readDateStyles(ZipReader &zip, const QString &member);

} // namespace data
