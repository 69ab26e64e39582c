#include "XlsxWrite.h"

#include "DbError.h"
#include "PrivateFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <xlsxwriter.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
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

// The workbook being written, closed (and so freed) whatever happens.
class Workbook {
public:
    explicit Workbook(const QString &path)
    {
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE; // each row goes to disk once written
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
    lxw_workbook *m_book = nullptr;
};

DbError writeError(const QString &path, const QString &reason)
{
    return DbError(QStringLiteral("无法写入文件 %1: %2").arg(QFileInfo(path).fileName(), reason));
}

} // namespace

bool writeXlsx(const QString &path, const QString &sheetName, const QStringList &captions,
               const std::vector<bool> &numeric, int rows, const std::function<QString(int row, int column)> &cell,
               const std::function<bool(int row)> &progress)
{
    const QFileInfo target(path);
    // Written in a private folder beside the target, then renamed over it.
    QTemporaryDir work(target.absolutePath() + QStringLiteral("/.talvero-export-XXXXXX"));
    if (!work.isValid())
        throw writeError(path, QStringLiteral("文件夹不可写"));
    const QString partial = work.filePath(QStringLiteral("export.xlsx"));

    Workbook book(partial);
    if (!book.get())
        throw writeError(path, QStringLiteral("不能建立文件"));
    lxw_worksheet *sheet = workbook_add_worksheet(book.get(), sheetName.toUtf8().constData());
    lxw_format *bold = workbook_add_format(book.get());
    format_set_bold(bold);
    if (!sheet)
        throw writeError(path, QStringLiteral("不能建立工作表"));

    const int columns = int(captions.size());
    std::vector<int> widths(size_t(columns), 0);
    const auto written = [&](lxw_error error) {
        if (error != LXW_NO_ERROR)
            throw writeError(path, QString::fromUtf8(lxw_strerror(error)));
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
    written(book.close());
    setMode(partial, kPrivateFileMode);
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(target.absoluteFilePath()).constData())
        != 0)
        throw writeError(path, QString::fromLocal8Bit(std::strerror(errno)));
    return true;
}

} // namespace data
