// Tones on the machine's sound system through ALSA, each call blocking for
// exactly its length by the monotonic clock.
#include "kiv/sound/alsa_sound_output.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <thread>
#include <vector>

#include "kiv/sound/alsa_pcm.h"
#include "kiv/sound/tone.h"

namespace kiv {
namespace {

using Clock = std::chrono::steady_clock;

// Gives a device back its footing after an underrun, a suspend or a stop;
// false if it cannot be played on any more.
bool recover(snd_pcm_t* handle, int error) {
  switch (error) {
    case -EPIPE:
    case -EBADFD:
      return snd_pcm_prepare(handle) >= 0;
    case -ESTRPIPE:
      return snd_pcm_resume(handle) >= 0 || snd_pcm_prepare(handle) >= 0;
    default:
      return false;
  }
}

class AlsaSoundOutput final : public SoundOutput {
 public:
  explicit AlsaSoundOutput(std::unique_ptr<AlsaPcm> pcm) : pcm_(std::move(pcm)) {}

  void play(int frequency, int ms) override {
    const Clock::time_point start = Clock::now();
    if (ms <= 0) return;
    const Clock::time_point deadline = start + std::chrono::milliseconds(ms);
    if (!failed_) feed(renderTone(frequency, ms, static_cast<int>(pcm_->rate)), deadline);
    std::this_thread::sleep_until(deadline);
  }

 private:
  // Hands the frames to the device as fast as it takes them, but never past
  // the deadline: frames a stalled device has not taken by then are left out.
  void feed(const std::vector<std::int16_t>& samples, Clock::time_point deadline) {
    snd_pcm_t* handle = pcm_->handle();
    const snd_pcm_uframes_t total = samples.size();
    snd_pcm_uframes_t written = 0;
    int recoveries = 0;
    while (written < total) {
      const snd_pcm_sframes_t done = snd_pcm_writei(handle, samples.data() + written, total - written);
      if (done >= 0) {
        written += static_cast<snd_pcm_uframes_t>(done);
        if (done > 0) continue;
      }
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
      if (left.count() <= 0) return;
      if (done == -EAGAIN || done == 0) {
        snd_pcm_wait(handle, static_cast<int>(left.count()));
      } else if (++recoveries > 3 || !recover(handle, static_cast<int>(done))) {
        failed_ = true;
        return;
      }
    }
  }

  std::unique_ptr<AlsaPcm> pcm_;
  bool failed_ = false;
};

}  // namespace

std::unique_ptr<SoundOutput> openAlsaSoundOutput(const AlsaSettings& settings) {
  std::unique_ptr<AlsaPcm> pcm = openPcmQuietly(settings);
  if (pcm == nullptr) return nullptr;
  return std::make_unique<AlsaSoundOutput>(std::move(pcm));
}

}  // namespace kiv
