#include "Sound.h"

#include "AudioOut.h"
#include "Chime.h"
#include "SoundFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace ui {

namespace {

int s_count = 0;
QString s_lastFile;
bool s_lastFromFile = false;

// A sound that never reports its end is let go after this long.
constexpr int kLongestMilliseconds = 60000;

void playChime()
{
    audio::playMono(data::chimeSamples(data::kChimeSampleRate), data::kChimeSampleRate);
}

void playFile(const QString &path)
{
    auto *effect = new QSoundEffect(QCoreApplication::instance());
    auto started = std::make_shared<bool>(false);
    QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
        // A file that is there but no sound: the chime says it all the same.
        if (effect->status() == QSoundEffect::Error) {
            effect->disconnect();
            effect->deleteLater();
            playChime();
        }
    });
    QObject::connect(effect, &QSoundEffect::playingChanged, effect, [effect, started] {
        if (effect->isPlaying())
            *started = true;
        else if (*started)
            effect->deleteLater();
    });
    QTimer::singleShot(kLongestMilliseconds, effect, &QObject::deleteLater);
    effect->setSource(QUrl::fromLocalFile(path));
    effect->play();
}

} // namespace

void playSound(const QString &path)
{
    ++s_count;
    s_lastFile = path;
    // Only the header is read here: an empty file, one that is not a wave, or
    // one too large to be read at every reminder gives the chime instead.
    s_lastFromFile = data::checkSoundFile(path) == data::SoundFileCheck::Playable;
    if (!audio::outputAvailable())
        return;
    if (s_lastFromFile)
        playFile(QFileInfo(path).absoluteFilePath());
    else
        playChime();
}

int soundCount() { return s_count; }
QString lastSoundFile() { return s_lastFile; }
bool lastSoundFromFile() { return s_lastFromFile; }

} // namespace ui
