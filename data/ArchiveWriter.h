#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

class QIODevice;

namespace data {

// A zip archive written member by member into a file open for writing (the
// engine's zip goes back to fill in each member's header, so the device must
// be able to seek). Members are stored as they are, each dated with the time
// given. Every failure throws a DbError that names where it is written
// (`shownName`, as the user knows it) and the cause.
class ArchiveWriter {
public:
    ArchiveWriter(QIODevice &device, const QString &shownName, const QDateTime &dated);
    ~ArchiveWriter();
    ArchiveWriter(const ArchiveWriter &) = delete;
    ArchiveWriter &operator=(const ArchiveWriter &) = delete;

    void begin(const QByteArray &name);
    void write(const QByteArray &bytes);
    void end();
    // Writes the archive's directory; nothing may be added afterwards.
    void close();

    // The device and the cause of its last failed write (an errno value).
    struct Sink {
        QIODevice *device = nullptr;
        int error = 0;
    };

private:
    [[noreturn]] void fail();

    Sink m_sink;
    QString m_shownName;
    QDateTime m_dated;
    void *m_zip = nullptr;
};

} // namespace data
