#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace data {

// How much of a file the import reads at most, so that a file of a few
// megabytes that unpacks or expands to gigabytes takes neither all the
// memory nor all the time there is. Past a bound the file is refused at once.

// Characters of one cell: what a workbook cell holds at most, and more than
// any field of a customer or a company needs.
inline constexpr int kLongestCell = 32767;
// Characters of one row, its cells together.
inline constexpr qsizetype kLongestRow = qsizetype(1) << 20;
// A workbook's table of shared strings: its entries, and their characters together.
inline constexpr qsizetype kMostSharedStrings = qsizetype(1) << 24;
inline constexpr qsizetype kMostSharedCharacters = qsizetype(1) << 27;
// Bytes a workbook unpacks to: any part besides its sheet and its shared
// strings, and all the parts read together.
inline constexpr qint64 kLargestPart = qint64(64) << 20;
inline constexpr qint64 kMostUnpacked = qint64(2) << 30;

// How far reading has come, 0 to 1000, told as it goes (every few tens of
// kilobytes, within one long row too); answering false stops the reading,
// which then throws ReadStopped.
using ReadProgress = std::function<bool(int permille)>;
struct ReadStopped {};

// Tells a ReadProgress, if there is one, and throws ReadStopped when it says stop.
class ReadWatch {
public:
    explicit ReadWatch(ReadProgress progress = {}) : m_progress(std::move(progress)) {}
    void tell(int permille) const
    {
        if (m_progress && !m_progress(permille))
            throw ReadStopped{};
    }

private:
    ReadProgress m_progress;
};

// The rows of the first table of a spreadsheet file, read one at a time so
// that a file of a million rows never sits in memory whole.
class SheetRows {
public:
    virtual ~SheetRows() = default;
    // The next row that has a cell with text; false at the end. rowNumber is
    // the row's number as a spreadsheet program shows it (a CSV record's first
    // line). Cells keep their places; empty cells at the end of a row are
    // left out. Throws DbError with a Chinese message when the file turns out
    // broken or passes a bound above, ReadStopped when the progress said stop.
    virtual bool next(QStringList &cells, int &rowNumber) = 0;
    // How far reading the rows has come, 0 to 1000 (for a progress bar).
    virtual int permille() const = 0;
};

// Opens a .xlsx or .csv file, judged by its content (a zip is a workbook,
// a compound-document file is refused, anything else is read as text). Throws
// DbError with a Chinese message for the user when the file cannot be read,
// ReadStopped when `progress` said stop while the file was looked through
// (a text file is read once whole to tell its encoding). `progress` hears how
// reading goes from then on, too.
std::unique_ptr<SheetRows> openSheet(const QString &path, const ReadProgress &progress = {});

} // namespace data
