#pragma once

#include <vector>

namespace ui::audio {

// Plays mono samples (between -1 and 1, at sampleRate) on the default audio
// output and returns at once; the sound goes on by itself and is let go when
// it ends. The samples are fitted to what the device takes (16-bit or float,
// its rate, its channels). Without an audio device the call is silent; it
// never fails or blocks.
void playMono(const std::vector<float> &samples, int sampleRate);

// Whether there is an audio output to play on.
bool outputAvailable();

// Test hook: behave as if there were no audio output at all.
void setOutputAbsent(bool absent);

} // namespace ui::audio
