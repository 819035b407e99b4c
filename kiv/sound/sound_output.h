// Real tones for the game's beeps, through the machine's sound system.
#pragma once

#include <memory>

namespace kiv {

class SoundOutput {
 public:
  virtual ~SoundOutput() = default;
  // Plays a tone of `frequency` Hz; returns after exactly `ms` milliseconds.
  virtual void play(int frequency, int ms) = 0;
};

// The machine's sound output, kept open for the whole game, or nullptr at
// once and without any message when there is none (a remote shell, a
// container, CI).
std::unique_ptr<SoundOutput> openSoundOutput();

}  // namespace kiv
