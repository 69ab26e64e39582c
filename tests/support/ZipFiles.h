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
class ZipWriter {
public:
    explicit ZipWriter(const QString &path);
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
};

void writeZip(const QString &path, const Members &members);
// One member of a zip file; empty when the archive or the member is not there.
QByteArray zipMember(const QString &archive, const QByteArray &name);
// The zip with the size its central directory gives a member unpacked set to `size`.
QByteArray withUnpackedSize(QByteArray zip, const QByteArray &member, quint32 size);

void writeFile(const QString &path, const QByteArray &bytes);
QByteArray bytesOf(const QString &path);

} // namespace testing
