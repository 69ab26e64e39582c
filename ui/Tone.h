#pragma once

namespace ui {

// Plays a sine tone on the default audio output and returns at once. Without
// an audio device the call is silent; it never fails or blocks.
void tone(int hertz, int milliseconds);

// Test hooks: the tones requested in this process, whether or not one was heard.
int toneCount();
int lastToneHertz();
int lastToneMilliseconds();
// Muted tones are still counted but never played (tests keep quiet with it).
void setTonesMuted(bool muted);

} // namespace ui
