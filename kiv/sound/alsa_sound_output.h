// Tones on the machine's sound system through ALSA, which PulseAudio and
// PipeWire serve as well.
#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "kiv/sound/sound_output.h"

namespace kiv {

struct AlsaSettings {
  // The ALSA device to play on.
  std::string device = "default";
  // ALSA configuration text that defines `device` on its own (for example
  // `pcm.beeps { type null }`), read instead of the machine's configuration;
  // empty for the machine's configuration.
  std::string config;
  // Opening that takes longer than this is given up: the game goes on
  // without sound rather than wait for a sound server that does not answer.
  std::chrono::milliseconds openTimeout{1000};
  // Wished-for sample rate and buffering; the device may pick values near
  // them. Every beep after a pause starts on an empty buffer, so its size
  // adds no delay; a buffer that holds most of a note lets the sound system
  // play it on while the game's thread waits for the processor, where a
  // short one runs dry and breaks the note up.
  int rate = 48000;
  std::chrono::microseconds period{10000};
  std::chrono::microseconds buffer{250000};
};

// The device of `settings`, opened once and kept open so that every tone
// starts at once; nullptr when it cannot be opened and set up within
// settings.openTimeout. Prints nothing, whether it succeeds or not.
//
// play(frequency, ms) of the result returns ms milliseconds after it was
// called, by the monotonic clock, however fast or slow the device takes the
// samples; the last few milliseconds of the tone may still sound after it
// returns, and the next tone follows them. A device that fails while
// playing goes quiet for the rest of the game; its beeps still take their
// length.
std::unique_ptr<SoundOutput> openAlsaSoundOutput(const AlsaSettings& settings);

}  // namespace kiv
