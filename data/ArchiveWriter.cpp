#include "ArchiveWriter.h"

#include "DbError.h"
#include "SystemReason.h"

#include <QIODevice>
#include <cerrno>
#include <zip.h>

namespace data {

namespace {

using Sink = ArchiveWriter::Sink;

Sink *sinkOf(voidpf opaque)
{
    return static_cast<Sink *>(opaque);
}

voidpf ZCALLBACK openSink(voidpf opaque, const void *, int)
{
    return opaque;
}

uLong ZCALLBACK readSink(voidpf, voidpf, void *, uLong)
{
    return 0;
}

uLong ZCALLBACK writeSink(voidpf opaque, voidpf, const void *bytes, uLong size)
{
    Sink *sink = sinkOf(opaque);
    errno = 0;
    const qint64 written = sink->device->write(static_cast<const char *>(bytes), qint64(size));
    if (written != qint64(size)) {
        sink->error = errno ? errno : EIO;
        return written > 0 ? uLong(written) : 0;
    }
    return size;
}

ZPOS64_T ZCALLBACK tellSink(voidpf opaque, voidpf)
{
    return ZPOS64_T(sinkOf(opaque)->device->pos());
}

long ZCALLBACK seekSink(voidpf opaque, voidpf, ZPOS64_T offset, int origin)
{
    QIODevice *device = sinkOf(opaque)->device;
    qint64 to = qint64(offset);
    if (origin == ZLIB_FILEFUNC_SEEK_CUR)
        to += device->pos();
    else if (origin == ZLIB_FILEFUNC_SEEK_END)
        to += device->size();
    return device->seek(to) ? 0 : -1;
}

int ZCALLBACK closeSink(voidpf, voidpf)
{
    return 0; // the device belongs to the caller
}

int ZCALLBACK errorOfSink(voidpf opaque, voidpf)
{
    return sinkOf(opaque)->error;
}

zipFile zipOf(void *zip)
{
    return static_cast<zipFile>(zip);
}

} // namespace

ArchiveWriter::ArchiveWriter(QIODevice &device, const QString &shownName, const QDateTime &dated)
    : m_shownName(shownName), m_dated(dated)
{
    m_sink.device = &device;
    zlib_filefunc64_def io{};
    io.zopen64_file = openSink;
    io.zread_file = readSink;
    io.zwrite_file = writeSink;
    io.ztell64_file = tellSink;
    io.zseek64_file = seekSink;
    io.zclose_file = closeSink;
    io.zerror_file = errorOfSink;
    io.opaque = &m_sink;
    m_zip = zipOpen2_64("archive", APPEND_STATUS_CREATE, nullptr, &io);
    if (!m_zip)
        fail();
}

ArchiveWriter::~ArchiveWriter()
{
    if (m_zip)
        zipClose(zipOf(m_zip), nullptr);
}

void ArchiveWriter::fail()
{
    throw DbError(fileFailure(QStringLiteral("写入"), m_shownName, m_sink.error ? m_sink.error : EIO));
}

void ArchiveWriter::begin(const QByteArray &name)
{
    zip_fileinfo info{};
    const QDate day = m_dated.date();
    const QTime time = m_dated.time();
    info.tmz_date.tm_year = uInt(day.year());
    info.tmz_date.tm_mon = uInt(day.month() - 1);
    info.tmz_date.tm_mday = uInt(day.day());
    info.tmz_date.tm_hour = uInt(time.hour());
    info.tmz_date.tm_min = uInt(time.minute());
    info.tmz_date.tm_sec = uInt(time.second());
    // Stored as they are: encrypted pages do not compress. Zip64 where a
    // file is larger than 4 GB.
    if (zipOpenNewFileInZip64(zipOf(m_zip), name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, 0, 0, 1)
        != ZIP_OK)
        fail();
}

void ArchiveWriter::write(const QByteArray &bytes)
{
    if (zipWriteInFileInZip(zipOf(m_zip), bytes.constData(), unsigned(bytes.size())) != ZIP_OK)
        fail();
}

void ArchiveWriter::end()
{
    if (zipCloseFileInZip(zipOf(m_zip)) != ZIP_OK)
        fail();
}

void ArchiveWriter::close()
{
    const int closed = zipClose(zipOf(m_zip), nullptr);
    m_zip = nullptr;
    if (closed != ZIP_OK)
        fail();
}

} // namespace data
