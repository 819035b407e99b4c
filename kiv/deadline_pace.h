// Pauses that run to deadlines, so that typed text keeps its pace.
#pragma once

#include <chrono>

namespace kiv {

class DeadlinePace {
 public:
  using Clock = std::chrono::steady_clock;

  // A pause asked for later than this after the end of the previous one
  // starts a new chain instead of catching up (a slow load between two
  // pauses); within it, a busy machine's late wake-ups are made good by the
  // pauses that follow.
  static constexpr std::chrono::milliseconds kCatchUpLimit{50};

  // The moment a pause of `ms` milliseconds asked for at `now` ends. Pauses
  // asked for one after the other end at start + the sum of their lengths,
  // so small overshoots never add up; when `now` is already more than
  // kCatchUpLimit past the end of the previous pause, the chain starts
  // again at `now`. A pause of 0 or less ends at once and leaves the chain
  // as it was.
  Clock::time_point deadline(Clock::time_point now, int ms);

  // The next pause starts a new chain (after a wait for the player).
  void restart() { started_ = false; }

 private:
  Clock::time_point end_{};
  bool started_ = false;
};

}  // namespace kiv
