// The deadline chain of the typewriter's pauses, and the test clock's speed-up.
#include "kiv/core/deadline_pace.h"

#include <algorithm>

namespace kiv {

// For tests: the speed-up they ask for.
int speedupFrom(const char* text) {
  if (text == nullptr || *text == '\0') return 1;
  int value = 0;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p < '0' || *p > '9') return 1;
    value = value * 10 + (*p - '0');
    if (value > kMaxSpeedup) return 1;
  }
  return value >= 1 ? value : 1;
}

DeadlinePace::DeadlinePace(int speedup) : speedup_(std::clamp(speedup, 1, kMaxSpeedup)) {}

int DeadlinePace::scaled(int ms) const { return ms <= 0 ? ms : std::max(1, ms / speedup_); }

std::int64_t DeadlinePace::calendarSecond(std::int64_t startSecond, Clock::duration elapsed) const {
  return startSecond + std::chrono::duration_cast<std::chrono::seconds>(elapsed * speedup_).count();
}

DeadlinePace::Clock::time_point DeadlinePace::deadline(Clock::time_point now, int ms) {
  if (ms <= 0) return now;
  if (!started_ || now > end_ + kCatchUpLimit) end_ = now;
  started_ = true;
  end_ += std::chrono::milliseconds(scaled(ms));
  return end_;
}

}  // namespace kiv
