// The tone generator: pitch, exact length and soft ends of the rendered beeps.
#include "kiv/sound/tone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace kiv {
namespace {

// The pitch of `samples` in Hz: the periods between the first and the last
// rising zero crossing, over the time between them.
double measuredFrequency(const std::vector<std::int16_t>& samples, int rate) {
  std::vector<double> rises;
  for (std::size_t i = 1; i < samples.size(); ++i)
    if (samples[i - 1] < 0 && samples[i] >= 0) rises.push_back(static_cast<double>(i));
  return rises.size() < 2 ? 0 : static_cast<double>(rises.size() - 1) * rate / (rises.back() - rises.front());
}

int peak(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
  int highest = 0;
  for (std::size_t i = from; i < to; ++i) highest = std::max(highest, std::abs(int{samples[i]}));
  return highest;
}

TEST(Tone, SoundsAtItsFrequencyWithinOnePercentForExactlyItsLengthAndOutOfRangeIsSilence) {
  // The game's notes and beep range, at the usual rates and coarse ones; frequencies it cannot sound.
  for (const auto& [frequency, rate, heard] : {std::tuple{196, 48000, 196},
                                               {659, 44100, 659},
                                               {700, 8000, 700},
                                               {200, 22050, 200},
                                               {3000, 8000, 3000},
                                               {0, 48000, 0},
                                               {-440, 48000, 0},
                                               {24000, 48000, 0},
                                               {30000, 48000, 0}}) {
    const std::vector<std::int16_t> tone = renderTone(frequency, 300, rate);
    EXPECT_EQ(std::pair(tone.size(), peak(tone, 0, tone.size()) > 0), std::pair(rate * std::size_t{3} / 10, heard > 0))
        << frequency;
    EXPECT_NEAR(measuredFrequency(tone, rate), heard, heard * 0.01) << frequency << " Hz at " << rate;
  }
  for (int ms : {0, -5}) EXPECT_TRUE(renderTone(392, ms, 48000).empty()) << ms;  // no length, no samples
}

// No step between two samples is steeper than the full-strength sine's
// steepest plus what the fade adds: a jump would be heard as a click.
void expectSoftEnds(int frequency, int ms, int amplitude) {
  const std::vector<std::int16_t> tone = renderTone(frequency, ms, 48000, amplitude);
  ASSERT_EQ(tone.size(), toneSamples(ms, 48000));
  EXPECT_EQ(std::pair(tone.front(), tone.back()), std::pair(std::int16_t{0}, std::int16_t{0})) << ms << " ms";
  EXPECT_LE(peak(tone, 0, tone.size()), amplitude);
  const double fade = std::min<double>(toneSamples(kToneFadeMs, 48000), static_cast<double>(tone.size() / 2));
  const double steepest = amplitude * (2 * std::numbers::pi * frequency / 48000 + std::numbers::pi / (2 * fade)) + 2;
  for (std::size_t i = 1; i < tone.size(); ++i) ASSERT_LE(std::abs(tone[i] - tone[i - 1]), steepest) << "at " << i;
}

TEST(Tone, RisesFromSilenceAndFallsBackWithoutAClickEvenWhenShorterThanItsFades) {
  for (int ms : {1, 3, 9, 200}) expectSoftEnds(1000, ms, 20000);
  expectSoftEnds(196, 600, 20000);
  // One millisecond into a fade of five the tone is still under a tenth of
  // its peak; between the fades it is at full strength.
  const std::vector<std::int16_t> tone = renderTone(493, 300, 48000, 12000);
  EXPECT_LT(std::max(peak(tone, 0, 48), peak(tone, tone.size() - 48, tone.size())), 1200);
  EXPECT_NEAR(peak(tone, 480, tone.size() - 480), 12000, 120);
}

}  // namespace
}  // namespace kiv
