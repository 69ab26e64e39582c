#include "SoundFile.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

namespace data {

namespace {

// A file with more chunks before its samples than this is not taken as a sound.
constexpr int kMostChunks = 64;

quint32 u32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 u16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

bool playableFormat(const QByteArray &fmt)
{
    if (fmt.size() < 16)
        return false;
    const quint16 tag = u16(fmt, 0);
    const quint16 channels = u16(fmt, 2);
    const quint32 rate = u32(fmt, 4);
    const quint16 bits = u16(fmt, 14);
    constexpr quint16 kPcm = 1, kFloat = 3, kExtensible = 0xfffe;
    if (tag != kPcm && tag != kFloat && tag != kExtensible)
        return false;
    if (channels < 1 || channels > 8 || rate < 1000 || rate > 384000)
        return false;
    return bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

} // namespace

SoundFileCheck checkSoundFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return SoundFileCheck::Missing;
    const qint64 size = info.size();
    if (size == 0)
        return SoundFileCheck::Empty;
    if (size > kLongestSoundBytes)
        return SoundFileCheck::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SoundFileCheck::Missing;
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return SoundFileCheck::NotWave;
    bool formatSeen = false;
    for (int chunk = 0; chunk < kMostChunks; ++chunk) {
        const QByteArray head = file.read(8);
        if (head.size() < 8)
            return SoundFileCheck::NotWave;
        const quint32 length = u32(head, 4);
        if (head.startsWith("data")) {
            if (!formatSeen)
                return SoundFileCheck::NotWave;
            if (length > quint64(kLongestSoundBytes))
                return SoundFileCheck::TooLarge;
            return length == 0 || file.atEnd() ? SoundFileCheck::Empty : SoundFileCheck::Playable;
        }
        if (head.startsWith("fmt ")) {
            if (length < 16 || length > 1024 || !playableFormat(file.read(length)))
                return SoundFileCheck::NotWave;
            formatSeen = true;
            if ((length & 1) && !file.skip(1))
                return SoundFileCheck::NotWave;
            continue;
        }
        // Any other chunk (a list of names, a fact) is passed over, with its pad byte.
        const qint64 next = file.pos() + qint64(length) + (length & 1);
        if (next > size || !file.seek(next))
            return SoundFileCheck::NotWave;
    }
    return SoundFileCheck::NotWave;
}

} // namespace data
