// Records an ALSA capture device in the background (a sound server's monitor
// of what it plays) and tells when a tone first sounded on it.
#include "onset_capture.h"

#include <cstdint>
#include <cstdlib>

#include "kiv/sound/tone.h"

OnsetCapture::OnsetCapture(const std::string& device, unsigned rate) : rate_(rate) {
  if (snd_pcm_open(&handle_, device.c_str(), SND_PCM_STREAM_CAPTURE, 0) < 0) {
    handle_ = nullptr;
    return;
  }
  if (snd_pcm_set_params(handle_, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, rate, 1, 20000) < 0 ||
      snd_pcm_start(handle_) < 0) {
    snd_pcm_close(handle_);
    handle_ = nullptr;
    return;
  }
  thread_ = std::thread([this] { record(); });
}

OnsetCapture::~OnsetCapture() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  if (handle_ != nullptr) snd_pcm_close(handle_);
}

// Reads small chunks; a chunk's first loud sample is dated back from the end
// of the read by the frames after it and the frames still waiting in the
// device.
void OnsetCapture::record() {
  std::vector<std::int16_t> chunk(rate_ / 400);  // 2.5 ms
  while (!stop_) {
    const snd_pcm_sframes_t got = snd_pcm_readi(handle_, chunk.data(), chunk.size());
    const Clock::time_point now = Clock::now();
    if (got < 0) {
      snd_pcm_recover(handle_, static_cast<int>(got), 1);
      continue;
    }
    snd_pcm_sframes_t waiting = 0;
    if (snd_pcm_delay(handle_, &waiting) < 0) waiting = 0;
    for (snd_pcm_sframes_t i = 0; i < got; ++i) {
      if (std::abs(chunk[static_cast<std::size_t>(i)]) < kiv::kToneAmplitude / 100) continue;
      const auto framesAgo = (got - i) + waiting;
      const auto ago = std::chrono::microseconds(framesAgo * 1000000 / rate_);
      const std::lock_guard lock(mutex_);
      loud_.push_back(now - ago);
      break;
    }
  }
}

void OnsetCapture::forget() {
  const std::lock_guard lock(mutex_);
  loud_.clear();
}

std::optional<OnsetCapture::Clock::time_point> OnsetCapture::firstLoud(Clock::time_point since,
                                                                       std::chrono::milliseconds before,
                                                                       std::chrono::milliseconds wait) {
  const Clock::time_point giveUp = Clock::now() + wait;
  while (Clock::now() < giveUp) {
    {
      const std::lock_guard lock(mutex_);
      for (const Clock::time_point at : loud_) {
        if (at >= since - before) return at;
      }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return std::nullopt;
}
