// Pauses that run to deadlines, so that typed text keeps its pace; and a test's faster clock.
#pragma once

#include <chrono>
#include <cstdint>

namespace kiv {

// For tests: the fastest a test may run the clock.
constexpr int kMaxSpeedup = 1000;

// For tests: the speed-up asked for (THALVORINE_SPEEDUP on the terminal, ?speed=
// on the web page): `text` holding only an integer from 1 to kMaxSpeedup
// gives that number; anything else, nullptr included, gives 1 (the real pace).
int speedupFrom(const char* text);

class DeadlinePace {
 public:
  using Clock = std::chrono::steady_clock;

  // A pause asked for later than this after the end of the previous one
  // starts a new chain instead of catching up (a slow load between two
  // pauses); within it, a busy machine's late wake-ups are made good by the
  // pauses that follow.
  static constexpr std::chrono::milliseconds kCatchUpLimit{50};

  // Every pause and beep lasts 1/`speedup` of its length, and the calendar
  // runs `speedup` times faster (a test's faster clock; kept within 1 to
  // kMaxSpeedup). 1 is the real pace.
  explicit DeadlinePace(int speedup = 1);

  int speedup() const { return speedup_; }

  // How long a pause or beep of `ms` milliseconds lasts at this pace, on
  // every device: ms / speedup, but at least 1 when `ms` is at least 1 (a
  // pause never vanishes by the speed-up); 0 or less as given.
  int scaled(int ms) const;

  // The moment a pause of `ms` milliseconds (scaled) asked for at `now`
  // ends. Pauses asked for one after the other end at start + the sum of
  // their lengths, so small overshoots never add up; when `now` is already
  // more than kCatchUpLimit past the end of the previous pause, the chain
  // starts again at `now`. A pause of 0 or less ends at once and leaves the
  // chain as it was.
  Clock::time_point deadline(Clock::time_point now, int ms);

  // The calendar second `elapsed` after a start in second `startSecond`,
  // the calendar running at this pace (`elapsed` is never negative).
  std::int64_t calendarSecond(std::int64_t startSecond, Clock::duration elapsed) const;

  // The next pause starts a new chain (after a wait for the player).
  void restart() { started_ = false; }

 private:
  Clock::time_point end_{};
  bool started_ = false;
  int speedup_;
};

}  // namespace kiv
