#include "AudioOut.h"

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

namespace ui::audio {

namespace {

bool s_absent = false;

// A sink that never reports the end of its data is let go this long after the sound should have ended.
constexpr int kGraceMilliseconds = 2000;

// Mono 16-bit at the samples' rate where the device takes it, else the
// device's own layout when its samples are 16-bit or float; an invalid
// format means stay silent.
QAudioFormat outputFormat(const QAudioDevice &device, int sampleRate)
{
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isFormatSupported(format))
        return format;
    format = device.preferredFormat();
    if (format.sampleFormat() == QAudioFormat::Int16 || format.sampleFormat() == QAudioFormat::Float)
        return format;
    return {};
}

// The samples in the device's layout, their rate changed by linear steps where the device's differs.
QByteArray fitted(const std::vector<float> &samples, int sampleRate, const QAudioFormat &format)
{
    const qint64 frames = qint64(samples.size()) * format.sampleRate() / sampleRate;
    const int channels = format.channelCount();
    const bool int16 = format.sampleFormat() == QAudioFormat::Int16;
    QByteArray pcm(frames * format.bytesPerFrame(), Qt::Uninitialized);
    auto *int16Out = reinterpret_cast<qint16 *>(pcm.data());
    auto *floatOut = reinterpret_cast<float *>(pcm.data());
    const double ratio = double(sampleRate) / format.sampleRate();
    for (qint64 i = 0; i < frames; ++i) {
        const double at = i * ratio;
        const auto k = std::min<size_t>(size_t(at), samples.size() - 1);
        const size_t next = std::min(k + 1, samples.size() - 1);
        const double value = std::clamp(samples[k] + (samples[next] - samples[k]) * (at - double(k)), -1.0, 1.0);
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

bool outputAvailable()
{
    return !s_absent && QCoreApplication::instance() && !QMediaDevices::defaultAudioOutput().isNull();
}

void playMono(const std::vector<float> &samples, int sampleRate)
{
    if (samples.empty() || sampleRate <= 0 || !outputAvailable())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = outputFormat(device, sampleRate);
    if (!format.isValid() || format.sampleRate() <= 0)
        return;
    const int milliseconds = int(qint64(samples.size()) * 1000 / sampleRate);
    play(device, format, fitted(samples, sampleRate, format), milliseconds);
}

void setOutputAbsent(bool absent)
{
    s_absent = absent;
}

} // namespace ui::audio
