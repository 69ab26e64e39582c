#pragma once

#include <QByteArray>
#include <QString>

namespace data {

// The members of a workbook's zip, one at a time, read in chunks so that a
// large member never sits in memory whole. Member names are matched without
// regard to case, as the parts of a workbook are. Every failure throws the
// "damaged workbook" DbError naming the file and what is wrong.
class ZipReader {
public:
    // No member may unpack to more than this: a damaged or hostile size
    // field must not make us take all the memory and time there is.
    static constexpr qint64 kLargestMember = qint64(2) * 1024 * 1024 * 1024;

    explicit ZipReader(const QString &path);
    ~ZipReader();
    ZipReader(const ZipReader &) = delete;
    ZipReader &operator=(const ZipReader &) = delete;

    // Whether the zip has the member; the member open before is closed.
    bool contains(const QString &member);
    // Opens a member for reading, closing the one open before.
    void open(const QString &member);
    // The next chunk of the open member; empty once it is read to its end
    // (its checksum is then tested).
    QByteArray read();
    // Bytes of the open member unpacked so far, and all it holds.
    qint64 done() const { return m_done; }
    qint64 size() const { return m_size; }
    const QString &path() const { return m_path; }

private:
    void closeMember();

    QString m_path;
    void *m_zip = nullptr;
    QString m_member;
    bool m_open = false;
    bool m_atEnd = false;
    qint64 m_done = 0;
    qint64 m_size = 0;
};

} // namespace data
