#include "Chime.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace data {

namespace {

constexpr double kVolume = 0.35;     // of full scale: soft
constexpr double kFundamental = 1046.5; // C6
constexpr double kOvertone = 2.76;   // a bell's first partial above the fundamental
constexpr double kOvertoneLevel = 0.3;
constexpr double kRiseSeconds = 0.006;
constexpr double kDecaySeconds = 0.16; // the time the sound takes to fall to 1/e
constexpr double kTailSeconds = 0.03;  // the last stretch fades to silence, so the end does not click

void put16(QByteArray &bytes, quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&le), 2);
}

void put32(QByteArray &bytes, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char *>(&le), 4);
}

} // namespace

std::vector<float> chimeSamples(int sampleRate)
{
    const int count = sampleRate * kChimeMilliseconds / 1000;
    const double length = double(count) / sampleRate;
    std::vector<float> samples(count);
    const double norm = 1.0 / (1.0 + kOvertoneLevel);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / sampleRate;
        const double rise = std::min(1.0, t / kRiseSeconds);
        const double tail = std::clamp((length - t) / kTailSeconds, 0.0, 1.0);
        const double envelope = rise * tail * std::exp(-t / kDecaySeconds);
        const double wave = std::sin(2.0 * std::numbers::pi * kFundamental * t)
                            + kOvertoneLevel * std::exp(-t / (kDecaySeconds / 3))
                                  * std::sin(2.0 * std::numbers::pi * kFundamental * kOvertone * t);
        samples[i] = float(kVolume * envelope * wave * norm);
    }
    return samples;
}

QByteArray chimeWave()
{
    const std::vector<float> samples = chimeSamples(kChimeSampleRate);
    const quint32 dataBytes = quint32(samples.size() * 2);
    QByteArray wave;
    wave.reserve(44 + int(dataBytes));
    wave.append("RIFF");
    put32(wave, 36 + dataBytes);
    wave.append("WAVE");
    wave.append("fmt ");
    put32(wave, 16);
    put16(wave, 1); // PCM
    put16(wave, 1); // mono
    put32(wave, kChimeSampleRate);
    put32(wave, kChimeSampleRate * 2); // bytes per second
    put16(wave, 2);                    // bytes per frame
    put16(wave, 16);                   // bits per sample
    wave.append("data");
    put32(wave, dataBytes);
    for (const float s : samples)
        put16(wave, quint16(qint16(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f))));
    return wave;
}

} // namespace data
