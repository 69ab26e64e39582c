#include "ZipFiles.h"

#include <QFile>
#include <stdexcept>
#include <unzip.h>
#include <zip.h>

namespace testing {

namespace {

void require(bool ok, const char *what)
{
    if (!ok)
        throw std::runtime_error(what);
}

} // namespace

ZipWriter::ZipWriter(const QString &path, Packing packing)
    : m_zip(zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE))
    , m_level(packing == Packing::Tight ? Z_BEST_COMPRESSION : Z_BEST_SPEED)
{
    require(m_zip, "cannot create the zip");
}

ZipWriter::~ZipWriter()
{
    if (m_zip)
        zipClose(m_zip, nullptr);
}

void ZipWriter::begin(const QByteArray &name)
{
    zip_fileinfo info{};
    require(zipOpenNewFileInZip64(m_zip, name.constData(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                  m_level, 0) == ZIP_OK,
            "cannot add to the zip");
}

void ZipWriter::write(const QByteArray &bytes)
{
    require(zipWriteInFileInZip(m_zip, bytes.constData(), unsigned(bytes.size())) == ZIP_OK, "cannot write the zip");
}

void ZipWriter::end()
{
    require(zipCloseFileInZip(m_zip) == ZIP_OK, "cannot close a member");
}

void ZipWriter::add(const QByteArray &name, const QByteArray &bytes)
{
    begin(name);
    write(bytes);
    end();
}

void ZipWriter::close()
{
    require(zipClose(m_zip, nullptr) == ZIP_OK, "cannot close the zip");
    m_zip = nullptr;
}

void writeZip(const QString &path, const Members &members)
{
    ZipWriter zip(path);
    for (const auto &[name, bytes] : members)
        zip.add(name, bytes);
    zip.close();
}

QByteArray zipMember(const QString &archive, const QByteArray &name)
{
    unzFile zip = unzOpen64(QFile::encodeName(archive).constData());
    if (!zip)
        return {};
    QByteArray bytes;
    if (unzLocateFile(zip, name.constData(), 1) == UNZ_OK && unzOpenCurrentFile(zip) == UNZ_OK) {
        char chunk[65536];
        int got = 0;
        while ((got = unzReadCurrentFile(zip, chunk, sizeof chunk)) > 0)
            bytes.append(chunk, got);
        unzCloseCurrentFile(zip);
    }
    unzClose(zip);
    return bytes;
}

QByteArray withUnpackedSize(QByteArray zip, const QByteArray &member, quint32 size)
{
    // The size stands in the member's own header (at 22, its name at 30)
    // and in the central directory (at 24, its name at 46).
    const auto patch = [&](const char *signature, int sizeAt, int nameAt) {
        for (qsizetype at = zip.indexOf(signature); at >= 0; at = zip.indexOf(signature, at + 4)) {
            if (zip.mid(at + nameAt, member.size()) == member) {
                for (int i = 0; i < 4; ++i)
                    zip[at + sizeAt + i] = char((size >> (8 * i)) & 0xFF);
                return;
            }
        }
        throw std::runtime_error("member not found");
    };
    patch("PK\x03\x04", 22, 30);
    patch("PK\x01\x02", 24, 46);
    return zip;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
            "cannot write the file");
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    require(file.open(QIODevice::ReadOnly), "cannot read the file");
    return file.readAll();
}

} // namespace testing
