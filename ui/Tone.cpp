#include "Tone.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>

namespace ui {

namespace {

int s_count = 0;
int s_lastHertz = 0;
int s_lastMilliseconds = 0;
bool s_muted = false;

constexpr int kSampleRate = 44100;
constexpr double kVolume = 0.5;      // of full scale
constexpr int kFadeMilliseconds = 5; // ramps at both ends keep the tone from clicking
// A sink that never reports the end of its data is let go this long after the tone should have ended.
constexpr int kGraceMilliseconds = 2000;

// Mono 16-bit where the device takes it, else the device's own layout when
// its samples are 16-bit or float; an invalid format means stay silent.
QAudioFormat outputFormat(const QAudioDevice &device)
{
    QAudioFormat format;
    format.setSampleRate(kSampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(format))
        return format;
    format = device.preferredFormat();
    if (format.sampleFormat() == QAudioFormat::Int16 || format.sampleFormat() == QAudioFormat::Float)
        return format;
    return {};
}

QByteArray sineWave(const QAudioFormat &format, int hertz, int milliseconds)
{
    const qint64 frames = qint64(format.sampleRate()) * milliseconds / 1000;
    const qint64 fadeFrames = std::min<qint64>(frames / 2, qint64(format.sampleRate()) * kFadeMilliseconds / 1000);
    const int channels = format.channelCount();
    const bool int16 = format.sampleFormat() == QAudioFormat::Int16;

    QByteArray pcm(frames * format.bytesPerFrame(), Qt::Uninitialized);
    auto *int16Out = reinterpret_cast<qint16 *>(pcm.data());
    auto *floatOut = reinterpret_cast<float *>(pcm.data());
    const double step = 2.0 * std::numbers::pi * hertz / format.sampleRate();
    for (qint64 i = 0; i < frames; ++i) {
        double envelope = 1.0;
        if (fadeFrames > 0)
            envelope = std::min({1.0, double(i) / fadeFrames, double(frames - 1 - i) / fadeFrames});
        const double value = kVolume * envelope * std::sin(step * double(i));
        for (int c = 0; c < channels; ++c) {
            if (int16)
                *int16Out++ = qint16(std::lround(value * 32767.0));
            else
                *floatOut++ = float(value);
        }
    }
    return pcm;
}

void play(const QAudioDevice &device, const QAudioFormat &format, const QByteArray &pcm, int milliseconds)
{
    auto *sink = new QAudioSink(device, format, QCoreApplication::instance());
    auto *buffer = new QBuffer(sink);
    buffer->setData(pcm);
    buffer->open(QIODevice::ReadOnly);

    auto released = std::make_shared<bool>(false);
    const auto release = [sink, released] {
        if (*released)
            return;
        *released = true;
        sink->disconnect();
        sink->stop();
        sink->deleteLater();
    };
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [release](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState)
            release();
    });
    QTimer::singleShot(milliseconds + kGraceMilliseconds, sink, release);

    sink->start(buffer);
    if (sink->error() != QAudio::NoError || sink->state() == QAudio::StoppedState)
        release();
}

} // namespace

void tone(int hertz, int milliseconds)
{
    ++s_count;
    s_lastHertz = hertz;
    s_lastMilliseconds = milliseconds;
    if (s_muted || hertz <= 0 || milliseconds <= 0 || !QCoreApplication::instance())
        return;

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    const QAudioFormat format = outputFormat(device);
    if (!format.isValid())
        return;
    play(device, format, sineWave(format, hertz, milliseconds), milliseconds);
}

int toneCount() { return s_count; }
int lastToneHertz() { return s_lastHertz; }
int lastToneMilliseconds() { return s_lastMilliseconds; }
void setTonesMuted(bool muted) { s_muted = muted; }

} // namespace ui
