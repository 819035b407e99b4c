// The tone generator: pitch, exact length and soft ends of the rendered beeps.
#include "kiv/tone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace kiv {
namespace {

// The pitch of `samples` in Hz, from the first and last rising zero crossing
// (each placed between its two samples) and the whole periods between them.
double measuredFrequency(const std::vector<std::int16_t>& samples, int rate) {
  double first = -1, last = -1;
  int crossings = 0;
  for (std::size_t i = 1; i < samples.size(); ++i) {
    if (samples[i - 1] < 0 && samples[i] >= 0) {
      const double at = static_cast<double>(i - 1) +
                        static_cast<double>(-samples[i - 1]) / (samples[i] - samples[i - 1]);
      if (crossings == 0) first = at;
      last = at;
      ++crossings;
    }
  }
  if (crossings < 2) return 0;
  return (crossings - 1) * static_cast<double>(rate) / (last - first);
}

int peak(const std::vector<std::int16_t>& samples, std::size_t from, std::size_t to) {
  int highest = 0;
  for (std::size_t i = from; i < to; ++i) highest = std::max(highest, std::abs(int{samples[i]}));
  return highest;
}

struct Pitch {
  int frequency;
  int rate;
};

TEST(Tone, SoundsAtItsFrequencyWithinOnePercent) {
  // The game's own notes and beep range, at the usual rates and a coarse one.
  for (const Pitch p : {Pitch{196, 48000}, Pitch{329, 44100}, Pitch{440, 22050},
                        Pitch{659, 48000}, Pitch{700, 8000}, Pitch{800, 48000},
                        Pitch{200, 11025}, Pitch{3000, 8000}}) {
    const double heard = measuredFrequency(renderTone(p.frequency, 300, p.rate), p.rate);
    EXPECT_NEAR(heard, p.frequency, p.frequency * 0.01) << p.frequency << " Hz at " << p.rate;
  }
}

TEST(Tone, LastsExactlyItsLengthInSamples) {
  EXPECT_EQ(renderTone(392, 300, 44100).size(), 13230u);
  EXPECT_EQ(renderTone(392, 600, 48000).size(), 28800u);
  EXPECT_EQ(renderTone(392, 1, 22050).size(), 22u);    // 22.05 rounds down
  EXPECT_EQ(renderTone(392, 7, 11025).size(), 77u);    // 77.175 rounds down
  EXPECT_EQ(renderTone(392, 3, 44100).size(), 132u);   // 132.3
  EXPECT_EQ(renderTone(392, 10, 44150).size(), 442u);  // 441.5 rounds up
  EXPECT_TRUE(renderTone(392, 0, 48000).empty());
  EXPECT_TRUE(renderTone(392, -5, 48000).empty());
}

TEST(Tone, StartsAndEndsInSilenceAndReachesItsPeakBetween) {
  const int rate = 48000;
  const std::vector<std::int16_t> tone = renderTone(493, 300, rate, 12000);
  ASSERT_EQ(tone.size(), 14400u);
  EXPECT_EQ(tone.front(), 0);
  EXPECT_EQ(tone.back(), 0);
  // One millisecond into a fade of five the tone is still under a tenth of its peak.
  const std::size_t oneMs = rate / 1000;
  EXPECT_LT(peak(tone, 0, oneMs), 1200);
  EXPECT_LT(peak(tone, tone.size() - oneMs, tone.size()), 1200);
  // Between the fades it is at full strength, and never above it.
  EXPECT_NEAR(peak(tone, 10 * oneMs, tone.size() - 10 * oneMs), 12000, 120);
  EXPECT_LE(peak(tone, 0, tone.size()), 12000);
}

// No step between two samples is steeper than the full-strength sine's
// steepest plus what the fade adds: a jump would be heard as a click.
void expectNoClick(const std::vector<std::int16_t>& tone, int frequency, int rate, int amplitude) {
  const double fadeSamples =
      std::min<double>(toneSamples(kToneFadeMs, rate), static_cast<double>(tone.size() / 2));
  const double steepest =
      amplitude * (2 * std::numbers::pi * frequency / rate + std::numbers::pi / (2 * fadeSamples)) + 2;
  for (std::size_t i = 1; i < tone.size(); ++i) {
    ASSERT_LE(std::abs(tone[i] - tone[i - 1]), steepest) << "at sample " << i;
  }
}

TEST(Tone, HasNoClickAnywhereEvenWhenShorterThanItsFades) {
  expectNoClick(renderTone(700, 200, 48000, 20000), 700, 48000, 20000);
  expectNoClick(renderTone(196, 600, 44100, 20000), 196, 44100, 20000);
  for (int ms : {1, 3, 9}) {
    const std::vector<std::int16_t> shortTone = renderTone(1000, ms, 48000, 20000);
    ASSERT_EQ(shortTone.size(), toneSamples(ms, 48000));
    EXPECT_EQ(shortTone.front(), 0) << ms << " ms";
    EXPECT_EQ(shortTone.back(), 0) << ms << " ms";
    expectNoClick(shortTone, 1000, 48000, 20000);
  }
}

TEST(Tone, OutOfRangeFrequencyIsSilenceOfTheSameLength) {
  for (int frequency : {0, -440, 24000, 30000}) {
    const std::vector<std::int16_t> tone = renderTone(frequency, 50, 48000);
    EXPECT_EQ(tone.size(), 2400u) << frequency;
    EXPECT_EQ(peak(tone, 0, tone.size()), 0) << frequency;
  }
}

}  // namespace
}  // namespace kiv
