#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace testing {

// Files of a test's own making: zip archives (what the program would never
// write: damaged, foreign, made by hand) and plain bytes. Each throws
// std::runtime_error when it cannot do what it says.

using Members = std::vector<std::pair<QByteArray, QByteArray>>; // name, bytes

// A zip written member by member; a large member may be written in pieces.
// Packed tight, a member of the same byte over and over takes about a
// thousandth of its size: a file of a few hundred kilobytes that unpacks
// to hundreds of megabytes.
class ZipWriter {
public:
    enum class Packing { Fast, Tight };
    explicit ZipWriter(const QString &path, Packing packing = Packing::Fast);
    ~ZipWriter();
    ZipWriter(const ZipWriter &) = delete;
    ZipWriter &operator=(const ZipWriter &) = delete;

    void begin(const QByteArray &name);
    void write(const QByteArray &bytes);
    void end();
    void add(const QByteArray &name, const QByteArray &bytes);
    void close();

private:
    void *m_zip;
    int m_level;
};

void writeZip(const QString &path, const Members &members);
// One member of a zip file; empty when the archive or the member is not there.
QByteArray zipMember(const QString &archive, const QByteArray &name);
// The zip with the size it gives a member unpacked (in the member's header
// and in the central directory) set to `size`.
QByteArray withUnpackedSize(QByteArray zip, const QByteArray &member, quint32 size);

void writeFile(const QString &path, const QByteArray &bytes);
QByteArray bytesOf(const QString &path);

} // namespace testing
