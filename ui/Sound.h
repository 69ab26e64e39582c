#pragma once

#include <QString>

namespace ui {

// Plays a wave file and returns at once; the sound goes on by itself. When
// the file is not there, or cannot be played as a sound, the program's own
// chime plays instead. Without an audio device nothing is heard, and nothing
// fails or waits.
void playSound(const QString &path);

// Test hooks: the sounds asked for in this process, and the last of them: the
// file as asked for, and whether the file was there to be played.
int soundCount();
QString lastSoundFile();
bool lastSoundFound();

} // namespace ui
