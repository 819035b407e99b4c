// Sine tones for the game's beeps, rendered into sample buffers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kiv {

// Length of each soft end of a tone: it rises from silence over its first
// kToneFadeMs milliseconds and falls back over its last.
constexpr int kToneFadeMs = 5;
// Peak of a tone in 16-bit samples: about a third of full scale, loud enough
// for a beep without drowning whatever else the machine is playing.
constexpr int kToneAmplitude = 10000;

// Samples in `ms` milliseconds at `rate` samples a second: ms × rate / 1000,
// rounded to the nearest sample; 0 for ms <= 0. `rate` must be positive.
std::size_t toneSamples(int ms, int rate);

// A sine tone of `frequency` Hz as signed 16-bit mono samples at `rate`
// samples a second, exactly toneSamples(ms, rate) of them, peaking at
// `amplitude` (0 to 32767). Both ends fade over kToneFadeMs (over half the
// tone each when it is shorter than two fades), so the first and the last
// sample are zero and the tone starts and stops without a click. A frequency
// of 0 or less, or of half the rate or more, gives silence of that length.
std::vector<std::int16_t> renderTone(int frequency, int ms, int rate, int amplitude = kToneAmplitude);

}  // namespace kiv
