// The typewriter's pauses keep their pace.
#include "kiv/deadline_pace.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using namespace std::chrono_literals;
using Clock = DeadlinePace::Clock;

TEST(DeadlinePace, OvershootsDoNotAddUp) {
  DeadlinePace pace;
  const Clock::time_point start{1s};
  Clock::time_point now = start;
  for (int k = 1; k <= 1000; ++k) {
    const auto deadline = pace.deadline(now, 10);
    ASSERT_EQ(deadline, start + k * 10ms) << "letter " << k;
    now = deadline + 3ms;  // every wake-up and every letter's drawing is late
  }
}

TEST(DeadlinePace, AShortStallIsMadeGoodALongOneStartsAgain) {
  DeadlinePace pace;
  const Clock::time_point start{1s};
  EXPECT_EQ(pace.deadline(start, 10), start + 10ms);
  // 40 ms late: the next deadline stays on the chain (and passes at once).
  EXPECT_EQ(pace.deadline(start + 50ms, 10), start + 20ms);
  EXPECT_EQ(pace.deadline(start + 51ms, 10), start + 30ms);
  // Far later than the chain: a new chain from now.
  const auto late = start + 2s;
  EXPECT_EQ(pace.deadline(late, 10), late + 10ms);
  EXPECT_EQ(pace.deadline(late + 10ms, 500), late + 510ms);
}

TEST(DeadlinePace, NothingForAnEmptyPauseAndRestartAfterAKey) {
  DeadlinePace pace;
  const Clock::time_point start{1s};
  EXPECT_EQ(pace.deadline(start, 0), start);
  EXPECT_EQ(pace.deadline(start, -5), start);
  EXPECT_EQ(pace.deadline(start, 10), start + 10ms) << "an empty pause must not start the chain early";
  pace.restart();
  EXPECT_EQ(pace.deadline(start + 15ms, 10), start + 25ms) << "after a key the chain starts at now";
}

}  // namespace
}  // namespace kiv
