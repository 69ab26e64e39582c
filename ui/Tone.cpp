#include "Tone.h"

#include "AudioOut.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace ui {

namespace {

int s_count = 0;
int s_lastHertz = 0;
int s_lastMilliseconds = 0;
bool s_muted = false;

constexpr int kSampleRate = 44100;
constexpr double kVolume = 0.5;      // of full scale
constexpr int kFadeMilliseconds = 5; // ramps at both ends keep the tone from clicking

std::vector<float> sineWave(int hertz, int milliseconds)
{
    const qint64 frames = qint64(kSampleRate) * milliseconds / 1000;
    const qint64 fadeFrames = std::min<qint64>(frames / 2, qint64(kSampleRate) * kFadeMilliseconds / 1000);
    std::vector<float> samples(frames);
    const double step = 2.0 * std::numbers::pi * hertz / kSampleRate;
    for (qint64 i = 0; i < frames; ++i) {
        double envelope = 1.0;
        if (fadeFrames > 0)
            envelope = std::min({1.0, double(i) / fadeFrames, double(frames - 1 - i) / fadeFrames});
        samples[i] = float(kVolume * envelope * std::sin(step * double(i)));
    }
    return samples;
}

} // namespace

void tone(int hertz, int milliseconds)
{
    ++s_count;
    s_lastHertz = hertz;
    s_lastMilliseconds = milliseconds;
    if (s_muted || hertz <= 0 || milliseconds <= 0)
        return;
    audio::playMono(sineWave(hertz, milliseconds), kSampleRate);
}

int toneCount() { return s_count; }
int lastToneHertz() { return s_lastHertz; }
int lastToneMilliseconds() { return s_lastMilliseconds; }
void setTonesMuted(bool muted) { s_muted = muted; }

} // namespace ui
