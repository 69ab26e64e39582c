#include "XlsxWrite.h"

#include "DbError.h"
#include "PrivateFile.h"
#include "SystemReason.h"
#include "WorkFolder.h"

#include <QFile>
#include <QFileInfo>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

namespace data {

namespace {

// Column widths in the units of a workbook: about one Latin character.
constexpr double kNarrowest = 6;
constexpr double kWidest = 60;

// How wide a text shows: an ideograph or a full-width form takes two
// Latin characters' room.
int displayWidth(const QString &text)
{
    int width = 0;
    for (QChar c : text) {
        if (c.isLowSurrogate())
            continue;
        width += c.unicode() >= 0x1100 ? 2 : 1;
    }
    return width;
}

// A number in the form the engine stores it: an optional sign, digits and
// perhaps a decimal part; nothing a number reader would take more freely
// (blanks, exponents, "inf").
bool numberText(const QString &text, double &value)
{
    if (text.isEmpty() || text.size() > 17)
        return false;
    int i = text.front() == u'-' ? 1 : 0;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c >= u'0' && c <= u'9')
            digits = true;
        else if (c == u'.' && !point)
            point = true;
        else
            return false;
    }
    bool ok = false;
    value = text.toDouble(&ok);
    return digits && ok;
}

// The workbook being written, closed (and so freed) whatever happens. Its
// temporary files (the rows, each part before it goes into the zip) are made
// in `folder`, never in the system's common temporary folder.
class Workbook {
public:
    Workbook(const QString &path, const QString &folder) : m_folder(QFile::encodeName(folder))
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE; // each row goes to disk once written
        options.tmpdir = m_folder.data();
        m_book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book);
    }
    lxw_workbook *get() const { return m_book; }
    lxw_error close()
    {
        lxw_workbook *book = std::exchange(m_book, nullptr);
        return workbook_close(book);
    }

private:
    QByteArray m_folder;
    lxw_workbook *m_book = nullptr;
};

DbError writeError(const QString &path, const QString &reason)
{
    return DbError(QStringLiteral("无法写入“%1”:%2").arg(path, reason));
}

// What went wrong in the workbook library, in the user's words: the system's
// reason where it left one, else the library's.
QString workbookReason(lxw_error error, int systemError)
{
    if (systemError != 0)
        return systemReason(systemError);
    switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return QStringLiteral("内存不足");
    case LXW_ERROR_CREATING_XLSX_FILE:
        return QStringLiteral("不能建立文件");
    case LXW_ERROR_CREATING_TMPFILE:
        return QStringLiteral("不能建立临时文件");
    case LXW_ERROR_READING_TMPFILE:
        return QStringLiteral("不能读回临时文件");
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_PARAMETER_ERROR:
    case LXW_ERROR_ZIP_BAD_ZIP_FILE:
    case LXW_ERROR_ZIP_INTERNAL_ERROR:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        return QStringLiteral("写入压缩文件时出错");
    default:
        return QStringLiteral("Excel 工作簿程序库出错(代码 %1)").arg(int(error));
    }
}

} // namespace

bool writeXlsx(const QString &path, const QString &sheetName, const QStringList &captions,
               const std::vector<bool> &numeric, int rows, const std::function<QString(int row, int column)> &cell,
               const std::function<bool(int row)> &progress)
{
    if (rows > kXlsxRows)
        throw DbError(QStringLiteral("要导出 %1 条记录,超过一个 Excel 工作表最多能放的 %2 条。请导出为 .csv 文件。")
                          .arg(rows)
                          .arg(kXlsxRows));
    const QFileInfo target(path);
    // Written in a private folder beside the target, then renamed over it.
    const WorkFolder work(path, QStringLiteral(".talvero-export-"));
    const QString partial = work.filePath(QStringLiteral("export.xlsx"));

    errno = 0;
    Workbook book(partial, work.path());
    if (!book.get())
        throw writeError(path, workbookReason(LXW_ERROR_CREATING_TMPFILE, errno));
    lxw_worksheet *sheet = workbook_add_worksheet(book.get(), sheetName.toUtf8().constData());
    lxw_format *bold = workbook_add_format(book.get());
    format_set_bold(bold);
    if (!sheet)
        throw writeError(path, workbookReason(LXW_ERROR_MEMORY_MALLOC_FAILED, 0));

    const int columns = int(captions.size());
    std::vector<int> widths(size_t(columns), 0);
    const auto written = [&](lxw_error error) {
        if (error != LXW_NO_ERROR)
            throw writeError(path, workbookReason(error, errno));
    };
    for (int c = 0; c < columns; ++c) {
        written(worksheet_write_string(sheet, 0, lxw_col_t(c), captions[c].toUtf8().constData(), bold));
        widths[size_t(c)] = displayWidth(captions[c]);
    }
    worksheet_freeze_panes(sheet, 1, 0);

    for (int row = 0; row < rows; ++row) {
        if (progress && !progress(row))
            return false;
        const lxw_row_t at = lxw_row_t(row + 1);
        for (int c = 0; c < columns; ++c) {
            const QString text = cell(row, c);
            if (text.isEmpty())
                continue;
            if (text.size() > kXlsxCellLimit)
                throw DbError(QStringLiteral("第 %1 行的“%2”有 %3 个字符,超过 Excel 单元格最多能存的 %4 个字符。"
                                             "请导出为 .csv 文件。")
                                  .arg(row + 1)
                                  .arg(captions[c])
                                  .arg(text.size())
                                  .arg(kXlsxCellLimit));
            double number = 0;
            if (numeric[size_t(c)] && numberText(text, number))
                written(worksheet_write_number(sheet, at, lxw_col_t(c), number, nullptr));
            else
                written(worksheet_write_string(sheet, at, lxw_col_t(c), text.toUtf8().constData(), nullptr));
            widths[size_t(c)] = std::max(widths[size_t(c)], displayWidth(text));
        }
    }
    for (int c = 0; c < columns; ++c)
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c),
                             std::clamp(double(widths[size_t(c)]) + 2, kNarrowest, kWidest), nullptr);
    errno = 0;
    written(book.close());
    setMode(partial, kPrivateFileMode);
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target.absoluteFilePath()).constData())
        != 0)
        throw writeError(path, systemReason(errno));
    return true;
}

} // namespace data
