// Records an ALSA capture device in the background (a sound server's monitor
// of what it plays) and tells when a tone first sounded on it.
#pragma once

#include <alsa/asoundlib.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class OnsetCapture {
 public:
  using Clock = std::chrono::steady_clock;

  // Starts recording `device`, one channel at `rate`; ok() says whether it could.
  OnsetCapture(const std::string& device, unsigned rate);
  ~OnsetCapture();
  OnsetCapture(const OnsetCapture&) = delete;
  OnsetCapture& operator=(const OnsetCapture&) = delete;

  bool ok() const { return handle_ != nullptr; }
  // Forgets every loud sample captured so far.
  void forget();
  // When the first loud sample (a hundredth of the beeps' peak or more) since
  // the last forget() sounded, if one comes within `wait`. Samples dated more
  // than `before` ahead of `since` are taken for the tail of an earlier tone
  // that the recorder read late, and skipped.
  std::optional<Clock::time_point> firstLoud(Clock::time_point since, std::chrono::milliseconds before,
                                             std::chrono::milliseconds wait);

 private:
  void record();

  snd_pcm_t* handle_ = nullptr;
  unsigned rate_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<Clock::time_point> loud_;  // each captured chunk's first loud sample
  std::thread thread_;
};
