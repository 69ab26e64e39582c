#pragma once

#include <QByteArray>
#include <vector>

namespace data {

// The program's own reminder sound: a soft bell of two sine partials with a
// short rise and a long decay, about 600 ms.
inline constexpr int kChimeSampleRate = 22050;
inline constexpr int kChimeMilliseconds = 600;

// The chime as mono samples between -1 and 1 at the given rate.
std::vector<float> chimeSamples(int sampleRate);

// The chime as a whole wave file: RIFF, 16-bit PCM, mono, kChimeSampleRate.
QByteArray chimeWave();

} // namespace data
