#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace data {

// The members of a workbook's zip, one at a time, read in chunks so that a
// large member never sits in memory whole. Member names are matched without
// regard to case, as the parts of a workbook are. Every failure throws the
// "damaged workbook" DbError naming the file and what is wrong.
class ZipReader {
public:
    // What the members opened may unpack to together (kMostUnpacked of
    // SheetRead.h); two readers of one file share theirs.
    struct Allowance {
        qint64 left;
    };

    ZipReader(const QString &path, Allowance &allowance);
    ~ZipReader();
    ZipReader(const ZipReader &) = delete;
    ZipReader &operator=(const ZipReader &) = delete;

    // Whether the zip has the member; the member open before is closed.
    bool contains(const QString &member);
    // Opens a member for reading, closing the one open before. A member that
    // says it unpacks to more than `largest` bytes, or to more than the
    // allowance has left, throws a DbError at once; what it says is what it
    // gives at most, so that a member that unpacks further is damaged.
    void open(const QString &member, qint64 largest);
    // The next chunk of the open member; empty once it is read to its end
    // (its checksum is then tested).
    QByteArray read();
    // Heard after each chunk read (to tell how far reading has come).
    void onChunk(std::function<void()> heard) { m_onChunk = std::move(heard); }
    // Bytes of the open member unpacked so far, and all it holds.
    qint64 done() const { return m_done; }
    qint64 size() const { return m_size; }
    const QString &path() const { return m_path; }

private:
    void closeMember();

    QString m_path;
    Allowance &m_allowance;
    void *m_zip = nullptr;
    QString m_member;
    bool m_open = false;
    bool m_atEnd = false;
    qint64 m_done = 0;
    qint64 m_size = 0;
    std::function<void()> m_onChunk;
};

} // namespace data
