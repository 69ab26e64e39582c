#pragma once

#include <QString>

namespace ui {

// Plays a wave file and returns at once; the sound goes on by itself. When
// the file is not there, is empty, is not a wave file the player takes, or is
// larger than data::kLongestSoundBytes (data/SoundFile.h), or the player
// fails on it, the program's own chime plays instead. Without an audio device nothing is heard, and nothing
// fails or waits.
void playSound(const QString &path);

// Test hooks: the sounds asked for in this process, and the last of them: the
// file as asked for, and whether that file was to be played (false: the chime
// stood in for it).
int soundCount();
QString lastSoundFile();
bool lastSoundFromFile();

} // namespace ui
