// The typewriter's pauses keep their pace.
#include "kiv/core/deadline_pace.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using namespace std::chrono_literals;
const DeadlinePace::Clock::time_point start{1s};

TEST(DeadlinePace, LateWakeUpsDoNotAddUpALongStallOrAKeyStartsAgainAndAnEmptyPauseIsNothing) {
  DeadlinePace pace;
  // One pause after the other: asked for at `now`, after a key or not, ending at `ends`.
  const struct {
    std::chrono::milliseconds now;
    bool afterKey;
    int ms;
    std::chrono::milliseconds ends;
  } pauses[] = {{0ms, false, 0, 0ms},        {0ms, false, -5, 0ms},  // nothing, and the chain not started
                {30ms, false, 10, 40ms},     {80ms, false, 10, 50ms},
                {81ms, false, 10, 60ms},                                    // 40 ms late: made good
                {2000ms, false, 10, 2010ms}, {2010ms, false, 500, 2510ms},  // far later: a new chain
                {2100ms, true, 10, 2110ms}};                                // after a key, from now
  for (const auto& [now, afterKey, ms, ends] : pauses) {
    if (afterKey) pace.restart();
    EXPECT_EQ(pace.deadline(start + now, ms), start + ends) << ms << " ms at " << now.count();
  }
}

TEST(DeadlinePace, ASpeedUpDividesEveryPauseYetEachStillLastsAndRunsTheCalendarFaster) {
  // THALVORINE_SPEEDUP as set, and the speed-up it gives: only 1 to 1000.
  const struct {
    const char* text;
    int speedup;
  } settings[] = {{"40", 40}, {"1", 1},   {"1000", 1000}, {"0", 1},     {"1001", 1},        {"-5", 1},
                  {"20x", 1}, {" 20", 1}, {"", 1},        {nullptr, 1}, {"99999999999", 1}, {"2.5", 1}};
  for (const auto& [text, speedup] : settings) EXPECT_EQ(speedupFrom(text), speedup) << (text ? text : "unset");

  const struct {
    int speedup, ms, lasts;
  } pauses[] = {
      {40, 3000, 75}, {40, 75, 1}, {40, 1, 1},   {1000, 700, 1}, {1, 75, 75}, {40, 0, 0},
      {40, -3, -3},   {0, 75, 75}, {-4, 75, 75}, {5000, 3000, 3}};  // a speed-up out of range: kept within 1 to 1000
  for (const auto& [speedup, ms, lasts] : pauses)
    EXPECT_EQ(DeadlinePace(speedup).scaled(ms), lasts) << ms << " ms at " << speedup;

  DeadlinePace fast(10);
  EXPECT_EQ(fast.deadline(start, 100), start + 10ms);
  EXPECT_EQ(fast.deadline(start + 13ms, 100), start + 20ms) << "the chain holds at the faster pace";
  // The calendar runs as fast: a tenth of a second is a second.
  EXPECT_EQ(std::pair(fast.calendarSecond(1800000000, 99ms), fast.calendarSecond(1800000000, 100ms)),
            std::pair(std::int64_t{1800000000}, std::int64_t{1800000001}));
  EXPECT_EQ(DeadlinePace(40).calendarSecond(7, 1s), 47);
}

}  // namespace
}  // namespace kiv
