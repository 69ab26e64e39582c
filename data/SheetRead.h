#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace data {

// The rows of the first table of a spreadsheet file, read one at a time so
// that a file of a million rows never sits in memory whole.
class SheetRows {
public:
    virtual ~SheetRows() = default;
    // The next row that has a cell with text; false at the end. rowNumber is
    // the row's number as a spreadsheet program shows it (a CSV record's first
    // line). Cells keep their places; empty cells at the end of a row are
    // left out. Throws DbError with a Chinese message when the file turns out
    // broken.
    virtual bool next(QStringList &cells, int &rowNumber) = 0;
    // How far reading has come, 0 to 1000 (for a progress bar).
    virtual int permille() const = 0;
};

// Opens a .xlsx or .csv file, judged by its content (a zip is a workbook,
// a compound-document file is refused, anything else is read as text). Throws
// DbError with a Chinese message for the user when the file cannot be read.
std::unique_ptr<SheetRows> openSheet(const QString &path);

} // namespace data
