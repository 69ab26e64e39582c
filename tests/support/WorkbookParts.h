#pragma once

#include "ZipFiles.h"

#include <QByteArray>

namespace testing {

// The parts of a small workbook (.xlsx) written by hand, for reading tests:
// the XML of relationships, sheets and cells, a table of shared strings
// and a set of cell styles covering the number formats of dates and times.

QByteArray relationship(const QByteArray &id, const QByteArray &type, const QByteArray &target);
QByteArray relationships(const QByteArray &list);
QByteArray worksheet(const QByteArray &body);
QByteArray sheetData(const QByteArray &rows);
QByteArray inlineCell(const QByteArray &reference, const QByteArray &text);

// 0 张三, 1 北京 海淀区 (rich text with a phonetic guide), 2 blanks at both
// ends, 3 escaped line ends, 4 entities.
extern const QByteArray kSharedStrings;
// Cell styles: 0 General, 1 a built-in date, 2 a Chinese date of the
// workbook's own, 3 a number with a colour in brackets, 4 a quoted "d",
// 5 a built-in time, 6 a date and time after a locale in brackets, 7 the
// built-in date of Chinese installations, 8 text. The styles of named
// styles come first and must not be taken for cell styles.
extern const QByteArray kStyles;

// The parts of a workbook, each open to change by a test.
struct Book {
    QByteArray workbookName = "xl/workbook.xml";
    QByteArray sheets = "<sheet name=\"客户\" sheetId=\"1\" r:id=\"rId1\"/>";
    QByteArray workbookPr;
    QByteArray relationships = relationship("rId1", "worksheet", "worksheets/sheet1.xml")
                               + relationship("rId2", "sharedStrings", "sharedStrings.xml")
                               + relationship("rId3", "styles", "styles.xml");
    Members parts = {{"xl/worksheets/sheet1.xml", worksheet(sheetData(""))},
                     {"xl/sharedStrings.xml", kSharedStrings},
                     {"xl/styles.xml", kStyles}};

    Book &sheet(const QByteArray &body);
    Members members() const;
};

} // namespace testing
