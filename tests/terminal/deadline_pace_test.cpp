// The typewriter's pauses keep their pace.
#include "kiv/deadline_pace.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using namespace std::chrono_literals;
const DeadlinePace::Clock::time_point start{1s};

TEST(DeadlinePace, OvershootsDoNotAddUp) {
  DeadlinePace pace;
  auto now = start;
  for (int k = 1; k <= 1000; ++k) {
    ASSERT_EQ(pace.deadline(now, 10), start + k * 10ms) << "letter " << k;
    now = start + k * 10ms + 3ms;  // every wake-up and every letter's drawing is late
  }
}

TEST(DeadlinePace, AShortStallIsMadeGoodALongOneStartsAgain) {
  DeadlinePace pace;
  EXPECT_EQ(pace.deadline(start, 10), start + 10ms);
  // 40 ms late: the next deadline stays on the chain (and passes at once).
  EXPECT_EQ(pace.deadline(start + 50ms, 10), start + 20ms);
  EXPECT_EQ(pace.deadline(start + 51ms, 10), start + 30ms);
  // Far later than the chain: a new chain from now.
  EXPECT_EQ(pace.deadline(start + 2s, 10), start + 2s + 10ms);
  EXPECT_EQ(pace.deadline(start + 2s + 10ms, 500), start + 2s + 510ms);
}

TEST(DeadlinePace, NothingForAnEmptyPauseAndRestartAfterAKey) {
  DeadlinePace pace;
  EXPECT_EQ(std::pair(pace.deadline(start, 0), pace.deadline(start, -5)), std::pair(start, start));
  EXPECT_EQ(pace.deadline(start + 30ms, 10), start + 40ms) << "an empty pause must not start the chain";
  pace.restart();
  EXPECT_EQ(pace.deadline(start + 15ms, 10), start + 25ms) << "after a key the chain starts at now";
}

TEST(DeadlinePace, ASpeedUpDividesEveryPauseYetEachStillLasts) {
  // THALVORINE_SPEEDUP as set, and the speed-up it gives: only 1 to 1000.
  const struct { const char* text; int speedup; } settings[] = {
      {"40", 40}, {"1", 1}, {"1000", 1000}, {"0", 1}, {"1001", 1}, {"-5", 1}, {"20x", 1}, {" 20", 1},
      {"", 1}, {nullptr, 1}, {"99999999999", 1}, {"2.5", 1}};
  for (const auto& [text, speedup] : settings) EXPECT_EQ(speedupFrom(text), speedup) << (text ? text : "unset");

  const struct { int speedup, ms, lasts; } pauses[] = {
      {40, 3000, 75}, {40, 75, 1}, {40, 1, 1}, {1000, 700, 1}, {1, 75, 75}, {40, 0, 0}, {40, -3, -3}};
  for (const auto& [speedup, ms, lasts] : pauses)
    EXPECT_EQ(DeadlinePace(speedup).scaled(ms), lasts) << ms << " ms at " << speedup;

  DeadlinePace fast(10);
  EXPECT_EQ(fast.deadline(start, 100), start + 10ms);
  EXPECT_EQ(fast.deadline(start + 13ms, 100), start + 20ms) << "the chain holds at the faster pace";
}

}  // namespace
}  // namespace kiv
