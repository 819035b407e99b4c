// The deadline chain of the typewriter's pauses.
#include "kiv/deadline_pace.h"

namespace kiv {

DeadlinePace::Clock::time_point DeadlinePace::deadline(Clock::time_point now, int ms) {
  if (ms <= 0) return now;
  if (!started_ || now > end_ + kCatchUpLimit) end_ = now;
  started_ = true;
  end_ += std::chrono::milliseconds(ms);
  return end_;
}

}  // namespace kiv
