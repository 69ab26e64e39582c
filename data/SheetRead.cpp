#include "SheetRead.h"

#include "CsvRead.h"
#include "SheetMessages.h"
#include "XlsxRead.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace data {

namespace {

constexpr qint64 kChunk = 1 << 20;

bool isZip(const QByteArray &head)
{
    return head.startsWith("PK\x03\x04") || head.startsWith("PK\x05\x06");
}

// The files of the older spreadsheet programs, and workbooks saved with a
// password, are compound documents (a small file system of their own).
bool isCompoundDocument(const QByteArray &head)
{
    return head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");
}

// An encrypted workbook keeps the key's description in a stream of this
// name; the names of a compound document are UTF-16LE.
bool holdsEncryptionInfo(QFile &file, const ReadWatch &watch)
{
    static const QByteArray name = QByteArray("E\0n\0c\0r\0y\0p\0t\0i\0o\0n\0I\0n\0f\0o\0", 28);
    file.seek(0);
    const qint64 size = std::max<qint64>(file.size(), 1);
    QByteArray window;
    for (QByteArray chunk = file.read(kChunk); !chunk.isEmpty(); chunk = file.read(kChunk)) {
        watch.tell(int(std::min<qint64>(file.pos(), size) * 1000 / size));
        window = window.right(name.size() - 1) + chunk; // a name may lie across two chunks
        if (window.contains(name))
            return true;
    }
    return false;
}

} // namespace

std::unique_ptr<SheetRows> openSheet(const QString &path, const ReadProgress &progress)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw unopenedSheet(path, QStringLiteral("文件不存在"));
    if (!info.isFile())
        throw unopenedSheet(path, QStringLiteral("这不是一个文件"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw unopenedSheet(path, fileReason(file));
    const QByteArray head = file.read(8);
    if (isZip(head))
        return openWorkbook(path, progress);
    if (isCompoundDocument(head))
        throw holdsEncryptionInfo(file, ReadWatch(progress)) ? passwordProtectedWorkbook(path) : oldWorkbookFormat(path);
    return openCsv(path, progress);
}

} // namespace data
