// Opening an ALSA playback device for the game's tones: quietly, and never
// waiting long for it.
#include "kiv/sound/alsa_pcm.h"

#include <fcntl.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <condition_variable>
#include <mutex>
#include <system_error>
#include <thread>

namespace kiv {
namespace {

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// Points standard error at /dev/null for as long as it lives, and back at
// what it was after. Processes started meanwhile (a sound server started on
// demand) keep /dev/null as theirs.
class QuietStandardError {
 public:
  QuietStandardError() : saved_(::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0)) {
    const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (saved_ >= 0 && nowhere >= 0) ::dup2(nowhere, STDERR_FILENO);
    if (nowhere >= 0) ::close(nowhere);
  }
  ~QuietStandardError() {
    if (saved_ < 0) return;
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
  }
  QuietStandardError(const QuietStandardError&) = delete;
  QuietStandardError& operator=(const QuietStandardError&) = delete;

 private:
  int saved_;
};

// Blocks every signal it can on the calling thread while it lives; a thread
// started meanwhile keeps them blocked, so the game's own thread takes them.
class SignalsBlocked {
 public:
  SignalsBlocked() {
    sigset_t all;
    sigfillset(&all);
    pthread_sigmask(SIG_BLOCK, &all, &saved_);
  }
  ~SignalsBlocked() { pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }
  SignalsBlocked(const SignalsBlocked&) = delete;
  SignalsBlocked& operator=(const SignalsBlocked&) = delete;

 private:
  sigset_t saved_;
};

// The configuration that `text` holds, or null if it does not parse.
snd_config_t* loadConfig(const std::string& text) {
  snd_config_t* top = nullptr;
  if (snd_config_top(&top) < 0) return nullptr;
  snd_input_t* input = nullptr;
  if (snd_input_buffer_open(&input, text.data(), static_cast<ssize_t>(text.size())) < 0) {
    snd_config_delete(top);
    return nullptr;
  }
  const int loaded = snd_config_load(top, input);
  snd_input_close(input);
  if (loaded < 0) {
    snd_config_delete(top);
    return nullptr;
  }
  return top;
}

template <typename T>
using AlsaBuffer = std::unique_ptr<T, void (*)(T*)>;

bool setHardware(AlsaPcm& pcm, const AlsaSettings& settings) {
  snd_pcm_t* handle = pcm.handle();
  snd_pcm_hw_params_t* raw = nullptr;
  if (snd_pcm_hw_params_malloc(&raw) < 0) return false;
  const AlsaBuffer<snd_pcm_hw_params_t> hw(raw, snd_pcm_hw_params_free);

  unsigned rate = static_cast<unsigned>(settings.rate);
  unsigned bufferUs = static_cast<unsigned>(settings.buffer.count());
  unsigned periodUs = static_cast<unsigned>(settings.period.count());
  int dir = 0;
  if (snd_pcm_hw_params_any(handle, raw) < 0 ||
      snd_pcm_hw_params_set_access(handle, raw, SND_PCM_ACCESS_RW_INTERLEAVED) < 0 ||
      snd_pcm_hw_params_set_format(handle, raw, SND_PCM_FORMAT_S16) < 0 ||
      snd_pcm_hw_params_set_channels(handle, raw, 1) < 0 ||
      snd_pcm_hw_params_set_rate_near(handle, raw, &rate, &dir) < 0 ||
      snd_pcm_hw_params_set_buffer_time_near(handle, raw, &bufferUs, &dir) < 0 ||
      snd_pcm_hw_params_set_period_time_near(handle, raw, &periodUs, &dir) < 0 || snd_pcm_hw_params(handle, raw) < 0) {
    return false;
  }
  pcm.rate = rate;
  return snd_pcm_hw_params_get_period_size(raw, &pcm.periodFrames, &dir) >= 0 && pcm.rate > 0;
}

// Starts playing at the first sample written, and fills what has been played
// with silence where the device can, so that an underrun between two beeps
// never repeats old samples.
bool setSoftware(AlsaPcm& pcm) {
  snd_pcm_t* handle = pcm.handle();
  snd_pcm_sw_params_t* raw = nullptr;
  if (snd_pcm_sw_params_malloc(&raw) < 0) return false;
  const AlsaBuffer<snd_pcm_sw_params_t> sw(raw, snd_pcm_sw_params_free);
  if (snd_pcm_sw_params_current(handle, raw) < 0 || snd_pcm_sw_params_set_start_threshold(handle, raw, 1) < 0 ||
      snd_pcm_sw_params_set_avail_min(handle, raw, pcm.periodFrames) < 0 || snd_pcm_sw_params(handle, raw) < 0) {
    return false;
  }
  snd_pcm_uframes_t boundary = 0;
  if (snd_pcm_sw_params_get_boundary(raw, &boundary) >= 0 &&
      snd_pcm_sw_params_set_silence_threshold(handle, raw, 0) >= 0 &&
      snd_pcm_sw_params_set_silence_size(handle, raw, boundary) >= 0) {
    snd_pcm_sw_params(handle, raw);  // optional: a device without it plays on
  }
  return true;
}

std::unique_ptr<AlsaPcm> openAndSetUp(const AlsaSettings& settings) {
  snd_config_t* local = nullptr;
  if (!settings.config.empty()) {
    local = loadConfig(settings.config);
    if (local == nullptr) return nullptr;
  }
  snd_pcm_t* handle = nullptr;
  const int opened =
      local != nullptr
          ? snd_pcm_open_lconf(&handle, settings.device.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK, local)
          : snd_pcm_open(&handle, settings.device.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK);
  auto pcm = std::make_unique<AlsaPcm>(opened < 0 ? nullptr : handle, local);
  if (opened < 0 || !setHardware(*pcm, settings) || !setSoftware(*pcm) || snd_pcm_prepare(handle) < 0) {
    return nullptr;
  }
  return pcm;
}

// One opening on its own thread; whichever of the opener and the waiter
// finishes last frees it.
struct Attempt {
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  bool abandoned = false;
  std::unique_ptr<AlsaPcm> pcm;
};

}  // namespace

AlsaPcm::AlsaPcm(snd_pcm_t* handle, snd_config_t* localConfig) : handle_(handle), localConfig_(localConfig) {}

AlsaPcm::~AlsaPcm() {
  if (handle_ != nullptr) snd_pcm_close(handle_);
  if (localConfig_ != nullptr) snd_config_delete(localConfig_);
}

std::unique_ptr<AlsaPcm> openPcmQuietly(const AlsaSettings& settings) {
  snd_lib_error_set_handler(ignoreAlsaError);
  const QuietStandardError quiet;

  auto attempt = std::make_shared<Attempt>();
  try {
    const SignalsBlocked blocked;
    std::thread([attempt, settings] {
      std::unique_ptr<AlsaPcm> pcm = openAndSetUp(settings);
      const std::lock_guard lock(attempt->mutex);
      attempt->done = true;
      if (!attempt->abandoned) attempt->pcm = std::move(pcm);
      attempt->finished.notify_one();
    }).detach();
  } catch (const std::system_error&) {
    return nullptr;
  }

  std::unique_lock lock(attempt->mutex);
  if (!attempt->finished.wait_for(lock, settings.openTimeout, [&] { return attempt->done; })) {
    attempt->abandoned = true;
    return nullptr;
  }
  return std::move(attempt->pcm);
}

}  // namespace kiv
