#pragma once

#include <QString>

namespace data {

// The largest sound file the reminder plays: 16 MiB, about a minute and a half
// of CD-quality sound. A player reads a wave file whole before the first
// sound, so a larger file would hold the program up at every reminder and
// take its size in memory.
inline constexpr qint64 kLongestSoundBytes = 16 * 1024 * 1024;

// Whether a file is a sound the reminder can play: a RIFF wave file of PCM or
// floating-point samples with some sound in it, no larger than
// kLongestSoundBytes, and claiming no more than that in its header either.
// Only the header is read.
enum class SoundFileCheck {
    Playable,
    Missing,  // no such file, or not a file
    Empty,    // no bytes, or a wave without a sample
    NotWave,  // not a wave file the player takes
    TooLarge, // larger than kLongestSoundBytes, or its header says so
};
SoundFileCheck checkSoundFile(const QString &path);

} // namespace data
