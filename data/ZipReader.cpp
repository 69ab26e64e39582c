#include "ZipReader.h"

#include "SheetMessages.h"
#include "SheetRead.h"

#include <QFile>
#include <unzip.h>

namespace data {

namespace {

constexpr int kChunk = 1 << 16;
constexpr int kIgnoreCase = 2;

unzFile zipOf(void *zip)
{
    return static_cast<unzFile>(zip);
}

} // namespace

ZipReader::ZipReader(const QString &path, Allowance &allowance)
    : m_path(path), m_allowance(allowance), m_zip(unzOpen64(QFile::encodeName(path).constData()))
{
    if (!m_zip)
        throw brokenWorkbook(path, QStringLiteral("压缩包无法打开"));
}

ZipReader::~ZipReader()
{
    closeMember();
    unzClose(zipOf(m_zip));
}

void ZipReader::closeMember()
{
    if (m_open)
        unzCloseCurrentFile(zipOf(m_zip)); // a member left before its end: no checksum to test
    m_open = false;
}

bool ZipReader::contains(const QString &member)
{
    closeMember();
    return unzLocateFile(zipOf(m_zip), member.toUtf8().constData(), kIgnoreCase) == UNZ_OK;
}

void ZipReader::open(const QString &member, qint64 largest)
{
    m_member = member;
    m_done = 0;
    m_size = 0;
    m_atEnd = false;
    if (!contains(member))
        throw brokenWorkbook(m_path, QStringLiteral("缺少 %1").arg(member));
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zipOf(m_zip), &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        throw brokenWorkbook(m_path, QStringLiteral("%1 已损坏").arg(member));
    // minizip gives no more than the size the zip's directory states, so the
    // stated size bounds the work before any of it is done.
    if (info.uncompressed_size > quint64(largest))
        throw largeWorkbook(m_path, largest, member);
    if (info.uncompressed_size > quint64(m_allowance.left))
        throw largeWorkbook(m_path, kMostUnpacked);
    if (unzOpenCurrentFile(zipOf(m_zip)) != UNZ_OK)
        throw brokenWorkbook(m_path, QStringLiteral("%1 已损坏").arg(member));
    m_open = true;
    m_size = qint64(info.uncompressed_size);
    m_allowance.left -= m_size;
}

QByteArray ZipReader::read()
{
    if (!m_open || m_atEnd)
        return {};
    QByteArray chunk(kChunk, Qt::Uninitialized);
    const int got = unzReadCurrentFile(zipOf(m_zip), chunk.data(), unsigned(chunk.size()));
    if (got < 0)
        throw brokenWorkbook(m_path, QStringLiteral("%1 已损坏").arg(m_member));
    if (got == 0) {
        m_atEnd = true;
        m_open = false;
        if (unzCloseCurrentFile(zipOf(m_zip)) != UNZ_OK)
            throw brokenWorkbook(m_path, QStringLiteral("%1 已损坏").arg(m_member));
        return {};
    }
    chunk.truncate(got);
    m_done += got;
    if (m_onChunk)
        m_onChunk();
    return chunk;
}

} // namespace data
