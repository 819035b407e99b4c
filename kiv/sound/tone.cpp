// Sine tones for the game's beeps, rendered into sample buffers.
#include "kiv/sound/tone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kiv {

std::size_t toneSamples(int ms, int rate) {
  if (ms <= 0) return 0;
  const std::int64_t product = static_cast<std::int64_t>(ms) * rate;
  return static_cast<std::size_t>((product + 500) / 1000);
}

std::vector<std::int16_t> renderTone(int frequency, int ms, int rate, int amplitude) {
  const std::size_t count = toneSamples(ms, rate);
  std::vector<std::int16_t> samples(count, 0);
  if (frequency <= 0 || 2 * static_cast<std::int64_t>(frequency) >= rate) return samples;

  const double peak = std::clamp(amplitude, 0, 32767);
  const double step = 2.0 * std::numbers::pi * frequency / rate;
  // The fade reaches full strength after `fade` samples; a tone too short for
  // two whole fades rises over its first half and falls over its second.
  const std::size_t fade = std::max<std::size_t>(1, std::min(toneSamples(kToneFadeMs, rate), count / 2));
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t fromEdge = std::min(i, count - 1 - i);
    double gain = 1.0;
    if (fromEdge < fade) gain = 0.5 - 0.5 * std::cos(std::numbers::pi * fromEdge / fade);
    samples[i] = static_cast<std::int16_t>(std::lround(peak * gain * std::sin(step * i)));
  }
  return samples;
}

}  // namespace kiv
